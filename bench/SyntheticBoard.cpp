#include "SyntheticBoard.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "model/Layer.h"

namespace trazello::bench {

namespace {

ElementList generate(size_t count, unsigned seed, float side) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> pos(0, side);
  std::uniform_int_distribution<int> kind(0, 9);
  std::uniform_int_distribution<int> copper(0, 1);
  ElementList list;
  ElementId lastPad;
  for (size_t i = 0; i < count; ++i) {
    const Point p{pos(rng), -pos(rng)};
    const uint8_t layerCode = copper(rng) ? layer::C1 : layer::C2;
    switch (kind(rng)) {
      case 0:
      case 1:
      case 2: {
        TObjekt pad = newPad(p, layerCode, static_cast<uint8_t>(1 + i % 9), 80, 40);
        pad.Clearance = 40;
        TObjekt& added = list.append(std::move(pad));
        if (lastPad && i % 2 == 0) {
          const size_t other = *list.indexOf(lastPad);
          added.Links.push_back(lastPad);
          list.edit(other).Links.push_back(list.back().Id);
        }
        lastPad = list.back().Id;
        break;
      }
      case 3: list.append(newSmdPad(p, layerCode, 150, 60)); break;
      case 4:
      case 5:
      case 6: {
        TObjekt t = newTrack(30, layerCode);
        t.Points = {p, {p.x + 500, p.y}, {p.x + 800, p.y - 300}};
        list.append(std::move(t));
        break;
      }
      case 7: {
        TObjekt z = newZone(10, layerCode);
        z.Points = {p, {p.x + 400, p.y}, {p.x + 400, p.y - 400}, {p.x, p.y - 400}};
        list.append(std::move(z));
        break;
      }
      case 8: {
        TObjekt c = newCircle(p, layer::S1, 200, 180);
        c.Spokes = static_cast<int32_t>(i % 360);
        c.Width = static_cast<int32_t>((i * 7) % 360);
        list.append(std::move(c));
        break;
      }
      default: {
        TObjekt text = newText(p, "R12", layer::S1, 1, 1, 180, 0, false, false);
        for (int s = 0; s < 4; ++s) {
          TObjekt stroke = newTrack(20, layer::S1);
          stroke.Points = {{p.x + s * 40.0f, p.y}, {p.x + s * 40.0f + 30, p.y + 160}};
          text.Strokes.push_back(std::move(stroke));
        }
        list.append(std::move(text));
        break;
      }
    }
  }
  return list;
}

}  // namespace

ElementList syntheticBoard(size_t count, unsigned seed) { return generate(count, seed, 30000); }

ElementList syntheticBoardOfDensity(size_t count, int32_t& side, unsigned seed) {
  side = static_cast<int32_t>(150 * std::sqrt(static_cast<double>(count)));
  // Elements reach up to 8 mm beyond their position; keep them on the board.
  ElementList list = generate(count, seed, static_cast<float>(std::max(side - 800, 100)));
  return list;
}

}  // namespace trazello::bench
