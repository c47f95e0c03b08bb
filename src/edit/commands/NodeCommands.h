#pragma once

#include "edit/Change.h"
#include "edit/UndoHistory.h"
#include "model/Document.h"
#include "model/ElementId.h"

namespace trazello {

// The commands of the node menu of tracks and zones, acting on node `node` of the element
// `element` of the current board. Each records one undo step before it changes anything and
// does nothing (an empty Change) when the element or node is gone or the command is not
// offered for it.
enum class NodeCommand : uint8_t { Remove, Add, AlignToGrid, AlignAllToGrid, Split };

// "Remove corner" is offered for a track of more than 2 points and a zone of more than 3.
bool canRemoveNode(const TObjekt& e);
// "Split track" is offered for an interior node of a track.
bool canSplitTrack(const TObjekt& e, int node);

// Removes the node.
Change removeNode(Document& doc, const UndoHistory& undo, ElementId element, int node);
// Inserts a node before `node` at the midpoint of the previous segment (254 units left of and
// above node 0), snapped to the grid.
// The grid is the board's grid through the user origin (the document's working settings).
Change addNode(Document& doc, const UndoHistory& undo, ElementId element, int node);
Change alignNodeToGrid(Document& doc, const UndoHistory& undo, ElementId element, int node);
Change alignAllNodesToGrid(Document& doc, const UndoHistory& undo, ElementId element);
// Splits a track at an interior node i: a new track of the same width, layer and clearance takes
// the points from the last down to i; the element keeps points 0 to i.
Change splitTrack(Document& doc, const UndoHistory& undo, ElementId element, int node);

// Runs one of the above by its menu entry.
Change runNodeCommand(NodeCommand command, Document& doc, const UndoHistory& undo,
                      ElementId element, int node);

}  // namespace trazello
