// trazello-cli footprint: the footprint wizard's pad pattern written as a macro file.
#include <cstdio>
#include <iostream>

#include "Commands.h"
#include "edit/FootprintWizard.h"
#include "files/MacroFile.h"
#include "model/Layer.h"

namespace trazello::cli {

namespace {

struct TypeName {
  const char* word;
  PackageType type;
};

constexpr TypeName kTypes[] = {{"sip", PackageType::Sip},
                               {"dip", PackageType::Dip},
                               {"quad", PackageType::Quad},
                               {"circle", PackageType::Circle},
                               {"dualcircle", PackageType::DualCircle}};

// The window's limits: pad sizes up to 99.9 mm, distances up to 99.99 mm, counts 1 to 99.
constexpr double kMinLength = 0.01;
constexpr double kMaxPad = 99.9;
constexpr double kMaxDistance = 99.99;

struct FootprintJob {
  std::optional<PackageType> type;
  FootprintValues values;
  std::optional<int> count, count2;
  std::optional<double> pitch, row, width;
  std::optional<std::pair<double, double>> pad, smd;
  std::string out;
};

void readType(ArgReader& in, FootprintJob& job) {
  const std::optional<std::string> v = in.value("--type");
  if (!v) return;
  for (const TypeName& t : kTypes)
    if (*v == t.word) job.type = t.type;
  if (!job.type)
    in.fail("--type must be one of sip, dip, quad, circle, dualcircle, not \"" + *v + "\"");
}

void readArguments(ArgReader& in, FootprintJob& job) {
  while (!in.atEnd()) {
    const std::string& a = in.next();
    if (a == "--type")
      readType(in, job);
    else if (a == "--count")
      job.count = in.integer(a, 1, 99);
    else if (a == "--count2")
      job.count2 = in.integer(a, 1, 99);
    else if (a == "--pitch")
      job.pitch = in.number(a, kMinLength, kMaxDistance);
    else if (a == "--row")
      job.row = in.number(a, kMinLength, kMaxDistance);
    else if (a == "--width")
      job.width = in.number(a, kMinLength, kMaxDistance);
    else if (a == "--pad")
      job.pad = in.numberPair(a, kMinLength, kMaxPad);
    else if (a == "--smd")
      job.smd = in.numberPair(a, kMinLength, kMaxPad);
    else if (a == "-o")
      job.out = in.value(a).value_or("");
    else
      in.fail(a.size() > 1 && a[0] == '-' ? "unknown option \"" + a + "\""
                                          : "unexpected argument \"" + a + "\"");
  }
}

// Options that the chosen type has no field for are refused rather than silently dropped.
void checkCombination(ArgReader& in, const FootprintJob& job) {
  if (in.failed()) return;
  if (!job.type) return in.fail("--type is missing");
  if (!job.count) return in.fail("--count is missing");
  if (job.out.empty()) return in.fail("-o OUT.tzm is missing");
  if (job.count2 && !usesPerColumn(*job.type)) return in.fail("--count2 applies only to quad");
  if (job.width && !usesX(*job.type)) return in.fail("--width applies only to quad");
  if (job.row && !usesY(*job.type))
    return in.fail("--row applies only to dip, quad and dualcircle");
  if (job.pad && job.smd) return in.fail("--pad and --smd exclude each other");
  if (job.pad && job.pad->second >= job.pad->first)
    in.fail("--pad: the drill must be smaller than the pad");
}

FootprintValues valuesOf(const FootprintJob& job) {
  FootprintValues v = footprintDefaults(*job.type, FootprintValues{});
  v.perRow = *job.count;
  if (job.count2) v.perColumn = *job.count2;
  if (job.pitch) v.pitchMm = *job.pitch;
  if (job.row) v.yMm = *job.row;
  if (job.width) v.xMm = *job.width;
  if (job.pad) std::tie(v.padOuterMm, v.padDrillMm) = *job.pad;
  if (job.smd) {
    v.smd = true;
    std::tie(v.smdWidthMm, v.smdHeightMm) = *job.smd;
  }
  return v;
}

// The macro's first comment line says how it was made, so the library panel tells patterns apart.
std::string describe(const FootprintValues& v, const char* typeWord) {
  char line[64];
  std::snprintf(line, sizeof line, "%s, %d pads, d %.2f mm", typeWord, footprintPadCount(v),
                v.pitchMm);
  return line;
}

int runFootprint(const Args& args) {
  ArgReader in(args);
  FootprintJob job;
  readArguments(in, job);
  checkCombination(in, job);
  if (in.failed()) return usageError("footprint", in.error());
  const FootprintValues v = valuesOf(job);
  // Through-hole pads go on the solder side, SMD pads on the component side, as parts are mounted.
  ElementList pattern = generateFootprint(v, v.smd ? layer::C1 : layer::C2);
  const char* word = kTypes[static_cast<int>(*job.type)].word;
  if (auto failed = writeMacroFile(job.out, pattern, false, {describe(v, word), ""})) {
    std::cerr << "trazello-cli: " << errorText(*failed, job.out) << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

const Command kFootprintCommand{
    "footprint",
    "Usage: trazello-cli footprint --type sip|dip|quad|circle|dualcircle --count N\n"
    "                              [--count2 M] [--pitch MM] [--row MM] [--width MM]\n"
    "                              [--pad OUTER,DRILL | --smd W,H] -o OUT.tzm\n"
    "Writes the footprint wizard's pad pattern as a macro file.\n"
    "  --count N        pads per row (sip, dip, quad) or per ring (circle, dualcircle), 1 to 99\n"
    "  --count2 M       pads per vertical row (quad), 1 to 99; default 8\n"
    "  --pitch MM       pad pitch, or ring diameter for circle and dualcircle\n"
    "  --row MM         row distance (dip), vertical size (quad), ring distance (dualcircle)\n"
    "  --width MM       horizontal size (quad)\n"
    "  --pad OUTER,DRILL  round through-hole pads on C2 (default 1.6,0.8)\n"
    "  --smd W,H        SMD pads on C1 instead of through-hole pads\n"
    "Distances not given take the wizard's defaults for the type.\n",
    runFootprint};

}  // namespace trazello::cli
