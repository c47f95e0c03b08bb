#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ApertureMacro.h"
#include "GerberImage.h"
#include "GerberLexer.h"

namespace trazello {

// The graphics state of a Gerber file being read; GerberReader drives it statement by statement.
class GerberState {
 public:
  explicit GerberState(GerberImage& image) : image_(image) {}

  // False once the file has ended (M02) or was refused; error() says why when refused.
  bool wordCommand(std::string_view block, int line);
  bool parameterStatement(const GerberStatement& st);
  void finish();
  const std::string& error() const { return error_; }
  bool ended() const { return ended_; }

 private:
  enum class Interpolation { Linear, Clockwise, CounterClockwise };
  struct Format {
    bool known = false;
    bool trailingZeros = false;  // trailing zeros omitted: pad on the right
    bool incremental = false;
    int xInt = 2, xDec = 4, yInt = 2, yDec = 4;
  };
  struct ApertureRef {
    bool block = false;
    int index = -1;
  };
  struct StepRepeat {
    int nx = 1, ny = 1;
    double dx = 0, dy = 0;
    std::vector<GerberObject> objects;
  };
  struct Coordinates {
    std::optional<double> x, y, i, j;
  };

  // Parameter commands.
  void formatStatement(std::string_view s);
  void apertureDefinition(std::string_view s, int line);
  void blockAperture(std::string_view s);
  void stepRepeat(std::string_view s);
  void loadCommand(std::string_view s);
  void imageCommand(std::string_view s);

  // Operations.
  bool gCode(int n);
  void operate(int code, const Coordinates& c, int line);
  void interpolate(GPoint to, const Coordinates& c);
  GPoint arcCentre(GPoint from, GPoint to, double i, double j) const;
  void flash(GPoint at, int line);
  void closeContour();
  void emit(GerberObject o);
  std::vector<GerberObject>& sink();
  void closeStepRepeat();
  void turnImage();
  void invertImage();
  bool withinLimit(size_t more);

  double unitScale() const { return inch_ ? 2540.0 : 100.0; }
  std::optional<double> coordinate(std::string_view digits, bool isX) const;
  GPoint toImage(double x, double y) const;
  GTransform loadTransform() const;
  void warn(const std::string& w);

  GerberImage& image_;
  Format format_;
  bool inch_ = true;
  bool unitsKnown_ = false;
  std::map<int, ApertureRef> apertures_;
  std::map<std::string, ApertureMacro> macros_;
  std::vector<std::vector<GerberObject>> blocks_;
  std::vector<std::pair<int, std::vector<GerberObject>>> openBlocks_;  // D-code and objects
  std::optional<StepRepeat> stepRepeat_;
  int current_ = -1;  // D-code of the current aperture
  Interpolation interpolation_ = Interpolation::Linear;
  bool multiQuadrant_ = false;
  bool region_ = false;
  bool dark_ = true;
  bool mirrorX_ = false, mirrorY_ = false;
  double rotation_ = 0, scale_ = 1;
  // Deprecated image commands: offset, scale and mirroring of every coordinate.
  double offsetX_ = 0, offsetY_ = 0, imageScaleX_ = 1, imageScaleY_ = 1;
  bool imageMirrorX_ = false, imageMirrorY_ = false;
  // Whole-image commands, applied when the file has been read.
  bool negative_ = false;
  int quarterTurns_ = 0;  // counter-clockwise
  GPoint point_;
  int lastOperation_ = 0;
  std::vector<GPoint> contour_;
  size_t total_ = 0;
  bool ended_ = false;
  std::string error_;
  std::map<std::string, int> warned_;
};

}  // namespace trazello
