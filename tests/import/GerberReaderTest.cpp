// The reader against small files of our own, one feature at a time, and against the feature
// files of another project.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "GerberTestSupport.h"

namespace trazello {
namespace {

using testing::fixtureText;
using testing::imageArea;
using testing::imageCopper;

// Millimetres, six decimals: 1000000 is 1 mm, 100 layout units.
const std::string kHead = "%FSLAX26Y26*%\n%MOMM*%\n";

GerberImage readOk(const std::string& text) {
  GerberReadResult r = readGerber(text);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_TRUE(r.image.warnings.empty()) << r.image.warnings.front();
  return r.image;
}

struct AreaCase {
  const char* name;
  std::string body;
  double area;  // square units
};

// Flattened curves lose a little area; everything else is exact.
TEST(GerberReader, EveryApertureAndMacroPrimitiveCoversItsArea) {
  const double pi = M_PI;
  const AreaCase cases[] = {
      {"circle", "%ADD10C,1*%D10*X0Y0D03*", pi * 50 * 50},
      {"circle with hole", "%ADD10C,1X0.5*%D10*X0Y0D03*", pi * (50 * 50 - 25 * 25)},
      {"rectangle", "%ADD10R,1X2*%D10*X0Y0D03*", 100 * 200},
      {"obround", "%ADD10O,1X2*%D10*X0Y0D03*", 100 * 100 + pi * 50 * 50},
      {"hexagon", "%ADD10P,1X6*%D10*X0Y0D03*", 3 * std::sqrt(3.0) / 2 * 50 * 50},
      {"draw", "%ADD10C,0.5*%D10*X0Y0D02*X10000000Y0D01*", 1000 * 50 + pi * 25 * 25},
      {"region", "G36*X0Y0D02*X10000000Y0D01*Y10000000D01*X0D01*X0Y0D01*G37*", 1000.0 * 1000},
      {"macro circle", "%AMC1*1,1,1,0,0*%%ADD10C1*%D10*X0Y0D03*", pi * 50 * 50},
      {"macro vector line", "%AMV*20,1,0.5,0,0,10,0,0*%%ADD10V*%D10*X0Y0D03*", 1000 * 50},
      {"macro centre line turned", "%AMCL*21,1,2,1,0,0,45*%%ADD10CL*%D10*X0Y0D03*", 200 * 100},
      {"macro outline", "%AMT*4,1,3,0,0,10,0,0,10,0,0,0*%%ADD10T*%D10*X0Y0D03*", 1000.0 * 1000 / 2},
      {"macro polygon", "%AMPG*5,1,8,0,0,2,0*%%ADD10PG*%D10*X0Y0D03*",
       2 * std::sqrt(2.0) * 100 * 100},
      {"macro thermal", "%AMT*7,0,0,2,1,0.2,0*%%ADD10T*%D10*X0Y0D03*", 19548.5},
      {"macro clear exposure", "%AMD*1,1,2,0,0*1,0,1,0,0*%%ADD10D*%D10*X0Y0D03*",
       pi * (100 * 100 - 50 * 50)},
      {"macro variables and expressions",
       "%AMB*$3=$1x2*21,1,$3,($2+0.5)/1,0,0,0*%%ADD10B,1X0.5*%D10*X0Y0D03*", 200 * 100},
  };
  for (const AreaCase& c : cases) {
    const GerberImage image = readOk(kHead + c.body + "M02*");
    const double a = areaInSquareUnits(imageCopper(image));
    EXPECT_NEAR(a, c.area, c.area * 0.01) << c.name;
  }
}

TEST(GerberReader, CommandsAreReadWhereverTheLinesBreak) {
  const std::string oneLine =
      kHead +
      "%ADD10C,0.1*%%ADD11C,0.2*%D11*G54D10*X0Y0D02*G01X1000000Y0D01*D01*X1000000Y1000000*M02*";
  const std::string split = kHead +
                            "%ADD10C,0.1*%\n%ADD11\nC,0.2*%\nD11*\nG54D10*\nX0Y0D02*"
                            "\nG01X10\n00000Y0D01*\r\nD01*\nX1000000Y10\n00000*\nM02*\n";
  for (const std::string& text : {oneLine, split}) {
    const GerberImage image = readOk(text);
    ASSERT_EQ(image.objects.size(), 3u);
    for (const GerberObject& o : image.objects) {
      EXPECT_EQ(o.type, GerberObject::Type::Draw);
      // G54D10 selected aperture 10; a bare D01 keeps it.
      EXPECT_EQ(image.apertures[size_t(o.aperture)].number, 10);
    }
    EXPECT_EQ(image.objects[0].to, (GPoint{100, 0}));
    // A bare D01 draws where the pen stands.
    EXPECT_EQ(image.objects[1].from, image.objects[1].to);
    // Coordinates without an operation repeat the last one (D01).
    EXPECT_EQ(image.objects[2].to, (GPoint{100, 100}));
  }
}

TEST(GerberReader, CoordinateFormatsAndUnits) {
  struct Case {
    std::string head, x;
    double units;
  } cases[] = {
      {"%FSLAX26Y26*%%MOMM*%", "1000000", 100},
      {"%FSLAX26Y26*%%MOMM*%", "-500000", -50},
      {"%FSLAX24Y24*%%MOIN*%", "10000", 2540},
      {"%FSTAX24Y24*%%MOIN*%", "1", 25400},  // trailing zeros omitted: 10.0000 inch
      {"%FSLAX33Y33*%%MOMM*%", "1.5", 150},  // an explicit decimal point
      {"%FSLAX24Y24*%G70*", "10000", 2540},
      {"%FSLAX33Y33*%G71*", "2000", 200},
      {"%FSLAX33Y33*MOMM*%", "2000", 200},  // two parameters in one block
  };
  for (const Case& c : cases) {
    const GerberImage image = readOk(c.head + "%ADD10C,0.1*%D10*X" + c.x + "Y0D03*M02*");
    ASSERT_EQ(image.objects.size(), 1u) << c.head;
    EXPECT_NEAR(image.objects[0].to.x, c.units, 1e-9) << c.head << " X" << c.x;
  }
}

// G02 runs clockwise: from the left to the right end of a half circle about the origin it passes
// over the top; G03 passes underneath.
TEST(GerberReader, ArcsRunInTheirDirection) {
  for (const auto& [code, up] : {std::pair{"G02", true}, std::pair{"G03", false}}) {
    const GerberImage image = readOk(kHead + "%ADD10C,0.1*%D10*G75*X-10000000Y0D02*" + code +
                                     "X10000000Y0I10000000J0D01*M02*");
    ASSERT_EQ(image.objects.size(), 1u);
    const CBox box = boxOf(imageCopper(image)[0]);
    EXPECT_EQ(box.top > 50 * kShapeScale, up) << code;
    EXPECT_EQ(box.bottom < -50 * kShapeScale, !up) << code;
  }
}

TEST(GerberReader, QuadrantModesAndRegionArcs) {
  // Single quadrant: unsigned offsets, the centre is the one giving a quarter turn at most.
  GerberImage single =
      readOk(kHead + "%ADD10C,0.1*%D10*G74*X10000000Y0D02*G03X0Y10000000I10000000J0D01*M02*");
  ASSERT_EQ(single.objects.size(), 1u);
  EXPECT_NEAR(single.objects[0].centre.x, 0, 1e-9);
  EXPECT_NEAR(single.objects[0].centre.y, 0, 1e-9);
  // Multi quadrant, start = end: the full circle.
  const double ring =
      imageArea(kHead + "%ADD10C,1*%D10*G75*X10000000Y0D02*G03X10000000Y0I-10000000J0D01*M02*");
  EXPECT_NEAR(ring, 2 * M_PI * 1000 * 100, 2 * M_PI * 1000 * 100 * 0.01);
  // A half disc bounded by an arc inside a region.
  const double half = imageArea(
      kHead + "G75*G36*X10000000Y0D02*G03X-10000000Y0I-10000000J0D01*G01X10000000Y0D01*G37*M02*");
  EXPECT_NEAR(half, M_PI * 1000 * 1000 / 2, M_PI * 1000 * 1000 / 2 * 0.001);
}

TEST(GerberReader, StepRepeatBlocksPolarityAndLoadCommands) {
  // Three by two copies 5 mm and 4 mm apart.
  GerberImage sr = readOk(kHead + "%ADD10C,1*%%SRX3Y2I5J4*%D10*X0Y0D03*%SR*%M02*");
  ASSERT_EQ(sr.objects.size(), 6u);
  EXPECT_EQ(sr.objects.back().to, (GPoint{1000, 400}));
  // A block of a dark disc with a clear hole, flashed twice: the second flash under clear polarity
  // swaps the polarities of the block's objects.
  GerberImage block = readOk(kHead +
                             "%ADD10C,2*%%ADD11C,1*%%ABD20*%D10*X0Y0D03*%LPC*%D11*X0Y0D03*%AB*%"
                             "%LPD*%D20*X10000000Y0D03*%LPC*%X20000000Y0D03*M02*");
  ASSERT_EQ(block.objects.size(), 4u);
  EXPECT_TRUE(block.objects[0].dark && !block.objects[1].dark);
  EXPECT_TRUE(!block.objects[2].dark && block.objects[3].dark);
  EXPECT_EQ(block.objects[2].to, (GPoint{2000, 0}));
  // Rotation turns a tall rectangle on its side; scaling grows its area.
  const GerberImage turned = readOk(kHead + "%ADD10R,1X2*%%LR90*%D10*X0Y0D03*M02*");
  const CBox box = boxOf(imageCopper(turned)[0]);
  EXPECT_EQ(box.right - box.left, 200 * kShapeScale);
  EXPECT_NEAR(imageArea(kHead + "%ADD10R,1X2*%%LS2*%%LMXY*%D10*X0Y0D03*M02*"), 4 * 100 * 200, 1);
}

TEST(GerberReader, DeprecatedCommandsOfOldFiles) {
  struct Case {
    const char* name;
    std::string body;
    std::vector<GPoint> flashes;
  } cases[] = {
      {"incremental", "G91*X1000000Y0D03*X1000000Y1000000D03*", {{100, 0}, {200, 100}}},
      {"offset", "%OFA1B2*%X0Y0D03*", {{100, 200}}},
      {"mirror", "%MIA1B0*%X1000000Y1000000D03*", {{-100, 100}}},
      {"scale", "%SFA2B3*%X1000000Y1000000D03*", {{200, 300}}},
      {"names and old prefixes",
       "%INBOARD*%%IPPOS*%%LNTOP*%G54D10*G55*X0Y0D03*M01*X1000000Y0D03*",
       {{0, 0}, {100, 0}}},
      {"program stop", "X0Y0D03*M00*X1000000Y0D03*", {{0, 0}}},
      // The whole image turns about the file's origin, counter-clockwise, wherever IR stands.
      {"image rotation 90", "X1000000Y0D03*%IR90*%", {{0, 100}}},
      {"image rotation 180", "%IR180*%X1000000Y2000000D03*", {{-100, -200}}},
      {"image rotation 270", "%IR270*%X1000000Y2000000D03*", {{200, -100}}},
  };
  for (const Case& c : cases) {
    const GerberImage image = readOk(kHead + "%ADD10C,0.1*%D10*" + c.body + "M02*");
    ASSERT_EQ(image.objects.size(), c.flashes.size()) << c.name;
    for (size_t i = 0; i < c.flashes.size(); ++i) {
      EXPECT_NEAR(image.objects[i].to.x, c.flashes[i].x, 1e-9) << c.name;
      EXPECT_NEAR(image.objects[i].to.y, c.flashes[i].y, 1e-9) << c.name;
    }
  }
}

TEST(GerberReader, AttributesAreReadAndIgnored) {
  const GerberImage image = readOk(
      "%TF.GenerationSoftware,Someone,Something,1.0*%\n%TF.FileFunction,Copper,L1,Top*%\n" + kHead +
      "%TA.AperFunction,SMDPad,CuDef*%%ADD10R,1X1*%%TD*%%TO.N,GND*%D10*X0Y0D03*%TD*%G04 a comment "
      "D03*M02*");
  EXPECT_EQ(image.objects.size(), 1u);
}

TEST(GerberReader, RefusesFilesItCannotReadWhole) {
  struct Case {
    std::string text, says;
  } cases[] = {
      {"%MOMM*%%ADD10C,1*%D10*X0Y0D03*M02*", "no format statement"},
      {kHead + "%ADD10C,1*%D10*X0Y0D03*%ADD11C,2*\nD11*X100Y100D03*M02*", "not closed"},
  };
  for (const Case& c : cases) {
    const GerberReadResult r = readGerber(c.text);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
    EXPECT_TRUE(r.image.objects.empty());
  }
}

TEST(GerberReader, GrowsPastAnyFixedBuffer) {
  std::string text = kHead + "%ADD10C,0.1*%D10*G36*X0Y0D02*";
  for (int i = 1; i <= 20000; ++i)
    text += "X" + std::to_string(i * 1000) + "Y" + std::to_string((i % 2) * 100000) + "D01*";
  text += "X0Y0D01*G37*";
  for (int i = 0; i < 12; ++i) text += "%ADD" + std::to_string(20 + i) + "P,1X6X0X0.1*%";
  text += "M02*";
  const GerberImage image = readOk(text);
  ASSERT_EQ(image.objects.size(), 1u);
  EXPECT_EQ(image.objects[0].contour.size(), 20002u);
  EXPECT_EQ(image.apertures.size(), 13u);
}

TEST(GerberReader, FeatureFilesOfAnotherProjectReadCleanly) {
  namespace fs = std::filesystem;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(std::string(TRAZELLO_SOURCE_DIR) +
                                                            "/tests/fixtures/gerber/features")) {
    if (entry.path().extension() != ".gbr") continue;
    ++files;
    const std::string name =
        fs::relative(entry.path(), entry.path().parent_path().parent_path()).string();
    const GerberReadResult r = readGerber(fixtureText("features/" + name));
    ASSERT_TRUE(r.ok()) << name << ": " << r.error;
    EXPECT_TRUE(r.image.warnings.empty()) << name << ": " << r.image.warnings.front();
    EXPECT_FALSE(r.image.objects.empty()) << name;
  }
  EXPECT_GE(files, 60);
}

}  // namespace
}  // namespace trazello
