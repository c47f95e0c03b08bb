#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CostGrid.h"
#include "model/BoardSettings.h"
#include "model/ElementList.h"

namespace trazello {

// The router's parameters in units (a setting of v mm is round(v × 100)).
struct RouteSettings {
  int32_t width = 40;           // of the track
  int32_t clearance = 20;       // kept from everything of other nets
  uint8_t layer = 3;            // the track's layer, whatever the pads' layers
  int32_t groundClearance = 0;  // the new track's clearance to the ground plane
};

struct RouteCallbacks {
  // Called once, right before the track is added to the board (the undo step).
  std::function<void()> recordStep;
  // Called for every search window (in cells of `pitch`) before it is searched.
  std::function<void(const CellRect& window, int32_t pitch)> searching;
};

struct RouteResult {
  bool routed = false;
  // A track was added, and removed again if its clearance could not be kept.
  bool stepRecorded = false;
  ElementId track;        // the new track when routed
  size_t points = 0;      // its number of points
  CellRect lastWindow{};  // the last window searched
};

// The pads of the highlighted connection: the first selected pad in list order that has a
// selected partner, with its first such partner.
std::optional<std::pair<size_t, size_t>> highlightedPair(const ElementList& list);

// Routes the connection between pads `a` and `b` (who must be partners) on `settings.layer` of
// a board of `board`'s size and ground planes. On success the track (autorouted, from a to b) is
// the last element and the connection is gone; otherwise the board is as it was, except for
// the undo step of a track that had to be removed again. Selection flags are left alone.
RouteResult routeConnection(ElementList& list, const BoardSettings& board, size_t a, size_t b,
                            const RouteSettings& settings, const RouteCallbacks& callbacks = {});

struct RoutedConnection {
  size_t from = 0;  // pad a
  size_t to = 0;    // pad b
  RouteResult result;
};

// Routes every connection in the order a user clicking them would take: again and again the
// first pad in list order with a connection left, to its first partner; a connection that could
// not be routed is passed over from then on. Indices stay those of the list as it was, since
// routes only add tracks at the end.
std::vector<RoutedConnection> routeAllConnections(ElementList& list, const BoardSettings& board,
                                                  const RouteSettings& settings);

// Turns the autorouted track at `track` back into its connection; when one of its pads is gone,
// the track stays as an ordinary track. Returns whether the track was removed.
bool unrouteTrack(ElementList& list, size_t track);

// The four window edges in whole millimetres as the status line shows them: "12/8 40/30".
std::string searchWindowText(const CellRect& window, int32_t pitch);

enum class RouteStatus { Ready, Analyzing, Successful, NotFound, Resolved };
// A status text of the router's window in a language (0 Russian, 1 English, 2 French), UTF-8.
std::string routeStatusText(RouteStatus status, int language);

}  // namespace trazello
