// The Garamond built into the program: its own name, lining figures and the
// Hungarian letters in both weights, the faces the game's Garamond resolves
// to, a bold that keeps its weight at every scale, and help texts that have
// air between their lines yet stay inside their labels.
#include "qt/DeviceLayout.h"
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"
#include "ui/Hasznalat.h"

#include <QFontInfo>
#include <QFontMetrics>
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

QRawFont builtInAt(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies(builtIn());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(f);
}

// In Qt's glyph coordinates: the baseline at 0, y growing downwards.
QRectF inkOf(const QRawFont& raw, QChar c) {
    return raw.pathForGlyph(raw.glyphIndexesForString(QString(c)).value(0)).boundingRect();
}

// In fully black device pixels, drawn as a screen at this scale draws it.
double inkOfText(const QFont& font, const QString& text, double scale = 1) {
    QImage image(QSize(400, 60) * scale, QImage::Format_Grayscale8);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(5, 45, text);
    painter.end();
    long long ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            ink += 255 - line[x];
        }
    }
    return static_cast<double>(ink) / 255;
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

TEST(BuiltInGaramond, DigitsStandOnTheBaselineAsTallAsTheCapitalsInBothWeights) {
    for (bool bold : {false, true}) {
        const QRawFont raw = builtInAt(200, bold);
        ASSERT_EQ(raw.styleName(), bold ? "Bold" : "Regular");
        const QRectF capital = inkOf(raw, 'H');
        ASSERT_GT(capital.height(), 100);
        // Old-style figures reach only the x-height or hang below the line.
        for (char digit = '0'; digit <= '9'; ++digit) {
            const QRectF ink = inkOf(raw, QChar(digit));
            EXPECT_GT(-ink.top(), 0.92 * -capital.top()) << digit << " bold " << bold;
            EXPECT_LT(ink.bottom(), 0.1 * capital.height()) << digit << " bold " << bold;
        }
    }
}

TEST(BuiltInGaramond, HasEveryLetterOfHungarianAndTheDashInBothWeights) {
    const QString letters =
        QStringLiteral("aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyzAÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ–");
    for (bool bold : {false, true}) {
        const QRawFont raw = builtInAt(20, bold);
        for (QChar c : letters) {
            EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString() << " bold " << bold;
        }
    }
}

TEST(BuiltInGaramond, TheGamesGaramondIsTheBuiltInFaceInBothWeights) {
    const FontBook fonts = gameLikeFonts();
    const QFont regular = fonts.font({"Garamond", 13.5, false, false});
    const QFont bold = fonts.font({"Garamond", 25.5, true, false});
    EXPECT_EQ(QFontInfo(regular).family().toStdString(), "Nonagra Garamond");
    EXPECT_EQ(QFontInfo(bold).family().toStdString(), "Nonagra Garamond");
    // The bold is drawn from its own outlines, not from the regular's.
    EXPECT_EQ(QRawFont::fromFont(regular).styleName().toStdString(), "Regular");
    EXPECT_EQ(QRawFont::fromFont(bold).styleName().toStdString(), "Bold");
}

// An emboldened regular gains the same few pixels at every size, so at 2x it
// is relatively lighter than at 1x; a real bold scales with its outlines.
TEST(BuiltInGaramond, ItsBoldKeepsItsWeightAtEveryScale) {
    const FontBook fonts = gameLikeFonts();
    const QFont digitButton = fonts.font({"Garamond", 22.5, true, false});
    const QFont regular = fonts.font({"Garamond", 22.5, false, false});
    const QString digits = QStringLiteral("123456789");
    const QString words = QStringLiteral("Feladom Kilépés");
    const double digitsAt1x = inkOfText(digitButton, digits);
    const double ratioAt1x = inkOfText(digitButton, words) / inkOfText(regular, words);
    EXPECT_GT(ratioAt1x, 1.3);
    for (double scale : {1.5, 2.0}) {
        const double ratio =
            inkOfText(digitButton, words, scale) / inkOfText(regular, words, scale);
        EXPECT_NEAR(ratio / ratioAt1x, 1, 0.08) << scale;
        EXPECT_GE(inkOfText(digitButton, digits, scale), 0.93 * scale * scale * digitsAt1x)
            << scale;
    }
}

// The same flags as the painter's for a word-wrapped label.
int wrappedHeight(const QFont& font, const form::Label& label, double width) {
    const int align = label.Align == form::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, static_cast<int>(width), 10000),
                      Qt::AlignTop | Qt::TextWordWrap | align,
                      QString::fromStdString(label.Caption))
        .height();
}

TEST(BuiltInGaramond, HelpTextsHaveAirBetweenLinesAndStayInsideTheirLabels) {
    const FontBook fonts = gameLikeFonts();
    const QFont body = fonts.font({"Garamond", 13.5, false, false});
    const QRawFont raw = QRawFont::fromFont(body);
    // A double acute above one line and a descender of the line before it.
    const double reach = -inkOf(raw, QChar(0x0151)).top() + inkOf(raw, 'g').bottom();
    EXPECT_GE(QFontMetricsF(body).lineSpacing(), reach + 3);

    QtPlatform platform(fonts);
    const Hasznalat help(platform);
    int wrapping = 0;
    for (const form::Control* control : help.stacking()) {
        const auto* label = dynamic_cast<const form::Label*>(control);
        ASSERT_NE(label, nullptr);
        const QFont font = fonts.font(label->TextFont);
        for (double scale : {1.0, 1.5, 2.0}) {
            const DeviceLayout layout(help, scale);
            const QRectF box = layout.toLogical(layout.find(*label)->device);
            const int height = wrappedHeight(font, *label, box.width());
            EXPECT_LE(height, box.height()) << label->name() << " at " << scale;
            wrapping += height > QFontMetrics(font).lineSpacing() ? 1 : 0;
        }
    }
    // The two long paragraphs, at each scale.
    EXPECT_EQ(wrapping, 6);
}

} // namespace
} // namespace nonagra::qt::test
