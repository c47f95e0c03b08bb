#include "edit/SizeFields.h"

#include <gtest/gtest.h>

#include "model/Document.h"
#include "model/PadGeometry.h"

namespace trazello {
namespace {

TObjekt track(int32_t width, bool selected = true) {
  TObjekt t = newTrack(width, 1);
  appendPoint(t, {0, 0});
  appendPoint(t, {100, 0});
  t.Selected = selected;
  return t;
}

class SizeFieldsTest : public ::testing::Test {
 protected:
  Document doc;
  UndoHistory undo;
  SizeFields fields;
  LayerState layers;
  size_t steps() const { return doc.currentBoard().undoList.size(); }
};

TEST_F(SizeFieldsTest, TypingAWidthWithThreeTracksSelectedChangesAllInOneStep) {
  for (int w : {40, 40, 60}) doc.elements().append(track(w));
  doc.elements().append(track(40, false));
  fields.beginEdit();
  for (double typed : {0.0, 0.5, 0.55}) {
    fields.applyField(doc, undo, SizeField::TrackWidth, typed, true, layers);
  }
  fields.endEdit();
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(doc.elements()[i].Width, 55);
  EXPECT_EQ(doc.elements()[3].Width, 40);
  EXPECT_EQ(steps(), 1u);
  EXPECT_EQ(fields.remembered().trackWidth, 55);
  ASSERT_TRUE(UndoHistory::undo(doc.currentBoard()));
  EXPECT_EQ(doc.elements()[2].Width, 60);
}

TEST_F(SizeFieldsTest, EachChangeOutsideAnEditIsItsOwnStepAndNoChangeRecordsNothing) {
  doc.elements().append(track(40));
  doc.elements().append(track(40));
  fields.applyField(doc, undo, SizeField::TrackWidth, 0.4, false, layers);
  EXPECT_EQ(steps(), 0u);
  fields.applyField(doc, undo, SizeField::TrackWidth, 0.5, false, layers);
  fields.applyField(doc, undo, SizeField::TrackWidth, 0.6, false, layers);
  EXPECT_EQ(steps(), 2u);
}

TEST_F(SizeFieldsTest, ElementsOnHiddenLayersKeepTheirSize) {
  doc.elements().append(track(40));
  layers.visible[1] = 0;
  fields.applyField(doc, undo, SizeField::TrackWidth, 0.8, false, layers);
  EXPECT_EQ(doc.elements()[0].Width, 40);
  fields.applyField(doc, undo, SizeField::Clearance, 0.3, false, layers);
  EXPECT_EQ(doc.elements()[0].Clearance, 30);
}

TEST_F(SizeFieldsTest, SelectionSizesShowOnlyWhatTheElementsShare) {
  struct Case {
    std::vector<int32_t> widths;
    bool remember;
    std::optional<double> shown;
    int32_t remembered;
  };
  for (const Case& c : {Case{{40, 40, 60}, true, std::nullopt, 80}, Case{{40, 40}, true, 0.40, 40},
                        Case{{60}, false, 0.60, 80}, Case{{}, true, 0.80, 80}}) {
    ElementList list;
    for (int32_t w : c.widths) list.append(track(w));
    SizeFields f;
    const auto shown = f.showSelectionSizes(list, c.remember);
    EXPECT_EQ(shown.fields[0], c.shown);
    EXPECT_EQ(f.remembered().trackWidth, c.remembered);
  }
}

TEST_F(SizeFieldsTest, PadsGiveDiametersShapeAndPlatingOfTheLastPad) {
  ElementList list;
  TObjekt a = newPad({0, 0}, 1, padshape::Square, 75, 20);
  a.Selected = 1;
  a.Plated = 1;
  TObjekt b = a;
  b.Plated = 0;
  list.append(a);
  list.append(b);
  fields.current().plated = true;
  const auto shown = fields.showSelectionSizes(list, true);
  EXPECT_DOUBLE_EQ(*shown.fields[1], 1.5);
  EXPECT_DOUBLE_EQ(*shown.fields[2], 0.4);
  EXPECT_TRUE(shown.shapeChanged);
  EXPECT_EQ(fields.current().padShape, padshape::Square);
  EXPECT_FALSE(fields.current().plated);
}

TEST_F(SizeFieldsTest, DrillAboveOuterRaisesTheOuterDiameter) {
  TObjekt pad = newPad({0, 0}, 1, padshape::Round, 60, 20);
  pad.Selected = 1;
  doc.elements().append(pad);
  fields.current().padOuterRadius = 60;
  const auto other = fields.applyField(doc, undo, SizeField::PadDrill, 1.5, true, layers);
  ASSERT_TRUE(other);
  EXPECT_DOUBLE_EQ(*other, 1.5);
  EXPECT_DOUBLE_EQ(fields.current().padOuterRadius, 75);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeA, 75);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeB, 75);
  EXPECT_EQ(steps(), 1u);

  const auto lowered = fields.applyField(doc, undo, SizeField::PadOuter, 1.0, true, layers);
  EXPECT_DOUBLE_EQ(*lowered, 1.0);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeB, 50);
}

TEST_F(SizeFieldsTest, CircleKeepsItsMidRadius) {
  TObjekt circle = newCircle({0, 0}, 1, 550, 450);
  circle.Selected = 1;
  doc.elements().append(circle);
  fields.applyField(doc, undo, SizeField::TrackWidth, 0.5, false, layers);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeA, 525);
  EXPECT_FLOAT_EQ(doc.elements()[0].SizeB, 475);
}

TEST_F(SizeFieldsTest, SmdWidthKeepsTheHeight) {
  TObjekt smd = newSmdPad({0, 0}, 1, 90, 180);
  smd.Selected = 1;
  doc.elements().append(smd);
  fields.applyField(doc, undo, SizeField::SmdWidth, 1.2, false, layers);
  EXPECT_NEAR(smdSizeX(doc.elements()[0]), 120, 0.01);
  EXPECT_NEAR(smdSizeY(doc.elements()[0]), 180, 0.01);
}

TEST_F(SizeFieldsTest, PlatingIsSetOnlyOnCopperButClearedEverywhere) {
  for (uint8_t layer : {uint8_t{1}, uint8_t{2}}) {
    TObjekt pad = newPad({0, 0}, layer, padshape::Round, 60, 20);
    pad.Selected = 1;
    pad.Plated = 0;
    doc.elements().append(pad);
  }
  fields.applyPlating(doc, undo, true, layers);
  EXPECT_EQ(doc.elements()[0].Plated, 1);
  EXPECT_EQ(doc.elements()[1].Plated, 0);
  fields.applyPlating(doc, undo, false, layers);
  EXPECT_EQ(doc.elements()[0].Plated, 0);
  EXPECT_EQ(steps(), 2u);
}

TEST_F(SizeFieldsTest, ShapeRebuildsTheOutline) {
  TObjekt pad = newPad({0, 0}, 1, padshape::Round, 60, 20);
  pad.Selected = 1;
  doc.elements().append(pad);
  fields.applyShape(doc, undo, padshape::Octagon, layers);
  EXPECT_EQ(doc.elements()[0].PadShape, padshape::Octagon);
  EXPECT_EQ(doc.elements()[0].Points.size(), 8u);
  EXPECT_EQ(fields.current().padShape, padshape::Octagon);
}

}  // namespace
}  // namespace trazello
