#include "SchemeStore.h"

#include <filesystem>

#include "files/AtomicFile.h"

namespace trazello {

namespace {
bool isUserScheme(int index) {
  return index >= 1 && index < SchemeStore::kCount;
}
}  // namespace

SchemeStore::SchemeStore(std::string folder) : folder_(std::move(folder)) {
  schemes_.fill(defaultScheme());
  active_ = defaultScheme();
}

std::string SchemeStore::userSchemeFile(int index) const {
  const std::string name = "C_USER" + std::to_string(index) + ".DAT";
  return folder_.empty() ? name : (std::filesystem::path(folder_) / name).string();
}

void SchemeStore::reloadFiles() {
  schemes_[0] = defaultScheme();
  for (int n = 1; n < kCount; ++n) {
    ColourScheme& s = schemes_[static_cast<size_t>(n)];
    s = defaultScheme();
    std::string why;
    auto bytes = readWholeFile(userSchemeFile(n), &why, kSchemeBytes);
    if (bytes && bytes->size() == kSchemeBytes)
      s = parseSchemeBytes(std::span<const uint8_t, kSchemeBytes>(bytes->data(), kSchemeBytes));
  }
}

void SchemeStore::load(int selected) {
  reloadFiles();
  select(selected);
}

const ColourScheme& SchemeStore::scheme(int index) const {
  return schemes_[static_cast<size_t>(index >= 0 && index < kCount ? index : 0)];
}

void SchemeStore::select(int index) {
  selected_ = index >= 0 && index < kCount ? index : 0;
  active_ = schemes_[static_cast<size_t>(selected_)];
}

std::optional<Message> SchemeStore::writeUserScheme(int index, const ColourScheme& s) {
  if (!isUserScheme(index)) return std::nullopt;
  const auto bytes = schemeBytes(s);
  const std::string path = userSchemeFile(index);
  if (auto why = writeFileAtomically(path, bytes))
    return Message{MessageKind::Error, MessageId::FileCannotBeWritten, {path, *why}};
  schemes_[static_cast<size_t>(index)] = s;
  return std::nullopt;
}

}  // namespace trazello
