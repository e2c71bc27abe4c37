// The Garamond built into the program: its own name, lining figures, the
// Hungarian letters, and the face the game's Garamond resolves to, bold too.
#include "tests/qt/TestForms.h"
#include "ui/qt/FontBook.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

// Registered once, as the game does at start-up.
const QStringList& builtIn() {
    application();
    static const QStringList families = addBuiltInFaces();
    return families;
}

QRawFont builtInAt(int pixels) {
    QFont f;
    f.setFamilies(builtIn());
    f.setPixelSize(pixels);
    f.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(f);
}

// In Qt's glyph coordinates: the baseline at 0, y growing downwards.
QRectF inkOf(const QRawFont& raw, QChar c) {
    return raw.pathForGlyph(raw.glyphIndexesForString(QString(c)).value(0)).boundingRect();
}

int inkOfText(const QFont& font) {
    QImage image(400, 60, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(5, 45, QStringLiteral("Feladom 123"));
    painter.end();
    long long ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            ink += 255 - line[x];
        }
    }
    return static_cast<int>(ink / 255);
}

FontBook gameLikeFonts() {
    FontBook fonts;
    fonts.alias("Garamond", builtIn() + QStringList{"EB Garamond", "Garamond"}, QFont::Serif);
    fonts.requireLetters(QStringLiteral("őűŐŰáéíóöúü"));
    return fonts;
}

TEST(BuiltInGaramond, IsKnownByItsOwnNameOnly) {
    EXPECT_EQ(builtIn().join(", ").toStdString(), "Nonagra Garamond");
    EXPECT_EQ(builtInAt(20).familyName().toStdString(), "Nonagra Garamond");
}

TEST(BuiltInGaramond, DigitsStandOnTheBaselineAsTallAsTheCapitals) {
    const QRawFont raw = builtInAt(200);
    const QRectF capital = inkOf(raw, 'H');
    ASSERT_GT(capital.height(), 100);
    // Old-style figures reach only the x-height or hang below the line.
    for (char digit = '0'; digit <= '9'; ++digit) {
        const QRectF ink = inkOf(raw, QChar(digit));
        EXPECT_GT(-ink.top(), 0.92 * -capital.top()) << digit;
        EXPECT_LT(ink.bottom(), 0.1 * capital.height()) << digit;
    }
}

TEST(BuiltInGaramond, HasEveryLetterOfHungarianAndTheDash) {
    const QRawFont raw = builtInAt(20);
    const QString letters =
        QStringLiteral("aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyzAÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ–");
    for (QChar c : letters) {
        EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
    }
}

TEST(BuiltInGaramond, TheGamesGaramondIsTheBuiltInFaceInBothWeights) {
    const FontBook fonts = gameLikeFonts();
    EXPECT_EQ(QFontInfo(fonts.font({"Garamond", 13.5, false, false})).family().toStdString(),
              "Nonagra Garamond");
    EXPECT_EQ(QFontInfo(fonts.font({"Garamond", 25.5, true, false})).family().toStdString(),
              "Nonagra Garamond");
}

TEST(BuiltInGaramond, ItsBoldIsTheRegularFaceEmboldened) {
    const FontBook fonts = gameLikeFonts();
    const int regular = inkOfText(fonts.font({"Garamond", 22.5, false, false}));
    const int bold = inkOfText(fonts.font({"Garamond", 22.5, true, false}));
    EXPECT_GT(bold, regular * 13 / 10);
}

} // namespace
} // namespace nonagra::qt::test
