#include "RoutePath.h"

#include <algorithm>
#include <array>

#include "CopperShapes.h"
#include "model/ElementGeometry.h"

namespace trazello {

namespace {

struct Step {
  int32_t dx, dy;
  int direction;
};
// The neighbours in the order they are tried; direction 0 is toward larger board y (up), 2
// toward larger x.
constexpr std::array<Step, 8> kSteps{
    {{-1, 0, 6}, {-1, -1, 7}, {0, -1, 0}, {1, -1, 1}, {1, 0, 2}, {1, 1, 3}, {0, 1, 4}, {-1, 1, 5}}};

int xSign(int direction) {
  return direction >= 1 && direction <= 3 ? 1 : direction >= 5 ? -1 : 0;
}
// +1 toward larger board y.
int ySign(int direction) {
  return direction == 0 || direction == 1 || direction == 7 ? 1
         : direction >= 3 && direction <= 5                 ? -1
                                                            : 0;
}

// Keeps the first corner from lying behind B as seen along the first move.
Point clampFromB(Point corner, Point b, int direction) {
  if (xSign(direction) > 0) corner.x = std::max(corner.x, b.x);
  if (xSign(direction) < 0) corner.x = std::min(corner.x, b.x);
  if (ySign(direction) > 0) corner.y = std::max(corner.y, b.y);
  if (ySign(direction) < 0) corner.y = std::min(corner.y, b.y);
  return corner;
}

// Keeps the last corner from lying beyond A as seen along the last move.
Point clampToA(Point corner, Point a, int direction) {
  if (xSign(direction) > 0) corner.x = std::min(corner.x, a.x);
  if (xSign(direction) < 0) corner.x = std::max(corner.x, a.x);
  if (ySign(direction) > 0) corner.y = std::min(corner.y, a.y);
  if (ySign(direction) < 0) corner.y = std::max(corner.y, a.y);
  return corner;
}

enum class Slope { Horizontal, Vertical, Rising, Falling };

Slope slopeOf(Point p, Point q) {
  if (p.x == q.x) return Slope::Vertical;
  if (p.y == q.y) return Slope::Horizontal;
  return (q.x > p.x) == (q.y > p.y) ? Slope::Rising : Slope::Falling;
}

bool segmentBlocked(const std::vector<Point>& points, size_t k, const RouteObstacles& obstacles,
                    int32_t width, uint8_t layer) {
  TObjekt probe = newTrack(width, layer);
  probe.Points = {points[k], points[k + 1]};
  return obstacles.blocks(routingRegion(probe, {}), boundingBox(probe));
}

// The offset in steps that frees segment k, trying up to ten steps in the direction of `step`.
std::optional<int> stepsToFree(std::vector<Point> points, size_t k, float step,
                               const RouteObstacles& obstacles, int32_t width, uint8_t layer) {
  for (int m = 1; m <= 10; ++m) {
    nudgeSegment(points, k, step);
    if (!segmentBlocked(points, k, obstacles, width, layer)) return m;
  }
  return std::nullopt;
}

}  // namespace

std::vector<Point> extractPath(const CostGrid& grid, Cell s, Cell t, Point aCentre, Point bCentre) {
  std::vector<Point> points{bCentre};
  Cell current = t;
  int previous = -1;
  while (!(current == s) && grid.at(current) != 0) {
    const int32_t here = grid.at(current);
    int32_t best = here;
    const Step* chosen = nullptr;
    for (const Step& st : kSteps) {
      const int32_t v = grid.at({current.x + st.dx, current.y + st.dy});
      if (v >= 0 && v < best) {
        best = v;
        chosen = &st;
      }
    }
    // Costs fall toward the start along every searched cell; without a cheaper neighbour the
    // grid was not searched from here and there is no way on.
    if (!chosen) break;
    if (chosen->direction != previous) {
      const Point corner = grid.centreOf(current);
      points.push_back(previous < 0 ? clampFromB(corner, bCentre, chosen->direction) : corner);
    }
    previous = chosen->direction;
    current = {current.x + chosen->dx, current.y + chosen->dy};
  }
  const Point last = grid.centreOf(current);
  points.push_back(previous < 0 ? last : clampToA(last, aCentre, previous));
  points.push_back(aCentre);
  return points;
}

void nudgeSegment(std::vector<Point>& pts, size_t k, float d) {
  Point& p = pts[k];
  Point& q = pts[k + 1];
  const Slope own = slopeOf(p, q);
  const Slope before = slopeOf(pts[k - 1], p);
  const Slope after = slopeOf(q, pts[k + 2]);
  auto diagonalShift = [d](Slope s) {
    return s == Slope::Rising ? d : s == Slope::Falling ? -d : 0;
  };
  switch (own) {
    case Slope::Horizontal:
      p.y += d;
      q.y += d;
      p.x += diagonalShift(before);
      q.x += diagonalShift(after);
      break;
    case Slope::Vertical:
      p.x += d;
      q.x += d;
      p.y += diagonalShift(before);
      q.y += diagonalShift(after);
      break;
    case Slope::Rising:
    case Slope::Falling: {
      const float along = own == Slope::Rising ? -d : d;
      if (before == Slope::Horizontal) p.x += along;
      if (before == Slope::Vertical) p.y += d;
      if (after == Slope::Horizontal) q.x += along;
      if (after == Slope::Vertical) q.y += d;
      break;
    }
  }
}

std::optional<std::vector<Point>> keepClearance(std::vector<Point> points,
                                                const RouteObstacles& obstacles, int32_t width,
                                                int32_t clearance, uint8_t layer) {
  const int32_t probeWidth = width + 2 * clearance;
  const float step = float(clearance / 2);
  for (size_t k = 1; k + 1 < points.size(); ++k) {
    if (!segmentBlocked(points, k, obstacles, probeWidth, layer)) continue;
    if (k + 2 == points.size() || step == 0) return std::nullopt;
    std::optional<int> offset;
    if (const auto up = stepsToFree(points, k, step, obstacles, probeWidth, layer)) offset = *up;
    if (const auto down = stepsToFree(points, k, -step, obstacles, probeWidth, layer))
      offset = -*down;
    if (!offset) return std::nullopt;
    nudgeSegment(points, k, float(*offset) * step);
  }
  return points;
}

}  // namespace trazello
