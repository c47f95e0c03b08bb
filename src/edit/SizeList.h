#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trazello {

// A user's list of favourite sizes, kept in ascending order. Track widths are one value in
// units (hundredths of a millimetre); pad and SMD sizes are pairs stored as first * 10000 +
// second (pad: outer and drill diameter; SMD: width and height).
class SizeList {
 public:
  enum class Kind { Width, Pair };

  explicit SizeList(Kind kind) : kind_(kind) {}

  Kind kind() const { return kind_; }
  const std::vector<int>& entries() const { return entries_; }
  // Entries read from the settings: sorted, duplicates and values out of range dropped, since
  // a hand-edited file may hold anything.
  void assign(const std::vector<int>& tags);

  static int pairTag(int first, int second) { return first * 10000 + second; }
  static int first(int tag) { return tag / 10000; }
  static int second(int tag) { return tag % 10000; }

  // Whether `tag` stands for the current size `current` (same encoding as the tags).
  bool matches(int tag, int current, bool mil) const;
  // The entry that matches the current size, if any: the one the menu checks.
  std::optional<int> checkedEntry(int current, bool mil) const;
  // Add is offered only when no entry matches; remove only when one does.
  bool canAdd(int current, bool mil) const { return !checkedEntry(current, mil); }
  bool canRemove(int current, bool mil) const { return checkedEntry(current, mil).has_value(); }

  // Inserts the current size in order; false when it is already there.
  bool add(int current, bool mil);
  // Removes the matching entry; false when there is none.
  bool remove(int current, bool mil);

  // The menu text of an entry; `unit` is the unit name shown after the number(s).
  std::string caption(int tag, bool mil, const std::string& unit) const;

 private:
  Kind kind_;
  std::vector<int> entries_;
};

// Whole mil of a length in units, as the lists show and compare it.
int unitsToMil(int units);

}  // namespace trazello
