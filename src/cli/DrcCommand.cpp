// trazello-cli drc: the design rule check of a board as JSON.
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "Json.h"
#include "checks/DesignRuleCheck.h"

namespace trazello::cli {

namespace {

struct DrcArgs {
  std::string file;
  int board = 0;
  std::optional<IRect> window;
  DrcSettings rules;
  bool exitCodeViolations = false;
};

// A length in millimetres as the panel takes it: 0 to 99.99 mm, kept as hundredths.
void length(ArgReader& in, const std::string& option, int32_t& slot) {
  if (const auto mm = in.number(option, 0, 99.99)) slot = int32_t(std::lround(*mm * 100));
}

std::optional<IRect> windowOf(ArgReader& in, const std::string& option) {
  const std::optional<std::string> text = in.value(option);
  if (!text) return std::nullopt;
  std::istringstream parts(*text);
  int32_t v[4];
  char comma[3];
  if (!(parts >> v[0] >> comma[0] >> v[1] >> comma[1] >> v[2] >> comma[2] >> v[3]) ||
      comma[0] != ',' || comma[1] != ',' || comma[2] != ',' || !parts.eof()) {
    in.fail(option + " takes L,T,R,B in units, not \"" + *text + "\"");
    return std::nullopt;
  }
  return IRect{v[0], v[1], v[2], v[3]};
}

std::optional<DrcArgs> parse(const Args& args) {
  ArgReader in(args);
  DrcArgs out;
  DrcSettings& r = out.rules;
  const std::pair<const char*, bool DrcSettings::*> switches[] = {
      {"--no-kupfer", &DrcSettings::copper},
      {"--no-bohrungen", &DrcSettings::drillDistance},
      {"--no-bohrmin", &DrcSettings::drillMin},
      {"--no-bohrmax", &DrcSettings::drillMax},
      {"--no-trackmin", &DrcSettings::trackMin},
      {"--no-ringmin", &DrcSettings::ringMin},
      {"--no-bestmin", &DrcSettings::silkMin},
      {"--no-silkonpad", &DrcSettings::silkOnPad},
      {"--no-holeonsmd", &DrcSettings::holeOnSmd},
      {"--no-padohnels", &DrcSettings::padWithoutMask},
      {"--no-lsfremd", &DrcSettings::maskOutsidePads}};
  while (!in.atEnd()) {
    const std::string& a = in.next();
    bool matched = false;
    for (const auto& [name, flag] : switches) {
      if (a == name) {
        r.*flag = false;
        matched = true;
      }
    }
    if (matched) continue;
    if (a == "--board") {
      out.board = in.integer(a, 1).value_or(0);
    } else if (a == "--window") {
      out.window = windowOf(in, a);
    } else if (a == "--copper") {
      length(in, a, r.copperDistance);
    } else if (a == "--drill-distance") {
      length(in, a, r.drillDistanceMin);
    } else if (a == "--drill-min") {
      length(in, a, r.drillMinimum);
    } else if (a == "--drill-max") {
      length(in, a, r.drillMaximum);
    } else if (a == "--track-min") {
      length(in, a, r.trackMinimum);
    } else if (a == "--ring-min") {
      length(in, a, r.ringMinimum);
    } else if (a == "--silk-min") {
      length(in, a, r.silkMinimum);
    } else if (a == "--exit-code-violations") {
      out.exitCodeViolations = true;
    } else {
      in.operand(a, out.file);
    }
  }
  in.require(out.file, "FILE");
  if (in.failed()) {
    usageError("drc", in.error());
    return std::nullopt;
  }
  return out;
}

int runDrc(const Args& args) {
  const std::optional<DrcArgs> a = parse(args);
  // A script that checks a board treats every failure to check it alike, so a wrong argument
  // exits with 1 as an unreadable file does.
  if (!a) return 1;
  std::optional<Document> doc = openForOutput(a->file, a->board);
  if (!doc) return 1;
  const BoardSettings& s = doc->working();
  const IRect window = a->window.value_or(IRect{0, -s.height, s.width, 0});
  const DrcResult result = runDesignRuleCheck(doc->elements(), s, a->rules, window);
  Json j;
  j.beginObject().field("count", result.findings.size()).key("findings").beginArray();
  for (const Finding& f : result.findings) {
    j.beginObject()
        .field("kind", int32_t(f.kind))
        .field("text", findingText(f.text, 1))
        .field("layer", f.layer)
        .key("marker")
        .beginArray()
        .value(f.marker.left)
        .value(f.marker.top)
        .value(f.marker.right)
        .value(f.marker.bottom)
        .endArray()
        .endObject();
  }
  j.endArray().endObject();
  std::cout << j.str() << "\n";
  return a->exitCodeViolations && !result.findings.empty() ? 5 : 0;
}

}  // namespace

const Command kDrcCommand{
    "drc",
    "Usage: trazello-cli drc FILE [--board N] [--window L,T,R,B] [--copper MM]\n"
    "       [--drill-distance MM] [--drill-min MM] [--drill-max MM] [--track-min MM]\n"
    "       [--ring-min MM] [--silk-min MM] [--no-RULE ...] [--exit-code-violations]\n"
    "Runs the design rule check and prints its findings as JSON in list order:\n"
    "{\"count\": N, \"findings\": [{\"kind\", \"text\", \"layer\", \"marker\": [L, T, R, B]}]}\n"
    "(units of 0.01 mm). RULE is one of kupfer, bohrungen, bohrmin, bohrmax, trackmin,\n"
    "ringmin, bestmin, silkonpad, holeonsmd, padohnels, lsfremd. Exit status 0, or 5 with\n"
    "--exit-code-violations when there are findings; 1 when the file cannot be read or an\n"
    "argument is wrong.\n",
    runDrc};

}  // namespace trazello::cli
