#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "ByteReader.h"
#include "ByteWriter.h"
#include "model/ElementList.h"

namespace trazello {

// The elements of one list as a file holds them: references are still indices into `elements`.
struct RawElements {
  // Each in a block of its own from the start, so that the finished list takes them as they are.
  std::vector<std::shared_ptr<TObjekt>> elements;
  std::vector<std::vector<int32_t>> links;          // per element
  std::vector<std::pair<int32_t, int32_t>> routes;  // per element; -1 for none

  TObjekt& at(size_t i) { return *elements[i]; }
};

// The element section that layout files (one per board) and macro files share, read in the
// layout of the file's version and converted into the current model. Throws DamagedData.
class ElementSection {
 public:
  ElementSection(ByteReader& in, int version) : in_(in), version_(version) {}

  // Versions 3 to 5: int32 count, the elements, their link lists and routed-track pairs.
  RawElements read();
  // Versions 0 to 2: int16 count and 49-byte records (groups in version 2), nothing after.
  RawElements readOld();
  // The defaults of old versions, merged pad pairs, rebuilt outlines and legacy groups; indices
  // become ids (an index outside the list throws) and the list is cleaned. Elements holding
  // values no editor writes are left out, counted by kind in `unsound` when given.
  ElementList finish(RawElements& raw, std::map<ElementKind, size_t>* unsound = nullptr) const;

 private:
  std::vector<Point> readPoints32f();
  std::vector<Point> readPointsInt32();
  std::vector<int32_t> readGroups32();
  TObjekt readElement5();
  TObjekt readRecordOld(const uint8_t* p);
  TObjekt readElementOld();
  void applyVersionDefaults(TObjekt& e) const;

  ByteReader& in_;
  int version_;
};

// The version-5 element block: the stored bytes, Text, Name, groups, and points or strokes.
void writeElementBlock(ByteWriter& out, const TObjekt& e);

}  // namespace trazello
