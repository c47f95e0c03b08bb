#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "files/AtomicFile.h"

namespace trazello {

namespace {

std::string lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
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
  Section* current = nullptr;
  size_t from = 0;
  while (from < text.size()) {
    size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    const std::string t = trimmed(text.substr(from, end - from));
    from = end + 1;
    if (t.empty() || t[0] == ';') continue;
    if (t.front() == '[' && t.back() == ']') {
      current = &ini.findOrAdd(t.substr(1, t.size() - 2));
      continue;
    }
    const size_t eq = t.find('=');
    if (!current || eq == std::string::npos) continue;
    // The first of repeated keys counts, as it always has.
    const std::string key = trimmed(t.substr(0, eq));
    if (current->byKey.emplace(lowered(key), current->entries.size()).second)
      current->entries.emplace_back(key, t.substr(eq + 1));
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
  const auto it = byName_.find(lowered(section));
  return it == byName_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Section* IniFile::find(const std::string& section) const {
  return const_cast<IniFile*>(this)->find(section);
}

IniFile::Section& IniFile::findOrAdd(const std::string& section) {
  const auto [it, added] = byName_.emplace(lowered(section), sections_.size());
  if (added) sections_.push_back({section, {}, {}});
  return sections_[it->second];
}

std::optional<std::string> IniFile::value(const std::string& section,
                                          const std::string& key) const {
  const Section* s = find(section);
  if (!s) return std::nullopt;
  const auto it = s->byKey.find(lowered(key));
  if (it == s->byKey.end()) return std::nullopt;
  return s->entries[it->second].second;
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
  Section& s = findOrAdd(section);
  const auto [it, added] = s.byKey.emplace(lowered(key), s.entries.size());
  if (added)
    s.entries.emplace_back(key, value);
  else
    s.entries[it->second].second = value;
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) {
  write(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value) {
  write(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(const std::string& section) {
  const auto it = byName_.find(lowered(section));
  if (it == byName_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  byName_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) byName_.emplace(lowered(sections_[i].name), i);
}

bool IniFile::hasSection(const std::string& section) const {
  return find(section) != nullptr;
}

}  // namespace trazello
