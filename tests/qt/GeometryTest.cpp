// Twips to screen pixels: each edge to its nearest device pixel.
#include "tests/qt/TestForms.h"
#include "ui/qt/Twips.h"

#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

const form::Rect firstCell{tw(28), tw(30.4), tw(40.8), tw(39.2)};
const form::Rect cellBelow{tw(28), tw(68.8), tw(40.8), tw(39.2)};

TEST(Geometry, EdgesRoundOnTheirOwnSoNeighboursShareABorder) {
    EXPECT_EQ(snappedRect(firstCell, 1.0), QRectF(28, 30, 41, 40));
    // The first cell's last row (69) is the next cell's first.
    EXPECT_EQ(snappedRect(cellBelow, 1.0).top(), 69);
}

TEST(Geometry, ADoubleDensityScreenPlacesEdgesOnHalfPixels) {
    EXPECT_EQ(snappedRect(firstCell, 2.0), QRectF(28, 30.5, 41, 39));
    EXPECT_EQ(snappedRect(cellBelow, 2.0).top(), 69);
}

TEST(Geometry, ThePointerStandsForTheCentreOfItsDevicePixel) {
    EXPECT_EQ(twipsAt(QPointF(148, 10), 1.0), QPointF(148.5 * 15, 10.5 * 15));
    EXPECT_EQ(twipsAt(QPointF(148.5, 10), 2.0), QPointF(148.75 * 15, 10.25 * 15));
}

TEST(Geometry, AHitIsExactlyADrawnPixel) {
    const form::Rect cell{tw(108), tw(30.4), tw(40.8), tw(39.2)};
    EXPECT_TRUE(covers(cell, QPointF(148, 40), 1.0));
    EXPECT_FALSE(covers(cell, QPointF(149, 40), 1.0));
    EXPECT_FALSE(covers(cell, QPointF(107, 40), 1.0));
    EXPECT_TRUE(covers(cell, QPointF(148.5, 40), 2.0));
    EXPECT_FALSE(covers(cell, QPointF(149, 40), 2.0));
    EXPECT_TRUE(covers(cell, QPointF(120, 69.25), 2.0));
    EXPECT_FALSE(covers(cell, QPointF(120, 69.5), 2.0));
}

TEST(Geometry, WidgetsSitOnWholePixels) {
    EXPECT_EQ(widgetRect({tw(453.6), tw(55.2), tw(134.4), tw(28)}), QRect(454, 55, 134, 28));
    EXPECT_EQ(widgetRect({tw(454.4), tw(131.2), tw(134.4), tw(28.8)}), QRect(454, 131, 134, 29));
}

} // namespace
} // namespace nonagra::qt::test
