#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <sstream>

#include "files/AtomicFile.h"

namespace trazello {

namespace {

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

}  // namespace

IniFile IniFile::parse(const std::string& text) {
  IniFile ini;
  std::istringstream in(text);
  std::string line;
  Section* current = nullptr;
  while (std::getline(in, line)) {
    const std::string t = trimmed(line);
    if (t.empty() || t[0] == ';') continue;
    if (t.front() == '[' && t.back() == ']') {
      const std::string name = t.substr(1, t.size() - 2);
      current = ini.find(name);
      if (!current) {
        ini.sections_.push_back({name, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    const size_t eq = t.find('=');
    if (!current || eq == std::string::npos) continue;
    const std::string key = trimmed(t.substr(0, eq));
    const std::string value = t.substr(eq + 1);
    auto& entries = current->entries;
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const auto& e) { return sameName(e.first, key); });
    if (it == entries.end()) entries.emplace_back(key, value);
  }
  return ini;
}

IniFile IniFile::load(const std::string& path) {
  const auto bytes = readWholeFile(path, nullptr);
  if (!bytes) return {};
  return parse(std::string(bytes->begin(), bytes->end()));
}

std::string IniFile::text() const {
  std::string out;
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& [k, v] : s.entries) out += k + "=" + v + "\r\n";
    out += "\r\n";
  }
  return out;
}

bool IniFile::save(const std::string& path, std::string* why) const {
  const std::string t = text();
  const auto failed = writeFileAtomically(
      path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(t.data()), t.size()));
  if (failed && why) *why = *failed;
  return !failed;
}

IniFile::Section* IniFile::find(const std::string& section) {
  for (Section& s : sections_) {
    if (sameName(s.name, section)) return &s;
  }
  return nullptr;
}

const IniFile::Section* IniFile::find(const std::string& section) const {
  return const_cast<IniFile*>(this)->find(section);
}

std::optional<std::string> IniFile::value(const std::string& section,
                                          const std::string& key) const {
  const Section* s = find(section);
  if (!s) return std::nullopt;
  for (const auto& [k, v] : s->entries) {
    if (sameName(k, key)) return v;
  }
  return std::nullopt;
}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  return value(section, key).value_or(fallback);
}

int IniFile::readInt(const std::string& section, const std::string& key, int fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  const std::string t = trimmed(*v);
  int out = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), out);
  return r.ec == std::errc() && r.ptr == t.data() + t.size() && !t.empty() ? out : fallback;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool fallback) const {
  return readInt(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::write(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = find(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& [k, v] : s->entries) {
    if (sameName(k, key)) {
      v = value;
      return;
    }
  }
  s->entries.emplace_back(key, value);
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) {
  write(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
  write(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(const std::string& section) {
  std::erase_if(sections_, [&](const Section& s) { return sameName(s.name, section); });
}

bool IniFile::hasSection(const std::string& section) const { return find(section) != nullptr; }

}  // namespace trazello
