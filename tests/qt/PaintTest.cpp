// What the windowless controls look like, pixel by pixel.
#include "qt/FontBook.h"
#include "qt/IconImage.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"

#include <QImage>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor background(0, 192, 192);

class Paint : public ::testing::Test {
protected:
    QImage render(double dpr = 1.0, const QRegion& area = {}) {
        QImage image(window.size() * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::magenta);
        window.render(&image, area.boundingRect().topLeft(), area);
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

QColor darkest(const QImage& image, const QRect& area) {
    QColor found = white;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).lightness() < found.lightness()) {
                found = image.pixelColor(x, y);
            }
        }
    }
    return found;
}

TEST_F(Paint, ACaptionIsDrawnInItsColourAndGreyedWhenDisabled) {
    const QRect inside(110, 32, 36, 36);
    form.Right.Caption = "8";
    EXPECT_EQ(darkest(render(), inside), black);
    form.Right.Enabled = false;
    const QColor greyed = window.palette().color(QPalette::Disabled, QPalette::WindowText);
    ASSERT_NE(greyed, black);
    EXPECT_EQ(darkest(render(), inside), greyed);
    // Repainting only the cell's own rectangle still draws its caption.
    form.Right.Enabled = true;
    const QRect cell(108, 30, 41, 40);
    EXPECT_EQ(darkest(render(1.0, cell), inside), black);
    const QImage twice = render(2.0, cell);
    EXPECT_EQ(darkest(twice, QRect(inside.topLeft() * 2, inside.size() * 2)), black);
}

// A given and a disabled display field are greyed so that they read on white
// and still stand apart from black answers.
TEST_F(Paint, GreyedTextReadsOnWhiteAndIsPlainlyLighterThanBlack) {
    form.Right.Caption = "8";
    form.Right.Enabled = false;
    form.Display.Text = "Egyszerű";
    QWidget& field = *window.widgetOf(form.Display);
    const QImage fieldImage = field.grab().toImage();
    const QColor given = darkest(render(), QRect(110, 32, 36, 36));
    const QColor display = darkest(fieldImage, fieldImage.rect().adjusted(3, 3, -3, -3));
    for (const QColor& greyed : {given, display}) {
        EXPECT_GE(contrast(greyed, white), 3.0) << greyed.name().toStdString();
        EXPECT_GE(contrast(greyed, black), 3.0) << greyed.name().toStdString();
    }
}

TEST_F(Paint, ADoubleDensityScreenDrawsEveryEdgeOnItsNearestDevicePixel) {
    const QImage image = render(2.0);
    // The cell's top edge at 30.4 is device row 61; its border is two rows.
    EXPECT_EQ(image.pixelColor(180, 60), white);
    EXPECT_EQ(image.pixelColor(180, 61), black);
    EXPECT_EQ(image.pixelColor(180, 62), black);
    EXPECT_EQ(image.pixelColor(180, 63), white);
    // The box line at 150.4 covers 148.4 to 153.4: device columns 297 to 306.
    EXPECT_EQ(image.pixelColor(296, 200), white);
    EXPECT_EQ(image.pixelColor(297, 200), black);
    EXPECT_EQ(image.pixelColor(306, 200), black);
    EXPECT_EQ(image.pixelColor(307, 200), white);
    EXPECT_EQ(image.pixelColor(20, 20), background);
}

TEST_F(Paint, AfterAScaleChangeTheWindowDrawsOnTheNewGrid) {
    render(2.0);
    BoardForm fresh;
    QtPlatform freshPlatform(fonts); // its window goes before the form it observes
    QImage expected(window.size(), QImage::Format_RGB32);
    freshPlatform.view(fresh).render(&expected);
    EXPECT_EQ(render(), expected);
}

// Rows of an odd width are no multiple of four bytes: each must still start
// where it should, with red, green and blue in their places.
TEST(IconImage, KeepsEveryPixelInPlace) {
    const form::Icon icon{
        3, 2, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 255, 255}, {1, 2, 3}, {255, 255, 255}}};
    const QImage image = iconImage(icon);
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const form::Rgb& p = icon.at(x, y);
            EXPECT_EQ(image.pixelColor(x, y), QColor(p.Red, p.Green, p.Blue)) << x << "," << y;
        }
    }
}

} // namespace
} // namespace nonagra::qt::test
