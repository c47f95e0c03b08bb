#include "ElementRecordBytes.h"

#include <algorithm>

#include "LittleEndian.h"

namespace trazello {

StoredRecord storedBytes(const TObjekt& e) {
  StoredRecord b{};
  storeBytes(e, b.data());
  return b;
}

void storeBytes(const TObjekt& e, uint8_t* p) {
  std::fill(p, p + kStoredRecordSize, uint8_t{0});
  p[0] = static_cast<uint8_t>(e.Kind);
  le::put(p + 1, e.X);
  le::put(p + 5, e.Y);
  le::put(p + 9, e.SizeA);
  le::put(p + 13, e.SizeB);
  le::put(p + 17, e.Width);
  p[21] = e.Selected;
  p[22] = e.Layer;
  p[23] = e.PadShape;
  le::put(p + 28, e.GroupNo);
  p[30] = e.Mark;
  le::put(p + 31, e.Spokes);
  p[39] = e.Reserved39;
  p[40] = e.Filled;
  le::put(p + 41, e.Clearance);
  p[49] = e.Routed;
  p[50] = e.Flag50;
  p[51] = e.Flag51;
  p[52] = e.KeepOut;
  le::put(p + 53, e.Value53);
  p[57] = e.Plated;
  p[58] = e.SolderMask;
  std::copy(e.Reserved59.begin(), e.Reserved59.end(), p + 59);
  le::put(p + 62, e.ThermalMagic);
  std::copy(e.Reserved66.begin(), e.Reserved66.end(), p + 66);
}

void loadStoredBytes(TObjekt& e, const uint8_t* p) {
  e.Kind = static_cast<ElementKind>(p[0]);
  e.X = le::get<float>(p + 1);
  e.Y = le::get<float>(p + 5);
  e.SizeA = le::get<float>(p + 9);
  e.SizeB = le::get<float>(p + 13);
  e.Width = le::get<int32_t>(p + 17);
  e.Selected = p[21];
  e.Layer = p[22];
  e.PadShape = p[23];
  e.GroupNo = le::get<int16_t>(p + 28);
  e.Mark = p[30];
  e.Spokes = le::get<int32_t>(p + 31);
  e.Reserved39 = p[39];
  e.Filled = p[40];
  e.Clearance = le::get<int32_t>(p + 41);
  e.Routed = p[49];
  e.Flag50 = p[50];
  e.Flag51 = p[51];
  e.KeepOut = p[52];
  e.Value53 = le::get<int32_t>(p + 53);
  e.Plated = p[57];
  e.SolderMask = p[58];
  std::copy(p + 59, p + 62, e.Reserved59.begin());
  e.ThermalMagic = le::get<uint32_t>(p + 62);
  std::copy(p + 66, p + 77, e.Reserved66.begin());
}

}  // namespace trazello
