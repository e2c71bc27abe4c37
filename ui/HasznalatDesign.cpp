// The help window as designed: its frame, the page of text and the button that hides it.
#include "ui/Hasznalat.h"
#include "ui/Layout.h"

#include <array>
#include <string>

namespace nonagra {

namespace {

using ui::twips;

struct Paragraph {
    form::Label Hasznalat::*Label;
    form::Rect Bounds;
    form::Font TextFont;
    form::Alignment Align;
    const char* Caption;
};

const form::Font Heading{"Garamond", 16.5, true, true};
const form::Font Body{"Garamond", 13.5, false, false};
const form::Font Small{"Garamond", 10.5, false, false};
constexpr auto Left = form::Alignment::Left;
constexpr auto Centred = form::Alignment::Center;

// Top to bottom as the page reads.
const std::array<Paragraph, 10> Page{{
    {&Hasznalat::txtLeiras1, twips(12, 32.8, 221.6, 39.2), Heading, Left, "Nonagra program leírás"},
    {&Hasznalat::txtLeiras2, twips(9.6, 66.4, 600.8, 27.2), Body, Left,
     "A feladat a hiányzó mezők kitöltése számokkal 1-től 9-ig az alábbi megkötésekkel:"},
    {&Hasznalat::Label1, twips(29.6, 90.4, 557.6, 29.6), Body, Left,
     "- minden oszlopban és sorban ismétlés nélkül szerepeljen mind a 9 számjegy"},
    {&Hasznalat::Label2, twips(29.6, 116.8, 576.8, 29.6), Body, Left,
     "- minden 3 x 3-as kis négyzetben ismétlés nélkül szerepeljen mind a 9 számjegy"},
    {&Hasznalat::Label3, twips(4.8, 144, 600.8, 113.6), Body, Left,
     "Az alsó sorban lévő számokat kiválasztva lehet a tippeket beírni. Az éppen kiválasztott "
     "szám háttere sárga színű lesz. A játéktérbe a bal egér gombbal tehetők a megfejtés "
     "számok a jobb egér gombbal pedig a megjegyzés vagy jegyzet számok. Természetesen amint "
     "egy mezőbe beírunk egy megfejtés számot akkor automatikusan eltűnnek a jegyzet számok."},
    {&Hasznalat::Label4, twips(4.8, 264, 600.8, 72.8), Body, Left,
     "Az utolsó üres mező kitöltésekor a program leellenőrzi a megoldást. Hibás kitöltés "
     "esetén megkapjuk hány számot rontottunk el, jó megoldás esetén a következő feladványt "
     "kapjuk."},
    {&Hasznalat::Label5, twips(2.4, 336, 334.4, 27.2), Body, Left,
     "Szabad szoftver: GNU GPL 3. vagy újabb."},
    {&Hasznalat::Label6, twips(223.2, 391.2, 120.8, 27.2), Body, Left, "Jó szórakozást"},
    {&Hasznalat::Label7, twips(461, 421, 151, 19), Small, Centred, "A Nonagra projekt"},
    {&Hasznalat::Label8, twips(460, 441, 151, 19), Small, Centred, "Nonagra 2.0"},
}};

} // namespace

Hasznalat::Hasznalat(form::Platform& platform)
    : Form("Hasznalat"), cmdBezar(*this, "cmdBezar"), txtLeiras1(*this, "txtLeiras1"),
      txtLeiras2(*this, "txtLeiras2"), Label1(*this, "Label1"), Label2(*this, "Label2"),
      Label3(*this, "Label3"), Label4(*this, "Label4"), Label5(*this, "Label5"),
      Label6(*this, "Label6"), Label7(*this, "Label7"), Label8(*this, "Label8"),
      platform_(platform) {
    Caption = "Nonagra leírás";
    ClientWidth = twips(631);
    ClientHeight = twips(476);
    Border = form::FrameBorder::Sizable;
    ControlBox = false;
    MinButton = false;
    MaxButton = false;
    ShowInTaskbar = false;
    BackColor = form::colours::WindowBackground;

    cmdBezar.Bounds = twips(475.2, 7.2, 134.4, 28.8);
    cmdBezar.Caption = "Bezár";
    cmdBezar.TextFont = {"Garamond", 13.5, true, false};
    cmdBezar.Click = [this] { cmdBezar_Click(); };
    addWidget(cmdBezar);
    setTabOrder({&cmdBezar});

    // The text stands on the window colour and wraps inside its label; a screen
    // reader reads it paragraph by paragraph.
    for (const Paragraph& paragraph : Page) {
        form::Label& label = this->*paragraph.Label;
        label.Bounds = paragraph.Bounds;
        label.TextFont = paragraph.TextFont;
        label.Align = paragraph.Align;
        label.Caption = paragraph.Caption;
        label.Style = form::BackStyle::Transparent;
        label.Border = form::BorderStyle::None;
        label.ForeColor = form::SystemColour::WindowText;
        label.WordWrap = true;
        stackBelow(label);
        Accessible.Texts.push_back(&label);
    }
}

} // namespace nonagra
