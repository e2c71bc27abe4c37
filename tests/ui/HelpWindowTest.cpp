// The help window as built: its frame, its button and the page of text.
#include "UiTest.h"
#include "ui/Hasznalat.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>

namespace nonagra::uitest {
namespace {

class HelpWindow : public ::testing::Test {
protected:
    QuietPlatform platform;
    Hasznalat h{platform};
};

struct Text {
    form::Label Hasznalat::*Label;
    double Left, Top, Width, Height;
    double Points;
    bool Bold;
    bool Centred;
    const char* Caption; // nullptr: our own text
};

const std::array<Text, 10> Page{{
    {&Hasznalat::txtLeiras1, 12, 32.8, 221.6, 39.2, 16.5, true, false, "Nonagra program leírás"},
    {&Hasznalat::txtLeiras2, 9.6, 66.4, 600.8, 27.2, 13.5, false, false,
     "A feladat a hiányzó mezők kitöltése számokkal 1-től 9-ig az alábbi megkötésekkel:"},
    {&Hasznalat::Label1, 29.6, 90.4, 557.6, 29.6, 13.5, false, false,
     "- minden oszlopban és sorban ismétlés nélkül szerepeljen mind a 9 számjegy"},
    {&Hasznalat::Label2, 29.6, 116.8, 576.8, 29.6, 13.5, false, false,
     "- minden 3 x 3-as kis négyzetben ismétlés nélkül szerepeljen mind a 9 számjegy"},
    {&Hasznalat::Label3, 4.8, 144, 600.8, 113.6, 13.5, false, false,
     "Az alsó sorban lévő számokat kiválasztva lehet a tippeket beírni. Az éppen kiválasztott "
     "szám háttere sárga színű lesz. A játéktérbe a bal egér gombbal tehetők a megfejtés számok "
     "a jobb egér gombbal pedig a megjegyzés vagy jegyzet számok. Természetesen amint egy "
     "mezőbe beírunk egy megfejtés számot akkor automatikusan eltűnnek a jegyzet számok."},
    {&Hasznalat::Label4, 4.8, 264, 600.8, 72.8, 13.5, false, false,
     "Az utolsó üres mező kitöltésekor a program leellenőrzi a megoldást. Hibás kitöltés esetén "
     "megkapjuk hány számot rontottunk el, jó megoldás esetén a következő feladványt kapjuk."},
    {&Hasznalat::Label5, 2.4, 336, 334.4, 27.2, 13.5, false, false, nullptr},
    {&Hasznalat::Label6, 223.2, 391.2, 120.8, 27.2, 13.5, false, false, "Jó szórakozást"},
    {&Hasznalat::Label7, 461, 421, 151, 19, 10.5, false, true, nullptr},
    {&Hasznalat::Label8, 460, 441, 151, 19, 10.5, false, true, nullptr},
}};

// Code points of a UTF-8 text.
std::size_t characters(const std::string& text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

TEST_F(HelpWindow, FrameIsSizableWithACaptionOnlyTitleBarAndNoTaskbarEntry) {
    EXPECT_EQ(h.Caption, "Nonagra leírás");
    EXPECT_EQ(h.ClientWidth, 631 * 15);
    EXPECT_EQ(h.ClientHeight, 476 * 15);
    EXPECT_EQ(h.Border, form::FrameBorder::Sizable);
    EXPECT_FALSE(h.ControlBox);
    EXPECT_FALSE(h.MinButton);
    EXPECT_FALSE(h.MaxButton);
    EXPECT_FALSE(h.ShowInTaskbar);
    EXPECT_EQ(h.BackColor, (form::Rgb{0, 192, 192}));
    EXPECT_FALSE(static_cast<bool>(h.Load));
}

TEST_F(HelpWindow, TheCloseButtonIsTheOnlyWidgetAndHoldsTheFocus) {
    EXPECT_EQ(h.cmdBezar.Bounds, rectPx(475.2, 7.2, 134.4, 28.8));
    EXPECT_EQ(h.cmdBezar.Caption, "Bezár");
    EXPECT_EQ(h.cmdBezar.TextFont, (form::Font{"Garamond", 13.5, true, false}));
    EXPECT_EQ(h.widgets(), std::vector<form::Control*>{&h.cmdBezar});
    EXPECT_EQ(h.tabOrder(), std::vector<form::Control*>{&h.cmdBezar});
    h.cmdBezar.click();
    EXPECT_EQ(platform.log, std::vector<std::string>{"hide Hasznalat"});
}

TEST_F(HelpWindow, TextsStandWhereTheLayoutPutsThem) {
    for (const Text& expected : Page) {
        const form::Label& label = h.*expected.Label;
        EXPECT_EQ(label.Bounds,
                  rectPx(expected.Left, expected.Top, expected.Width, expected.Height))
            << label.name();
        EXPECT_EQ(label.TextFont, (form::Font{"Garamond", expected.Points, expected.Bold,
                                              label.name() == "txtLeiras1"}))
            << label.name();
        EXPECT_EQ(label.Align, expected.Centred ? form::Alignment::Center : form::Alignment::Left)
            << label.name();
        if (expected.Caption != nullptr) {
            EXPECT_EQ(label.Caption, expected.Caption) << label.name();
        }
    }
}

TEST_F(HelpWindow, OurOwnLinesAreShortSingleLinesThatSayWhatTheyShould) {
    for (const form::Label* label : {&h.Label5, &h.Label7, &h.Label8}) {
        const std::string& text = label->Caption.get();
        EXPECT_FALSE(text.empty()) << label->name();
        EXPECT_EQ(text.find('\n'), std::string::npos) << label->name();
        // No address that nobody answers at.
        EXPECT_EQ(text.find("://"), std::string::npos) << label->name();
    }
    EXPECT_NE(h.Label5.Caption.get().find("Szabad szoftver"), std::string::npos);
    EXPECT_NE(h.Label5.Caption.get().find("GNU GPL 3"), std::string::npos);
    EXPECT_NE(h.Label7.Caption.get().find("Nonagra"), std::string::npos);
    // The version the build and the package carry, so that a new release is not
    // announced under the old number.
    EXPECT_EQ(h.Label8.Caption.get(), "Nonagra " NONAGRA_VERSION);
    // Garamond averages under 0.4 em a character in Hungarian text; a longer line would wrap.
    EXPECT_LE(static_cast<double>(characters(h.Label5.Caption)), 334.4 / (18 * 0.4));
    EXPECT_LE(static_cast<double>(characters(h.Label7.Caption)), 151 / (14 * 0.4));
    EXPECT_LE(static_cast<double>(characters(h.Label8.Caption)), 151 / (14 * 0.4));
}

TEST_F(HelpWindow, EveryTextIsTransparentWrappingAndTakesNoInput) {
    ASSERT_EQ(h.stacking().size(), Page.size());
    for (const Text& expected : Page) {
        const form::Label& label = h.*expected.Label;
        EXPECT_NE(std::find(h.stacking().begin(), h.stacking().end(), &label), h.stacking().end())
            << label.name();
        EXPECT_EQ(label.Style, form::BackStyle::Transparent) << label.name();
        EXPECT_EQ(label.Border, form::BorderStyle::None) << label.name();
        EXPECT_EQ(label.ForeColor, form::Colour{form::SystemColour::WindowText}) << label.name();
        EXPECT_TRUE(label.WordWrap) << label.name();
        EXPECT_FALSE(label.takesInput()) << label.name();
    }
}

} // namespace
} // namespace nonagra::uitest
