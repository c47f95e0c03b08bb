#include "checks/Connections.h"

#include <gtest/gtest.h>

#include "model/Layer.h"

namespace trazello {
namespace {

Document twoLinkedPads(bool joined) {
  Document d;
  ElementList& list = d.elements();
  const ElementId a = list.append(newPad({100, -100}, layer::C1, padshape::Round, 50, 20)).Id;
  const ElementId b = list.append(newPad({600, -100}, layer::C1, padshape::Round, 50, 20)).Id;
  list.edit(0).Links = {b};
  list.edit(1).Links = {a};
  if (joined) {
    TObjekt t = newTrack(25, layer::C1);
    t.Points = {{100, -100}, {600, -100}};
    list.append(t);
  }
  d.setModified(false);
  return d;
}

TEST(Connections, ARealisedConnectionIsRemovedFromBothPads) {
  Document d = twoLinkedPads(true);
  EXPECT_TRUE(hasConnections(d.elements()));
  const RemovedConnections r = removeRealisedConnections(d);
  EXPECT_EQ(r.removed, 1);
  EXPECT_EQ(r.remaining, 0);
  EXPECT_EQ(messageText(r.message),
            "1 connections (rubberbands) removed.\r0 connections (rubberbands) remaining.");
  EXPECT_TRUE(d.elements()[0].Links.empty());
  EXPECT_TRUE(d.elements()[1].Links.empty());
  EXPECT_FALSE(hasConnections(d.elements()));
  EXPECT_TRUE(d.modified());
}

TEST(Connections, AnOpenConnectionStays) {
  Document d = twoLinkedPads(false);
  const RemovedConnections r = removeRealisedConnections(d);
  EXPECT_EQ(r.removed, 0);
  EXPECT_EQ(r.remaining, 1);
  EXPECT_EQ(d.elements()[0].Links.size(), 1u);
  EXPECT_FALSE(d.modified());
}

}  // namespace
}  // namespace trazello
