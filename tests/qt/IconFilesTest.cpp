// The desktop icon files: every drawn size and the scalable original show the
// window icon's grid, crisp on whole pixels, with an alpha channel.
#include "tests/qt/TestForms.h"

#include <QImage>
#include <QImageReader>
#include <QString>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

const QString iconDir = QStringLiteral(NONAGRA_ICON_DIR);
const QString appId = QStringLiteral("hu.nonagra.Nonagra");
const QColor cyan(0, 255, 255);
const QColor black(0, 0, 0);

// Counts the pixels darker than half grey in square (column, row) of the grid.
int inkIn(const QImage& image, int column, int row) {
    const double unit = image.width() / 32.0;
    int ink = 0;
    for (int y = static_cast<int>((2 + 10 * row) * unit); y < (10 + 10 * row) * unit; ++y) {
        for (int x = static_cast<int>((2 + 10 * column) * unit); x < (10 + 10 * column) * unit;
             ++x) {
            ink += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    return ink;
}

// The 32-unit design at the image's scale: black lines 2 units wide around
// cyan squares of 8, ink only in the four squares with a digit.
void expectTheGrid(const QImage& image) {
    const double unit = image.width() / 32.0;
    const auto at = [&](double x, double y) {
        return image.pixelColor(static_cast<int>(x * unit), static_cast<int>(y * unit));
    };
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(at(2 + 10 * i + 1, 2 + 10 * j + 1), cyan) << i << "," << j;
            EXPECT_EQ(at(10 * i + 1, 10 * j + 1), black) << i << "," << j;
        }
    }
    EXPECT_EQ(at(31, 31), black);
    if (image.width() >= 48) {
        for (const auto& [column, row, digit] : {std::tuple{0, 0, true},
                                                 {1, 1, true},
                                                 {2, 1, true},
                                                 {1, 2, true},
                                                 {1, 0, false},
                                                 {2, 0, false},
                                                 {0, 1, false},
                                                 {0, 2, false},
                                                 {2, 2, false}}) {
            EXPECT_EQ(inkIn(image, column, row) > 0, digit) << column << "," << row;
        }
    }
}

TEST(IconFiles, EveryDrawnSizeIsTheGridWithAnAlphaChannel) {
    for (const int size : {16, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage image(QStringLiteral("%1/%2x%2/%3.png").arg(iconDir).arg(size).arg(appId));
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        expectTheGrid(image);
    }
}

TEST(IconFiles, TheScalableIconParsesAndDrawsTheSameGrid) {
    QImageReader reader(QStringLiteral("%1/%2.svg").arg(iconDir, appId));
    ASSERT_TRUE(reader.canRead())
        << "Qt's SVG image plugin (qt6-svg-plugins, on Debian 12 libqt6svg6) reads the icon";
    EXPECT_EQ(reader.size(), QSize(32, 32));
    reader.setScaledSize(QSize(48, 48));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    expectTheGrid(image);
}

} // namespace
} // namespace nonagra::qt::test
