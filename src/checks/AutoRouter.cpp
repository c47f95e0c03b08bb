#include "AutoRouter.h"

#include <algorithm>

#include "NetCache.h"
#include "RouteObstacles.h"
#include "RoutePath.h"
#include "WaveSearch.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

constexpr int32_t kMargin = 10;  // cells around the elements, and the window's growth

CellRect clipped(const CellRect& r, const CellRect& to) {
  return {std::max(r.left, to.left), std::max(r.top, to.top), std::min(r.right, to.right),
          std::min(r.bottom, to.bottom)};
}

// Every element of the board, in cells, with a margin, within the grid.
CellRect searchArea(const ElementList& list, const CostGrid& grid) {
  const IRect box = boxOfEverything(list);
  const int32_t g = grid.pitch();
  const CellRect area{
      roundInt(Real(box.left) / g) - kMargin, roundInt(Real(-box.bottom) / g) - kMargin,
      roundInt(Real(box.right) / g) + kMargin, roundInt(Real(-box.top) / g) + kMargin};
  return clipped(area, {0, 0, grid.nx(), grid.ny()});
}

CellRect firstWindow(Cell s, Cell t) {
  auto down = [](int32_t v) { return v / 10 * 10 - kMargin; };
  auto up = [](int32_t v) { return v / 10 * 10 + kMargin; };
  return {down(std::min(s.x, t.x)), down(std::min(s.y, t.y)), up(std::max(s.x, t.x)),
          up(std::max(s.y, t.y))};
}

// The two nets' elements: each pad's net as the connection test finds it.
std::pair<std::vector<size_t>, std::vector<size_t>> netsOfPads(const ElementList& list,
                                                               const BoardSettings& board, size_t a,
                                                               size_t b) {
  const auto nets = netsOf(list, board);
  return {nets->membersOf(a), nets->membersOf(b)};
}

// Searches in growing windows; true when a path from s to t was found.
bool search(CostGrid& grid, const ElementList& list, const RouteObstacles& obstacles, Cell s,
            Cell t, const RouteCallbacks& callbacks, CellRect& last) {
  const CellRect area = searchArea(list, grid);
  CellRect window = firstWindow(s, t);
  for (;;) {
    window = clipped(window, area);
    const bool lastAttempt = window == area;
    last = window;
    if (callbacks.searching) callbacks.searching(window, grid.pitch());
    classifyWindow(grid, window, obstacles);
    if (waveSearch(grid, window, s, t)) return true;
    if (lastAttempt) return false;
    window = {window.left - kMargin, window.top - kMargin, window.right + kMargin,
              window.bottom + kMargin};
  }
}

void unlinkOnce(std::vector<ElementId>& links, ElementId id) {
  const auto it = std::find(links.begin(), links.end(), id);
  if (it != links.end()) links.erase(it);
}

}  // namespace

std::optional<std::pair<size_t, size_t>> highlightedPair(const ElementList& list) {
  for (size_t i = 0; i < list.size(); ++i) {
    const TObjekt& p = list[i];
    if (!p.Selected || !p.isPadLike()) continue;
    for (ElementId partner : p.Links) {
      const auto j = list.indexOf(partner);
      if (j && list[*j].Selected) return std::make_pair(i, *j);
    }
  }
  return std::nullopt;
}

RouteResult routeConnection(ElementList& list, const BoardSettings& board, size_t a, size_t b,
                            const RouteSettings& settings, const RouteCallbacks& callbacks) {
  RouteResult result;
  BoardSettings onLayer = board;
  onLayer.activeLayer = settings.layer;
  const LayerState state = layerState(onLayer);
  const Point aCentre = padLikeCentre(list[a]), bCentre = padLikeCentre(list[b]);
  const auto [startNet, targetNet] = netsOfPads(list, onLayer, a, b);
  const RouteObstacles obstacles(list, state, settings.layer, startNet, targetNet, a, b);

  CostGrid grid(routePitch(settings.width, settings.clearance), board.width, board.height);
  const Cell s = grid.cellOf(aCentre), t = grid.cellOf(bCentre);
  // A pad off the board has no cell to start or end in.
  if (!grid.contains(s) || !grid.contains(t)) return result;
  if (!search(grid, list, obstacles, s, t, callbacks, result.lastWindow)) return result;

  if (callbacks.recordStep) callbacks.recordStep();
  result.stepRecorded = true;
  const std::optional<std::vector<Point>> points =
      keepClearance(extractPath(grid, s, t, aCentre, bCentre), obstacles, settings.width,
                    settings.clearance, settings.layer);
  if (!points) return result;

  TObjekt track = newTrack(settings.width, settings.layer);
  track.Clearance = settings.groundClearance;
  track.Points = *points;
  track.Routed = 1;
  track.RouteFrom = list[a].Id;
  track.RouteTo = list[b].Id;
  const ElementId aId = list[a].Id, bId = list[b].Id;
  result.track = list.append(std::move(track)).Id;
  result.points = points->size();
  unlinkOnce(list.edit(a).Links, bId);
  unlinkOnce(list.edit(b).Links, aId);
  result.routed = true;
  return result;
}

std::vector<RoutedConnection> routeAllConnections(ElementList& list, const BoardSettings& board,
                                                  const RouteSettings& settings) {
  std::vector<RoutedConnection> done;
  std::vector<std::pair<ElementId, ElementId>> failed;
  auto failedBefore = [&](ElementId a, ElementId b) {
    return std::any_of(failed.begin(), failed.end(), [&](const auto& f) {
      return (f.first == a && f.second == b) || (f.first == b && f.second == a);
    });
  };
  for (size_t i = 0; i < list.size(); ++i) {
    for (size_t k = 0; k < list[i].Links.size();) {
      const ElementId a = list[i].Id, b = list[i].Links[k];
      const auto j = list.indexOf(b);
      if (!j || failedBefore(a, b)) {
        ++k;
        continue;
      }
      RoutedConnection r{i, *j, routeConnection(list, board, i, *j, settings)};
      if (!r.result.routed) failed.emplace_back(a, b);
      done.push_back(std::move(r));
    }
  }
  return done;
}

bool unrouteTrack(ElementList& list, size_t track) {
  const TObjekt& t = list[track];
  const auto a = list.indexOf(t.RouteFrom), b = list.indexOf(t.RouteTo);
  if (!a || !b || *a == *b) {
    list.edit(track).Routed = 0;
    return false;
  }
  const ElementId aId = list[*a].Id, bId = list[*b].Id;
  list.edit(*a).Links.push_back(bId);
  list.edit(*b).Links.push_back(aId);
  removeElementAt(list, track);
  return true;
}

std::string searchWindowText(const CellRect& w, int32_t pitch) {
  auto mm = [pitch](int32_t cell) { return std::to_string(roundInt(Real(cell) * pitch / 100)); };
  return mm(w.left) + "/" + mm(w.top) + " " + mm(w.right) + "/" + mm(w.bottom);
}

std::string routeStatusText(RouteStatus status, int language) {
  static const char* const kTexts[][3] = {
      {"Готов", "Ready", "Prêt"},
      {"Анализ...", "Analyzing...", "Analyse..."},
      {"Успешно", "Successful", "Réussi"},
      {"Не найдено", "Not found", "Introuvable"},
      {"Автотрассировка отменена", "Autoroute resolved", "Routage automatique annulé"},
  };
  const int l = language >= 0 && language <= 2 ? language : 1;
  return kTexts[int(status)][l];
}

}  // namespace trazello
