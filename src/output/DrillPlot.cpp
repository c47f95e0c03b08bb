#include "DrillPlot.h"

#include "DrillHoles.h"
#include "model/Layer.h"

namespace trazello {

namespace {

const HoleFilter kAllHoles{true, true};

IPoint holePoint(const TObjekt& e, const HpglFrame& frame) {
  return frame.plot(roundInt(e.X), roundInt(e.Y));
}

const char* pick(int language, const char* ru, const char* en, const char* fr) {
  return language == 1 ? en : language == 2 ? fr : ru;
}

PlotFile oneFile(const ElementList& elements, const HpglFrame& frame, const ReferenceHoles& refs,
                 bool ownPens, int language, Point start) {
  HpglText out;
  out.header();
  out.referenceHoles(frame, refs);
  if (ownPens) {
    const std::vector<int32_t> tools = toolList(elements, kAllHoles);
    for (size_t i = 0; i < tools.size(); ++i) {
      out.line("SP" + std::to_string(i + 2) + ";");
      for (size_t h : holesOfTool(elements, tools[i], kAllHoles, true, start))
        out.plunge(holePoint(elements[h], frame));
    }
  } else {
    for (size_t h : holesInOrder(elements, kAllHoles, start))
      out.plunge(holePoint(elements[h], frame));
  }
  return {pick(language, "BOHRUNG.PLT", "DRILLING.PLT", "PERCAGES.PLT"), out.text()};
}

std::vector<PlotFile> eachDiameter(const ElementList& elements, const HpglFrame& frame,
                                   const ReferenceHoles& refs, int language, Point start) {
  std::vector<PlotFile> files;
  for (int32_t d : toolList(elements, kAllHoles)) {
    HpglText out;
    out.header();
    out.referenceHoles(frame, refs);
    for (size_t h : holesOfTool(elements, d, kAllHoles, true, start))
      out.plunge(holePoint(elements[h], frame));
    files.push_back({pick(language, "BOHR_", "DRIL_", "PERC_") + std::to_string(d) + ".PLT",
                     out.text()});
  }
  return files;
}

PlotFile millingFile(const ElementList& elements, const HpglFrame& frame,
                     const ReferenceHoles& refs, const DrillPlotOptions& o, int language,
                     Point start) {
  HpglText out;
  out.line("IN;");
  if (o.secondPen) out.line("SP2;");
  out.line("PT0;");
  out.line("PU;");
  out.referenceHoles(frame, refs);
  const int32_t halfTool = roundInt(Real(o.millWidth) / 2);
  for (size_t h : holesInOrder(elements, kAllHoles, start)) {
    const IPoint p = holePoint(elements[h], frame);
    out.moveTo(p);
    out.line("PD;");
    const int32_t r = roundInt(Real(roundInt(Real(elements[h].SizeB) - halfTool)) * frame.factor);
    if (r <= 0)
      out.moveTo(p);
    else
      out.line("CI" + std::to_string(r) + ";");
    out.line("PU;");
  }
  return {pick(language, "BOHR_FRS.PLT", "DRIL_MIL.PLT", "DRIL_MIL.PLT"), out.text()};
}

}  // namespace

void writeCentringMarks(HpglText& out, const ElementList& elements, const HpglFrame& frame,
                        uint8_t layer, Point start) {
  for (size_t h : holesInOrder(elements, kAllHoles, start)) {
    const TObjekt& e = elements[h];
    if (e.Layer == layer || e.Plated) out.plunge(holePoint(e, frame));
  }
}

std::vector<PlotFile> drillPlotFiles(const ElementList& elements, const HpglFrame& frame,
                                     const ReferenceHoles& refs, const DrillPlotOptions& options,
                                     int language, Point start) {
  switch (options.kind) {
    case DrillPlotKind::OneFile:
      return {oneFile(elements, frame, refs, options.ownPens, language, start)};
    case DrillPlotKind::EachDiameter: return eachDiameter(elements, frame, refs, language, start);
    case DrillPlotKind::Milling:
      return {millingFile(elements, frame, refs, options, language, start)};
    case DrillPlotKind::None: break;
  }
  return {};
}

}  // namespace trazello
