#include <gtest/gtest.h>

#include <cmath>

#include "edit/UndoHistory.h"
#include "edit/commands/PropertyCommands.h"
#include "model/Document.h"
#include "model/Layer.h"
#include "model/PadGeometry.h"
#include "model/StrokeFont.h"

namespace trazello {
namespace {

class PropertyCommands : public ::testing::Test {
 protected:
  ElementList& list() { return doc_.elements(); }
  size_t add(TObjekt e) {
    e.Selected = 1;
    list().append(std::move(e));
    return list().size() - 1;
  }
  size_t steps() const { return doc_.currentBoard().undoList.size(); }
  Change set(size_t i, Property p, double v, PropertyOptions o = {}) {
    PropertyEdit edit;
    return applyProperty(doc_, undo_, edit, list()[i].Id, p, PropertyValue{v, {}}, o);
  }
  double shown(size_t i, Property p) { return propertyOf(list()[i], p, doc_.working()).number; }

  Document doc_;
  UndoHistory undo_;
};

TObjekt track() {
  TObjekt t = newTrack(40, layer::C1);
  appendPoint(t, {0, 0});
  appendPoint(t, {3000, 0});
  appendPoint(t, {3000, -4000});
  return t;
}

TObjekt zone() {
  TObjekt z = newZone(50, layer::C1);
  for (Point p : {Point{0, 0}, Point{1000, 0}, Point{1000, -1000}}) appendPoint(z, p);
  return z;
}

TObjekt text() {
  TObjekt t = newText({1000, -1000}, "AB", layer::S1, 1, 1, 200, 0, false, false);
  generateStrokes(t, layer::S1, 0);
  return t;
}

// Every field of every page: the value typed in is the value shown afterwards, the element
// changed and the edit took exactly one undo step.
TEST_F(PropertyCommands, EachFieldOfEachKindShowsWhatWasEnteredAfterOneStep) {
  struct Case {
    const char* what;
    TObjekt element;
    Property property;
    double value;
  };
  const Case cases[] = {
      {"pad x", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::CentreX, 12.5},
      {"pad y", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::CentreY, 7.25},
      {"pad outer", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::PadOuter, 2.4},
      {"pad drill", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::PadDrill, 1.2},
      {"pad thermal", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::Thermal, 1},
      {"pad spoke width", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::SpokeWidth, 250},
      {"pad spokes", newPad({1000, -1000}, layer::C1, 1, 90, 30), Property::SpokeButtons, 0x81},
      {"smd x", newSmdPad({1000, -1000}, layer::C1, 90, 180), Property::CentreX, 3},
      {"smd y", newSmdPad({1000, -1000}, layer::C1, 90, 180), Property::CentreY, 4},
      {"smd width", newSmdPad({1000, -1000}, layer::C1, 90, 180), Property::SmdSizeX, 1.5},
      {"smd height", newSmdPad({1000, -1000}, layer::C1, 90, 180), Property::SmdSizeY, 0.6},
      {"smd thermal", newSmdPad({1000, -1000}, layer::C1, 90, 180), Property::Thermal, 1},
      {"track width", track(), Property::Width, 0.65},
      {"zone width", zone(), Property::Width, 0.8},
      {"zone hatched", zone(), Property::Hatched, 1},
      {"zone outline pitch", zone(), Property::HatchAsOutline, 0},
      {"zone pitch", zone(), Property::HatchPitch, 0.9},
      {"text height", text(), Property::TextHeight, 3.5},
      {"text thickness", text(), Property::TextThickness, 2},
      {"text width", text(), Property::TextWidth, 0},
      {"text mirror h", text(), Property::MirrorH, 1},
      {"text mirror v", text(), Property::MirrorV, 1},
      {"text angle", text(), Property::Angle, 270},
      {"circle x", newCircle({500, -500}, layer::C1, 550, 450), Property::CentreX, 20},
      {"circle width", newCircle({500, -500}, layer::C1, 550, 450), Property::Width, 0.5},
      {"circle diameter", newCircle({500, -500}, layer::C1, 550, 450), Property::Diameter, 12},
      {"circle start", newCircle({500, -500}, layer::C1, 550, 450), Property::StartAngle, 45},
      {"circle stop", newCircle({500, -500}, layer::C1, 550, 450), Property::StopAngle, 300},
      {"circle filled", newCircle({500, -500}, layer::C1, 550, 450), Property::Filled, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc_.newDocument();
    doc_.working().originX = 123000;  // shown positions are relative to the origin
    doc_.working().originY = -45000;
    const size_t i = add(c.element);
    const TObjekt before = list()[i];
    const Change change = set(i, c.property, c.value);
    EXPECT_TRUE(change.elements);
    EXPECT_TRUE(change.hasArea);
    EXPECT_EQ(steps(), 1u);
    EXPECT_TRUE(doc_.modified());
    EXPECT_NEAR(shown(i, c.property), c.value, 1e-4);
    // The same value again changes nothing and takes no step.
    EXPECT_TRUE(set(i, c.property, c.value).empty());
    EXPECT_EQ(steps(), 1u);
    ASSERT_TRUE(UndoHistory::undo(doc_.currentBoard()));
    EXPECT_EQ(list()[i].Points, before.Points);
    EXPECT_NEAR(shown(i, c.property), propertyOf(before, c.property, doc_.working()).number, 1e-4);
  }
}

TEST_F(PropertyCommands, AnEditTypedDigitByDigitIsOneStep) {
  const size_t t = add(track());
  PropertyEdit edit;
  for (double typed : {1.0, 1.2, 1.25})
    applyProperty(doc_, undo_, edit, list()[t].Id, Property::Width, PropertyValue{typed, {}});
  EXPECT_EQ(list()[t].Width, 125);
  EXPECT_EQ(steps(), 1u);
  // The next edit is a step of its own.
  set(t, Property::Width, 0.3);
  EXPECT_EQ(steps(), 2u);
}

TEST_F(PropertyCommands, PositionsAreRelativeToTheOriginWithYDownward) {
  doc_.working().originX = 100000;  // (100, -200) units
  doc_.working().originY = -200000;
  const size_t p = add(newPad({1100, -1200}, layer::C1, padshape::RectH, 90, 30));
  EXPECT_DOUBLE_EQ(shown(p, Property::CentreX), 10);
  EXPECT_DOUBLE_EQ(shown(p, Property::CentreY), 10);
  set(p, Property::CentreY, 5);
  EXPECT_FLOAT_EQ(list()[p].Y, -700);
  // The outline moved with the centre.
  EXPECT_FLOAT_EQ(list()[p].Points[0].y, padOutline({1100, -700}, padshape::RectH, 90, 0)[0].y);
}

TEST_F(PropertyCommands, PadSizesKeepTheDrillInsideAndTheOrientation) {
  const size_t p = add(newPad({0, 0}, layer::C1, padshape::RectH, 60, 40));
  const Real turned = 90;
  for (Point& q : list().edit(p).Points) q = rotatePoint(q, {0, 0}, -turned);
  ASSERT_NEAR(static_cast<double>(padOrientation(list()[p])), 90, 0.01);
  set(p, Property::PadDrill, 1.5);  // above the 1.2 mm outer diameter
  EXPECT_FLOAT_EQ(list()[p].SizeB, 75);
  EXPECT_FLOAT_EQ(list()[p].SizeA, 75);
  set(p, Property::PadOuter, 0.5);  // below the drill: raised to it again
  EXPECT_FLOAT_EQ(list()[p].SizeA, 75);
  set(p, Property::PadOuter, 2.0);
  EXPECT_FLOAT_EQ(list()[p].SizeA, 100);
  EXPECT_NEAR(static_cast<double>(padOrientation(list()[p])), 90, 0.01);
}

TEST_F(PropertyCommands, SpokeButtonsShowTheDirectionsOnTheBoard) {
  // Orientation 90°, only the spoke up in its own frame: the right-hand button is black.
  TObjekt pad = newPad({0, 0}, layer::C1, padshape::RectH, 60, 30);
  for (Point& q : pad.Points) q = rotatePoint(q, {0, 0}, -90);
  pad.Spokes = 1;
  const size_t p = add(pad);
  EXPECT_EQ(shown(p, Property::SpokeButtons), 0b100);
  // Applied unchanged, the mask stays 1.
  EXPECT_TRUE(set(p, Property::SpokeButtons, 0b100).empty());
  set(p, Property::SpokeButtons, 0b1000);  // down-right on the board: up-right in its own frame
  EXPECT_EQ(list()[p].Spokes, 0b10);
  // 45°: the default mask shows the diagonals.
  TObjekt smd = newSmdPad({0, 0}, layer::C1, 100, 100);
  for (Point& q : smd.Points) q = rotatePoint(q, {0, 0}, -45);
  const size_t s = add(smd);
  EXPECT_EQ(shown(s, Property::SpokeButtons), 0xAA);
}

TEST_F(PropertyCommands, ThermalOnRaisesASmallClearance) {
  const size_t p = add(newPad({0, 0}, layer::C1, 1, 90, 30));
  list().edit(p).Clearance = 10;
  set(p, Property::Thermal, 1);
  EXPECT_EQ(list()[p].Thermal(), 1);
  EXPECT_EQ(list()[p].Clearance, 40);
  const size_t q = add(newPad({0, 0}, layer::C1, 1, 90, 30));
  list().edit(q).Clearance = 25;
  set(q, Property::Thermal, 1);
  EXPECT_EQ(list()[q].Clearance, 25);
}

TEST_F(PropertyCommands, SpokeWidthLabel) {
  TObjekt pad = newPad({0, 0}, layer::C1, 1, 90, 30);
  pad.Value53 = 150;
  EXPECT_DOUBLE_EQ(spokeWidthMm(pad), 0.9);  // 90 / 1.5 * 1.5 = 90 units
  TObjekt smd = newSmdPad({0, 0}, layer::C1, 90, 180);
  EXPECT_DOUBLE_EQ(spokeWidthMm(smd), 0.3);
}

TEST_F(PropertyCommands, CircleRingFromWidthAndDiameter) {
  const size_t c = add(newCircle({0, 0}, layer::C1, 300, 200));
  set(c, Property::Width, 1);
  set(c, Property::Diameter, 10);
  EXPECT_FLOAT_EQ(list()[c].SizeA, 550);
  EXPECT_FLOAT_EQ(list()[c].SizeB, 450);
  // A ring wider than its diameter ends at the centre instead of a negative inner radius.
  set(c, Property::Width, 20);
  EXPECT_FLOAT_EQ(list()[c].SizeB, 0);
  EXPECT_FLOAT_EQ(list()[c].SizeA, 1500);
}

TEST_F(PropertyCommands, ZonePitchAtMostTwiceTheOutlineWidth) {
  const size_t z = add(zone());
  set(z, Property::HatchPitch, 5);
  EXPECT_EQ(list()[z].Value53, 100);
}

TEST_F(PropertyCommands, TextEditsRebuildTheStrokes) {
  const size_t t = add(text());
  const size_t before = list()[t].Strokes.size();
  PropertyEdit edit;
  applyProperty(doc_, undo_, edit, list()[t].Id, Property::Text, PropertyValue{0, "ABCD"});
  EXPECT_EQ(list()[t].Text, "ABCD");
  EXPECT_GT(list()[t].Strokes.size(), before);
  // With the height limit a thin text is at least 2.5 mm high.
  set(t, Property::TextThickness, 0, PropertyOptions{true});
  EXPECT_FLOAT_EQ(list()[t].SizeA, 250);
  set(t, Property::TextHeight, 1, PropertyOptions{false});
  EXPECT_FLOAT_EQ(list()[t].SizeA, 100);
}

TEST_F(PropertyCommands, KeepOutOnlyOnCopper) {
  const size_t copper = add(zone());
  TObjekt silk = zone();
  silk.Layer = layer::S1;
  const size_t onSilk = add(silk);
  set(copper, Property::KeepOut, 1);
  EXPECT_EQ(list()[copper].KeepOut, 1);
  EXPECT_TRUE(set(onSilk, Property::KeepOut, 1).empty());
  EXPECT_EQ(list()[onSilk].KeepOut, 0);
  EXPECT_EQ(steps(), 1u);
}

TEST_F(PropertyCommands, GroundPlaneBoxesNeedThePlaneOfTheActiveLayer) {
  BoardSettings& s = doc_.working();
  s.activeLayer = layer::C1;
  const TObjekt onC1 = zone();
  TObjekt onC2 = zone();
  onC2.Layer = layer::C2;
  TObjekt silk = zone();
  silk.Layer = layer::S1;
  TObjekt plated = newPad({0, 0}, layer::C2, 1, 90, 30);
  plated.Plated = 1;
  EXPECT_FALSE(groundPlaneBoxesEnabled(onC1, s));  // plane off
  s.groundPlane[layer::C1] = 1;
  EXPECT_TRUE(groundPlaneBoxesEnabled(onC1, s));
  EXPECT_FALSE(groundPlaneBoxesEnabled(onC2, s));
  EXPECT_FALSE(groundPlaneBoxesEnabled(silk, s));
  EXPECT_TRUE(groundPlaneBoxesEnabled(plated, s));
  s.visible[layer::C1] = 0;
  EXPECT_FALSE(groundPlaneBoxesEnabled(onC1, s));
}

TEST_F(PropertyCommands, TrackLengthAndCurrentCapacity) {
  const TObjekt t = track();
  EXPECT_DOUBLE_EQ(trackLength(t), 7000);
  EXPECT_DOUBLE_EQ(trackLength(t, {{3000, -7000}, {7000, -7000}}), 14000);
  EXPECT_NEAR(currentCapacity(0.8, 0.035, 20), 2.51, 0.005);
}

TEST_F(PropertyCommands, SelectionCountsByKind) {
  for (int i = 0; i < 3; ++i) add(newPad({0, 0}, layer::C1, 1, 90, 30));
  add(track());
  TObjekt unselected = zone();
  list().append(unselected);
  const SelectionCounts n = countSelection(list());
  EXPECT_EQ(n.pads, 3);
  EXPECT_EQ(n.tracks, 1);
  EXPECT_EQ(n.zones, 0);
  EXPECT_EQ(n.total, 4);
  EXPECT_FALSE(singleSelected(list()));
  list().edit(0).Selected = 0;
  list().edit(1).Selected = 0;
  list().edit(3).Selected = 0;
  EXPECT_EQ(singleSelected(list()), 2u);
}

TEST_F(PropertyCommands, BoardFieldsWithNothingSelected) {
  const Change sized = applyBoardProperty(doc_, Property::BoardWidth, PropertyValue{80, {}});
  EXPECT_TRUE(sized.settings);
  EXPECT_FALSE(sized.message);
  EXPECT_EQ(doc_.working().width, 8000);
  EXPECT_TRUE(doc_.modified());
  EXPECT_EQ(steps(), 0u);  // the board's size is no step of the history
  EXPECT_TRUE(applyBoardProperty(doc_, Property::BoardHeight, PropertyValue{600, {}}).message);
  EXPECT_EQ(doc_.working().height, 10000);
  applyBoardProperty(doc_, Property::BoardName, PropertyValue{0, "Main"});
  EXPECT_EQ(doc_.currentBoard().name, "Main");
  applyBoardProperty(doc_, Property::Multilayer, PropertyValue{1, {}});
  EXPECT_EQ(doc_.working().multilayer, 1);
  EXPECT_EQ(doc_.working().visible[layer::I1], 1);
  EXPECT_DOUBLE_EQ(boardPropertyOf(doc_, Property::BoardWidth).number, 80);
  EXPECT_TRUE(applyBoardProperty(doc_, Property::Multilayer, PropertyValue{1, {}}).empty());
}

}  // namespace
}  // namespace trazello
