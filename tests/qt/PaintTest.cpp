// What the windowless controls look like, pixel by pixel.
#include "tests/qt/TestForms.h"
#include "ui/qt/FontBook.h"
#include "ui/qt/QtPlatform.h"

#include <QImage>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor background(0, 192, 192);

class Paint : public ::testing::Test {
protected:
    QImage render(double dpr = 1.0) {
        QImage image(window.size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::magenta);
        window.render(&image);
        return image;
    }

    BoardForm form;
    FontBook fonts;
    QtPlatform platform{fonts};
    FormView& window = platform.view(form);
};

TEST_F(Paint, TheWindowGroundTheBackdropAndAFlatBlackBorder) {
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(10, 10), background);
    EXPECT_EQ(image.pixelColor(40, 100), white);
    // The cell at 68, 30.4 with 40.8 x 39.2: border on columns 68 and 108,
    // rows 30 and 69; inside it the backdrop shows through.
    EXPECT_EQ(image.pixelColor(68, 50), black);
    EXPECT_EQ(image.pixelColor(108, 50), black);
    EXPECT_EQ(image.pixelColor(90, 30), black);
    EXPECT_EQ(image.pixelColor(90, 69), black);
    EXPECT_EQ(image.pixelColor(69, 50), white);
    EXPECT_EQ(image.pixelColor(107, 50), white);
    EXPECT_EQ(image.pixelColor(90, 68), white);
}

TEST_F(Paint, ABoxLineIsFivePixelsAcrossItsCoordinate) {
    const QImage image = render();
    for (int x = 148; x <= 152; ++x) {
        EXPECT_EQ(image.pixelColor(x, 100), black) << x;
    }
    EXPECT_EQ(image.pixelColor(147, 100), white);
    EXPECT_EQ(image.pixelColor(153, 100), white);
    // Beside it, the next box's cell keeps its own border.
    EXPECT_EQ(image.pixelColor(153, 50), black);
    EXPECT_EQ(image.pixelColor(154, 50), white);
    // Square ends: from two pixels above its first point.
    EXPECT_EQ(image.pixelColor(150, 27), black);
    EXPECT_EQ(image.pixelColor(150, 26), background);
}

TEST_F(Paint, ANoteIsOpaqueWhiteOverTheCellsTransparentGround) {
    form.Backdrop.BackColor = form::colours::Yellow;
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(74, 40), white);
    EXPECT_EQ(image.pixelColor(90, 50), QColor(255, 255, 0));
}

TEST_F(Paint, ACaptionIsDrawnInItsColourAndGreyedWhenDisabled) {
    const auto darkest = [](const QImage& image, const QRect& area) {
        QColor found = white;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y).lightness() < found.lightness()) {
                    found = image.pixelColor(x, y);
                }
            }
        }
        return found;
    };
    const QRect inside(110, 32, 36, 36);
    form.Right.Caption = "8";
    EXPECT_EQ(darkest(render(), inside), black);
    form.Right.Enabled = false;
    const QColor greyed = window.palette().color(QPalette::Disabled, QPalette::WindowText);
    ASSERT_NE(greyed, black);
    EXPECT_EQ(darkest(render(), inside), greyed);
}

TEST_F(Paint, ADoubleDensityScreenDrawsTheSameLayoutTwiceAsLarge) {
    const QImage small = render(1.0);
    const QImage large = render(2.0);
    for (const QPoint p : {QPoint(68, 50), QPoint(69, 50), QPoint(150, 100), QPoint(147, 100),
                           QPoint(90, 69), QPoint(90, 68), QPoint(10, 10), QPoint(150, 26)}) {
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
            EXPECT_EQ(large.pixelColor(p * 2 + d), small.pixelColor(p)) << p.x() << "," << p.y();
        }
    }
}

} // namespace
} // namespace nonagra::qt::test
