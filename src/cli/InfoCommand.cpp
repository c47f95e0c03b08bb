// trazello-cli info FILE: the whole document as one JSON object.
#include <iostream>

#include "Commands.h"
#include "Json.h"
#include "files/LayoutIo.h"
#include "files/MacroBuffer.h"
#include "files/MacroFile.h"
#include "files/TextEncoding.h"

namespace trazello::cli {

namespace {

void layerBytes(Json& j, const std::string& name, const std::array<uint8_t, 8>& perLayer) {
  j.key(name).beginArray();
  for (int l = 1; l <= 7; ++l) j.value(perLayer[l]);
  j.endArray();
}

void writeSettings(Json& j, const BoardSettings& s) {
  j.key("settings").beginObject();
  j.field("width", s.width).field("height", s.height);
  layerBytes(j, "groundPlane", s.groundPlane);
  j.field("grid", s.grid).field("zoom", s.zoom).field("scrollX", s.scrollX);
  j.field("scrollY", s.scrollY).field("activeLayer", s.activeLayer);
  layerBytes(j, "visible", s.visible);
  for (int i = 0; i < 2; ++i) {
    j.key(i == 0 ? "template1" : "template2").beginObject();
    j.field("shown", s.templateShown[i]).field("file", cp1252ToUtf8(s.templateFile[i]));
    j.field("dpi", s.templateDpi[i]).field("offsetX", s.templateOffsetX[i]);
    j.field("offsetY", s.templateOffsetY[i]).field("colour", s.templateColour[i]);
    j.endObject();
  }
  j.field("originX", s.originX).field("originY", s.originY).field("multilayer", s.multilayer);
  j.endObject();
}

void writePoints(Json& j, const std::vector<Point>& points) {
  j.key("Points").beginArray();
  for (const Point& p : points) j.beginArray().value(p.x).value(p.y).endArray();
  j.endArray();
}

int32_t indexOf(const ElementList& list, ElementId id) {
  const auto i = list.indexOf(id);
  return i ? static_cast<int32_t>(*i) : -1;
}

void writeElement(Json& j, const ElementList& list, size_t index) {
  const TObjekt& e = list[index];
  j.beginObject();
  j.field("index", index).field("Kind", static_cast<uint8_t>(e.Kind)).field("kindName", kindName(e.Kind));
  j.field("X", e.X).field("Y", e.Y).field("SizeA", e.SizeA).field("SizeB", e.SizeB);
  j.field("Width", e.Width).field("Layer", e.Layer).field("PadShape", e.PadShape);
  j.field("GroupNo", static_cast<int32_t>(e.GroupNo)).field("Spokes", e.Spokes);
  j.field("Reserved39", e.Reserved39).field("Filled", e.Filled).field("Clearance", e.Clearance);
  j.field("Routed", e.Routed).field("Flag50", e.Flag50).field("Flag51", e.Flag51);
  j.field("KeepOut", e.KeepOut).field("Value53", e.Value53).field("Plated", e.Plated);
  j.field("SolderMask", e.SolderMask).field("ThermalMagic", e.ThermalMagic);
  j.field("Text", cp1252ToUtf8(e.Text)).field("Name", cp1252ToUtf8(e.Name));
  j.key("Groups").beginArray();
  for (int32_t g : e.Groups) j.value(g);
  j.endArray();
  if (e.hasPointList()) writePoints(j, e.Points);
  if (e.isPadLike()) {
    j.key("Links").beginArray();
    for (ElementId l : e.Links) j.value(indexOf(list, l));
    j.endArray();
  }
  if (e.Kind == ElementKind::Track) {
    j.field("RouteFrom", indexOf(list, e.RouteFrom)).field("RouteTo", indexOf(list, e.RouteTo));
  }
  if (e.Kind == ElementKind::Text) {
    j.key("Strokes").beginArray();
    for (const TObjekt& s : e.Strokes) {
      j.beginObject().field("Width", s.Width);
      writePoints(j, s.Points);
      j.endObject();
    }
    j.endArray();
  }
  j.endObject();
}

// A macro: its elements as one list, relative to its reference point, and its comment lines.
int printMacro(const std::string& path) {
  Result<MacroFile> file = readMacroFile(path);
  if (!file) {
    std::cerr << "trazello-cli: " << errorText(file.error(), path) << "\n";
    return 1;
  }
  Json j;
  j.beginObject().field("version", file->version);
  j.key("comments").beginArray();
  for (const std::string& c : file->comments) j.value(cp1252ToUtf8(c));
  j.endArray();
  j.key("elements").beginArray();
  for (size_t i = 0; i < file->elements.size(); ++i) writeElement(j, file->elements, i);
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return 0;
}

int runInfo(const Args& args) {
  ArgReader in(args);
  std::string path;
  while (!in.atEnd()) in.operand(in.next(), path);
  in.require(path, "FILE");
  if (in.failed()) return usageError("info", in.error());
  if (hasMacroExtension(path)) return printMacro(path);
  Result<LayoutFile> file = readLayoutFile(path, false);
  if (!file) {
    std::cerr << "trazello-cli: " << errorText(file.error(), path) << "\n";
    return 1;
  }
  const int version = file->version;
  Document doc;
  const OpenOutcome outcome = applyLayout(doc, std::move(file.value()), path, false);
  doc.storeWorkingSettings();

  Json j;
  j.beginObject().field("version", version).field("currentBoard", doc.currentIndex());
  const ProjectInfo& p = doc.projectInfo();
  j.key("project").beginObject().field("title", cp1252ToUtf8(p.title));
  j.field("author", cp1252ToUtf8(p.author)).field("company", cp1252ToUtf8(p.company));
  j.field("comment", cp1252ToUtf8(p.comment)).endObject();
  j.key("warnings").beginArray();
  for (const Message& w : outcome.warnings) j.value(cp1252ToUtf8(messageText(w)));
  if (outcome.legacyTextQuestion) j.value(cp1252ToUtf8(messageText(*outcome.legacyTextQuestion)));
  j.endArray();
  j.key("boards").beginArray();
  for (const Board& b : doc.boards()) {
    j.beginObject().field("name", cp1252ToUtf8(b.name));
    writeSettings(j, b.settings);
    j.key("elements").beginArray();
    for (size_t i = 0; i < b.elements.size(); ++i) writeElement(j, b.elements, i);
    j.endArray().endObject();
  }
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return 0;
}

}  // namespace

const Command kInfoCommand{"info",
                           "Usage: trazello-cli info FILE\n"
                           "Prints the whole layout as one JSON object. A macro file (.tzm)\n"
                           "gives its version, its two comment lines and its elements.\n",
                           runInfo};

}  // namespace trazello::cli
