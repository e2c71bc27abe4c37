// The game's board through the adapter, pixel by pixel at the scales laptops
// use: one width for every thin border and one for every box line.
#include "qt/DeviceLayout.h"
#include "qt/Twips.h"
#include "tests/qt/RealMainWindow.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace nonagra::qt::test {
namespace {

struct Stripe {
    int start;
    int width;
};

// The black runs met along one row or column of device pixels.
std::vector<Stripe> blackRuns(const QImage& image, QPoint from, QPoint step, int count) {
    std::vector<Stripe> runs;
    Stripe run{0, 0};
    for (int i = 0; i < count; ++i) {
        if (image.pixelColor(from + i * step) == QColor(0, 0, 0)) {
            run.start = run.width == 0 ? i : run.start;
            ++run.width;
        } else if (run.width > 0) {
            runs.push_back(run);
            run.width = 0;
        }
    }
    return runs;
}

class Board : public ::testing::TestWithParam<double>, protected RealMainWindow {
protected:
    QImage render(double dpr) {
        QImage image(window.size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        window.render(&image);
        return image;
    }
};

// Along a row of cells and down a column of them: the frame line, two thin
// borders, a box line, two thin borders, a box line, two thin borders, the
// frame. Each of the eight lines shows its own width, with no cell border
// drawn beside it.
TEST_P(Board, EveryThinBorderHasOneWidthAndEveryBoxLineItsOwn) {
    const double dpr = GetParam();
    const QImage image = render(dpr);
    const auto at = [dpr](double logical) { return static_cast<int>(logical * dpr); };
    const std::vector<Stripe> across = blackRuns(image, {at(20), at(88)}, {1, 0}, at(390));
    const std::vector<Stripe> down = blackRuns(image, {at(88), at(20)}, {0, 1}, at(375));
    for (const std::vector<Stripe>& runs : {across, down}) {
        ASSERT_EQ(runs.size(), 10U) << dpr;
        for (const std::size_t thin : {1, 2, 4, 5, 7, 8}) {
            EXPECT_EQ(runs[thin].width, deviceWidth(1, dpr)) << dpr << " border " << thin;
        }
        for (const std::size_t box : {0, 3, 6, 9}) {
            EXPECT_EQ(runs[box].width, deviceWidth(5, dpr)) << dpr << " line " << box;
        }
    }
}

TEST_P(Board, AClickOnASharedBorderReachesOneOfItsTwoCells) {
    const double dpr = GetParam();
    const QImage image = render(dpr);
    const int left = static_cast<int>(20 * dpr);
    const std::vector<Stripe> across =
        blackRuns(image, {left, static_cast<int>(88 * dpr)}, {1, 0}, static_cast<int>(390 * dpr));
    ASSERT_EQ(across.size(), 10U);
    const DeviceLayout layout(menu, dpr);
    for (const std::size_t thin : {1, 2, 4, 5, 7, 8}) {
        // The second row's cells: the border's left cell is column thin - 1.
        const int cell = 9 + static_cast<int>(thin);
        for (int x = across[thin].start; x < across[thin].start + across[thin].width; ++x) {
            const form::Label* hit = layout.labelAt(QPointF((left + x + 0.5) / dpr, 88));
            EXPECT_TRUE(hit == &menu.Mezo[cell] || hit == &menu.Mezo[cell + 1])
                << dpr << " border " << thin << " pixel " << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Board, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0));

} // namespace
} // namespace nonagra::qt::test
