#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace trazello {

// A Windows-style settings file: [sections] of key=value lines. Section and key names compare
// without regard to case, as the program has always read them; the order of sections and keys
// is kept so that a rewritten file looks like the old one. Look-ups go through an index, so a file
// of any number of keys is read in linear time.
class IniFile {
 public:
  static IniFile parse(const std::string& text);
  // An empty file when it cannot be read.
  static IniFile load(const std::string& path);
  std::string text() const;
  // False with the reason in `why` when the file cannot be written.
  bool save(const std::string& path, std::string* why = nullptr) const;

  std::optional<std::string> value(const std::string& section, const std::string& key) const;
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // The fallback also when the value is not a whole number.
  int readInt(const std::string& section, const std::string& key, int fallback) const;
  bool readBool(const std::string& section, const std::string& key, bool fallback) const;

  void write(const std::string& section, const std::string& key, const std::string& value);
  void writeInt(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  void eraseSection(const std::string& section);
  bool hasSection(const std::string& section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    std::unordered_map<std::string, size_t> byKey;  // lower-case key -> entry
  };
  Section* find(const std::string& section);
  const Section* find(const std::string& section) const;
  Section& findOrAdd(const std::string& section);

  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> byName_;  // lower-case section name -> section
};

}  // namespace trazello
