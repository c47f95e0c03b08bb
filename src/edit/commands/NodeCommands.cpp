#include "NodeCommands.h"

#include "model/ElementGeometry.h"
#include "model/Geometry.h"

namespace trazello {

namespace {

bool hasNodes(const TObjekt& e) {
  return e.is(ElementKind::Track) || e.is(ElementKind::Zone);
}

// The element's index when it is a track or zone with a real node `node`.
std::optional<size_t> nodeOwner(const Document& doc, ElementId element, int node) {
  const std::optional<size_t> at = doc.elements().indexOf(element);
  if (!at) return std::nullopt;
  const TObjekt& e = doc.elements()[*at];
  if (!hasNodes(e) || node < 0 || static_cast<size_t>(node) >= e.Points.size()) return std::nullopt;
  return at;
}

Point gridPoint(const Document& doc, Point p) {
  const BoardSettings& s = doc.working();
  return snapToGrid(p, s.grid, {s.originX, s.originY});
}

// Records the step, changes the element and reports the old and new area.
template <typename F>
Change changeElement(Document& doc, const UndoHistory& undo, size_t at, F&& f) {
  Change c;
  c.addArea(boundingBox(doc.elements()[at]));
  undo.recordStep(doc);
  f(doc.elements().edit(at));
  c.addArea(boundingBox(doc.elements()[at]));
  c.elements = true;
  return c;
}

}  // namespace

bool canRemoveNode(const TObjekt& e) {
  if (e.is(ElementKind::Track)) return e.Points.size() > 2;
  if (e.is(ElementKind::Zone)) return e.Points.size() > 3;
  return false;
}

bool canSplitTrack(const TObjekt& e, int node) {
  return e.is(ElementKind::Track) && node > 0 && static_cast<size_t>(node) + 1 < e.Points.size();
}

Change removeNode(Document& doc, const UndoHistory& undo, ElementId element, int node) {
  const auto at = nodeOwner(doc, element, node);
  if (!at || !canRemoveNode(doc.elements()[*at])) return {};
  return changeElement(doc, undo, *at,
                       [&](TObjekt& e) { e.Points.erase(e.Points.begin() + node); });
}

Change addNode(Document& doc, const UndoHistory& undo, ElementId element, int node) {
  const auto at = nodeOwner(doc, element, node);
  if (!at) return {};
  const TObjekt& e = doc.elements()[*at];
  const Point p = e.Points[static_cast<size_t>(node)];
  const Point mid = node == 0 ? Point{p.x - 254, p.y + 254}
                              : midpoint(e.Points[static_cast<size_t>(node) - 1], p);
  const Point inserted = gridPoint(doc, mid);
  return changeElement(doc, undo, *at,
                       [&](TObjekt& t) { t.Points.insert(t.Points.begin() + node, inserted); });
}

Change alignNodeToGrid(Document& doc, const UndoHistory& undo, ElementId element, int node) {
  const auto at = nodeOwner(doc, element, node);
  if (!at) return {};
  return changeElement(doc, undo, *at, [&](TObjekt& e) {
    Point& p = e.Points[static_cast<size_t>(node)];
    p = gridPoint(doc, p);
  });
}

Change alignAllNodesToGrid(Document& doc, const UndoHistory& undo, ElementId element) {
  const auto at = nodeOwner(doc, element, 0);
  if (!at) return {};
  return changeElement(doc, undo, *at, [&](TObjekt& e) {
    for (Point& p : e.Points) p = gridPoint(doc, p);
  });
}

Change splitTrack(Document& doc, const UndoHistory& undo, ElementId element, int node) {
  const auto at = nodeOwner(doc, element, node);
  if (!at || !canSplitTrack(doc.elements()[*at], node)) return {};
  const TObjekt& source = doc.elements()[*at];
  TObjekt second = newTrack(source.Width, source.Layer);
  second.Clearance = source.Clearance;
  for (size_t i = source.Points.size(); i-- > static_cast<size_t>(node);)
    second.Points.push_back(source.Points[i]);
  Change c = changeElement(doc, undo, *at,
                           [&](TObjekt& e) { e.Points.resize(static_cast<size_t>(node) + 1); });
  c.addArea(boundingBox(doc.elements().append(std::move(second))));
  return c;
}

Change runNodeCommand(NodeCommand command, Document& doc, const UndoHistory& undo,
                      ElementId element, int node) {
  switch (command) {
    case NodeCommand::Remove:
      return removeNode(doc, undo, element, node);
    case NodeCommand::Add:
      return addNode(doc, undo, element, node);
    case NodeCommand::AlignToGrid:
      return alignNodeToGrid(doc, undo, element, node);
    case NodeCommand::AlignAllToGrid:
      return alignAllNodesToGrid(doc, undo, element);
    case NodeCommand::Split:
      return splitTrack(doc, undo, element, node);
  }
  return {};
}

}  // namespace trazello
