// libFuzzer target: a user colour-scheme file ("C_USER<n>.DAT") holding any bytes. A file too
// short for a record gives the default scheme; otherwise its first record gives colours without
// the flag byte, and the store always has an active scheme it can draw with.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "view/SchemeStore.h"

namespace {

void check(bool ok) {
  if (!ok) __builtin_trap();
}

const std::string& folder() {
  static const std::string f = [] {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("trazello-scheme-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir.string();
  }();
  return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trazello;
  SchemeStore store(folder());
  {
    // A plain write: the atomic one syncs to disk, which would make every run slow.
    std::ofstream file(store.userSchemeFile(2), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!file) return 0;
  }
  const int selected = size > 0 ? static_cast<int8_t>(data[0]) : 0;
  store.load(selected);
  check(store.selected() == (selected >= 0 && selected < SchemeStore::kCount ? selected : 0));
  check(store.active() == store.scheme(store.selected()));
  check(store.scheme(0) == defaultScheme());
  // The record is the first 48 bytes; a shorter file is no record at all.
  if (size < kSchemeBytes)
    check(store.scheme(2) == defaultScheme());
  else
    check(store.scheme(2) ==
          parseSchemeBytes(std::span<const uint8_t, kSchemeBytes>(data, kSchemeBytes)));
  for (ColorRef c : store.scheme(2).colours) check((c & 0xFF000000u) == 0);
  return 0;
}
