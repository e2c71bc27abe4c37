// Twips to screen pixels: lone edges to their nearest device pixel, shared
// edges snapped once, and the pointer on the same grid.
#include "qt/DeviceLayout.h"
#include "qt/Twips.h"
#include "tests/qt/TestForms.h"

#include <array>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

QRect deviceOf(const DeviceLayout& layout, const form::Control& control) {
    return layout.find(control)->device;
}

TEST(Geometry, ALoneEdgeGoesToItsNearestDevicePixel) {
    const BoardForm form;
    // The shared right edge lands where rounding alone would put it too.
    EXPECT_EQ(deviceOf(DeviceLayout(form, 1.0), form.Left), QRect(68, 30, 41, 40));
    EXPECT_EQ(deviceOf(DeviceLayout(form, 2.0), form.Left), QRect(136, 61, 82, 78));
    EXPECT_EQ(deviceOf(DeviceLayout(form, 1.0), form.Beyond).left(), 153);
}

// Three columns and two rows of cells as the right-hand box of a board lays
// them out: every neighbour overlaps by 0.8 pixel, with edges at fractions that
// round apart on their own (318.4 and 317.6 both to 318).
class Box : public form::Form {
public:
    Box() : Form("Box") {
        application();
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 3; ++c) {
                form::Label& cell = cells[static_cast<std::size_t>(r * 3 + c)];
                cell.Bounds = {tw(277.6 + 40 * c), tw(270.4 + 38.4 * r), tw(40.8), tw(39.2)};
                cell.Border = form::BorderStyle::FixedSingle;
                stackBelow(cell);
            }
        }
    }
    std::array<form::Label, 6> cells{{{*this, "Cell", 0},
                                      {*this, "Cell", 1},
                                      {*this, "Cell", 2},
                                      {*this, "Cell", 3},
                                      {*this, "Cell", 4},
                                      {*this, "Cell", 5}}};
};

TEST(Geometry, NeighboursOverlapInExactlyOneBorderAtEveryScale) {
    const Box box;
    for (const double dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const DeviceLayout layout(box, dpr);
        const int border = deviceWidth(1, dpr);
        const auto cell = [&](int r, int c) {
            return deviceOf(layout, box.cells[static_cast<std::size_t>(r * 3 + c)]);
        };
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 2; ++c) {
                EXPECT_EQ(cell(r, c).right() + 1 - cell(r, c + 1).left(), border)
                    << dpr << " row " << r << " columns " << c << "|" << c + 1;
            }
        }
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(cell(0, c).bottom() + 1 - cell(1, c).top(), border) << dpr << " column " << c;
        }
    }
}

TEST(Geometry, ALineCoversItsPenFromPixelCentres) {
    const BoardForm form;
    // 5 pixels wide at x 150.4: 148 to 152; square ends from 2 above 28.7.
    EXPECT_EQ(deviceOf(DeviceLayout(form, 1.0), form.BoxLine), QRect(148, 27, 5, 126));
    EXPECT_EQ(deviceOf(DeviceLayout(form, 2.0), form.BoxLine).left(), 297);
}

TEST(Geometry, ThePointerStandsForTheCentreOfItsDevicePixel) {
    EXPECT_EQ(twipsAt(QPointF(148, 10), 1.0), QPointF(148.5 * 15, 10.5 * 15));
    EXPECT_EQ(twipsAt(QPointF(148.5, 10), 2.0), QPointF(148.75 * 15, 10.25 * 15));
}

TEST(Geometry, AHitIsExactlyADrawnPixelAndASharedBorderGoesToTheTopmostCell) {
    BoardForm form;
    const DeviceLayout single(form, 1.0);
    EXPECT_EQ(single.labelAt(QPointF(148, 40)), &form.Right);
    EXPECT_EQ(single.labelAt(QPointF(149, 40)), nullptr);
    EXPECT_EQ(single.labelAt(QPointF(108, 40)), &form.Left);
    EXPECT_EQ(single.labelAt(QPointF(109, 40)), &form.Right);
    const DeviceLayout twice(form, 2.0);
    EXPECT_EQ(twice.labelAt(QPointF(148.5, 40)), &form.Right);
    EXPECT_EQ(twice.labelAt(QPointF(149, 40)), nullptr);
    EXPECT_EQ(twice.labelAt(QPointF(120, 69.25)), &form.Right);
    EXPECT_EQ(twice.labelAt(QPointF(120, 69.5)), nullptr);
}

TEST(Geometry, WidgetsSitOnWholePixels) {
    EXPECT_EQ(widgetRect({tw(453.6), tw(55.2), tw(134.4), tw(28)}), QRect(454, 55, 134, 28));
    EXPECT_EQ(widgetRect({tw(454.4), tw(131.2), tw(134.4), tw(28.8)}), QRect(454, 131, 134, 29));
}

} // namespace
} // namespace nonagra::qt::test
