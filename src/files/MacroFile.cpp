#include "MacroFile.h"

#include "AtomicFile.h"
#include "BoardCleanup.h"
#include "ByteWriter.h"
#include "ElementSection.h"
#include "LayoutFormat.h"
#include "model/CopperGeometry.h"
#include "model/ElementGeometry.h"
#include "model/Geometry.h"
#include "model/Layer.h"

namespace trazello {

namespace {

std::string withoutFolder(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<size_t> writtenIndices(const ElementList& list, bool onlySelected) {
  std::vector<size_t> written;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!onlySelected || list[i].Selected) written.push_back(i);
  }
  return written;
}

Point referencePoint(const ElementList& list, const std::vector<size_t>& written, double grid,
                     IPoint originMilli) {
  for (size_t i : written) {
    if (!list[i].isPadLike()) continue;
    const IPoint c = roundPoint(padLikeCentre(list[i]));
    return {float(c.x), float(c.y)};
  }
  IRect box;
  for (size_t i : written) box = unite(box, boundingBox(list[i]));
  // A normalised box's top is its smallest y: the top-left corner is (left, bottom).
  const Point corner = snapToGrid({float(box.left), float(box.bottom)}, grid, originMilli);
  const IPoint c = roundPoint(corner);
  return {float(c.x), float(c.y)};
}

// Files before version 5 had the inner layers where C2 and S1 now belong.
void moveOldInnerLayers(ElementList& list) {
  list.editAll([](TObjekt& e) {
    if (e.Layer == layer::I1)
      e.Layer = layer::C2;
    else if (e.Layer == layer::I2)
      e.Layer = layer::S1;
  });
}

MacroFile readMacro(ByteReader& in, const LegacyTextConversion& legacy) {
  MacroFile out;
  out.version = in.take(4, "the version word")[0];
  ElementSection section(in, out.version);
  RawElements raw = out.version <= 2 ? section.readOld() : section.read();
  if (out.version >= 4) {
    for (std::string& c : out.comments) c = in.shortString(kMacroCommentLength, "a comment line");
  }
  out.elements = section.finish(raw);
  convertLegacyTexts(out.elements, legacy);
  if (out.version <= 4) moveOldInnerLayers(out.elements);
  cleanBoard(out.elements);
  return out;
}

}  // namespace

Point macroReferencePoint(const ElementList& list, bool onlySelected, double grid,
                          IPoint originMilli) {
  return referencePoint(list, writtenIndices(list, onlySelected), grid, originMilli);
}

std::vector<uint8_t> serializeMacro(ElementList& list, bool onlySelected,
                                    const MacroComments& comments, double grid,
                                    IPoint originMilli) {
  cleanBoard(list);
  const std::vector<size_t> written = writtenIndices(list, onlySelected);
  const Point ref = referencePoint(list, written, grid, originMilli);
  ByteWriter out;
  out.put<uint32_t>(kVersionBase + kLayoutVersion);
  out.put<int32_t>(static_cast<int32_t>(written.size()));
  size_t pads = 0;
  for (size_t i : written) {
    TObjekt copy = deepCopy(list[i]);
    moveElement(copy, -ref.x, -ref.y);
    copy.Selected = 0;
    copy.Routed = 0;
    writeElementBlock(out, copy);
    pads += copy.isPadLike();
  }
  // Macros carry no rubberbands: every pad has an empty link list.
  for (size_t i = 0; i < pads; ++i) out.put<int32_t>(0);
  for (const std::string& c : comments) out.shortString(c, kMacroCommentLength);
  return out.take();
}

Result<MacroFile> parseMacro(std::span<const uint8_t> data, const std::string& fileName,
                             const LegacyTextConversion& legacy) {
  if (!isLayoutVersionWord(data))
    return Message{MessageKind::Error, MessageId::NotAMacroFile, {withoutFolder(fileName)}};
  try {
    ByteReader in(data);
    return readMacro(in, legacy);
  } catch (const DamagedData& e) {
    return Message{MessageKind::Error, MessageId::DamagedMacroFile, {fileName, e.what()}};
  } catch (const std::bad_alloc&) {
    return Message{
        MessageKind::Error, MessageId::DamagedMacroFile, {fileName, "it is too large to be read"}};
  }
}

Result<MacroFile> readMacroFile(const std::string& path, const LegacyTextConversion& legacy) {
  std::string why;
  const auto bytes = readWholeFile(path, &why);
  if (!bytes) return Message{MessageKind::Error, MessageId::FileCannotBeRead, {path, why}};
  return parseMacro(*bytes, path, legacy);
}

std::optional<Message> writeMacroFile(const std::string& path, ElementList& list, bool onlySelected,
                                      const MacroComments& comments, double grid,
                                      IPoint originMilli) {
  const auto bytes = serializeMacro(list, onlySelected, comments, grid, originMilli);
  if (auto why = writeFileAtomically(path, bytes))
    return Message{MessageKind::Error, MessageId::LayoutNotSaved, {path, *why}};
  return std::nullopt;
}

}  // namespace trazello
