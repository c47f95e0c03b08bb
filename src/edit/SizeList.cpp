#include "SizeList.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trazello {

namespace {

constexpr int kMaxUnits = 9999;  // 99.99 mm

// Characters, not bytes: the unit names may be Cyrillic.
size_t textLength(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string blanks(long n) {
  return std::string(static_cast<size_t>(std::max(0L, n)), ' ');
}

std::string millimetres(int units) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", units / 100.0);
  return buf;
}

}  // namespace

int unitsToMil(int units) {
  return static_cast<int>(std::lround(units / 100.0 * 39.37));
}

void SizeList::assign(const std::vector<int>& tags) {
  entries_.clear();
  for (int tag : tags) {
    const bool valid = kind_ == Kind::Width
                           ? tag > 0 && tag <= kMaxUnits
                           : tag > 0 && first(tag) <= kMaxUnits && second(tag) <= kMaxUnits;
    if (valid) entries_.push_back(tag);
  }
  std::sort(entries_.begin(), entries_.end());
  entries_.erase(std::unique(entries_.begin(), entries_.end()), entries_.end());
}

bool SizeList::matches(int tag, int current, bool mil) const {
  if (kind_ == Kind::Width) return mil ? std::abs(tag - current) < 2 : tag == current;
  if (!mil) return tag == current;
  return unitsToMil(first(tag)) == unitsToMil(first(current)) &&
         unitsToMil(second(tag)) == unitsToMil(second(current));
}

std::optional<int> SizeList::checkedEntry(int current, bool mil) const {
  for (int tag : entries_) {
    if (matches(tag, current, mil)) return tag;
  }
  return std::nullopt;
}

bool SizeList::add(int current, bool mil) {
  if (!canAdd(current, mil)) return false;
  // With the second value below 10000, ordering the tags orders by first, then second value.
  entries_.insert(std::upper_bound(entries_.begin(), entries_.end(), current), current);
  return true;
}

bool SizeList::remove(int current, bool mil) {
  const auto tag = checkedEntry(current, mil);
  if (!tag) return false;
  entries_.erase(std::find(entries_.begin(), entries_.end(), *tag));
  return true;
}

std::string SizeList::caption(int tag, bool mil, const std::string& unit) const {
  if (kind_ == Kind::Width) {
    if (mil) {
      std::string text = std::to_string(unitsToMil(tag)) + " " + unit;
      return blanks(16 - 2 * static_cast<long>(textLength(text))) + text;
    }
    std::string text = millimetres(tag) + " " + unit;
    return textLength(text) <= 7 ? "  " + text : text;
  }
  std::string a = mil ? std::to_string(unitsToMil(first(tag))) : millimetres(first(tag));
  std::string b = mil ? std::to_string(unitsToMil(second(tag))) : millimetres(second(tag));
  if (mil) {
    a = blanks(10 - 2 * static_cast<long>(a.size())) + a;
    b += blanks(10 - 2 * static_cast<long>(b.size()));
  } else {
    if (a.size() <= 4) a = "  " + a;
    if (b.size() <= 4) b += "  ";
  }
  return a + " x " + b + " " + unit;
}

}  // namespace trazello
