// The main window as designed: every control with its initial properties, and the event wiring.
#include "board/FoMenu.h"
#include "ui/AccessibleTexts.h"
#include "ui/Hasznalat.h"
#include "ui/Layout.h"
#include "ui/MainWindowIcon.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace nonagra {

namespace {

using ui::twips;
using ui::twipsPoint;

const form::Font DisplayFont{"Garamond", 13.5, true, false};
const form::Font SelectedDigitFont{"Arial", 12, true, false};
const form::Font CellFont{"Garamond", 25.5, true, false};
const form::Font NoteFont{"Arial", 7.5, true, false};
const form::Font DigitButtonFont{"Garamond", 22.5, true, false};

// Cell (row, column) lies at 28 + 40 c + 4.8 (c div 3), 30.4 + 38.4 r + 4.8 (r div 3):
// cells of one box overlap by 0.8 px, boxes are 4 px apart under the box lines.
constexpr double CellLeft = 28;
constexpr double CellTop = 30.4;
constexpr double CellPitchX = 40;
constexpr double CellPitchY = 38.4;
constexpr double BoxGap = 4.8;
constexpr double CellWidth = 40.8;
constexpr double CellHeight = 39.2;

constexpr double NoteWidth = 8;
constexpr double NoteHeight = 12.8;
// Left of a note within its cell, by board column and note column (digits 1-3, 4-6, 7-9).
constexpr std::array<std::array<double, 3>, 9> NoteOffsetX{{
    {0.8, 14.4, 28},
    {2.4, 16, 28.8},
    {3.2, 16.8, 30.4},
    {0.8, 14.4, 28},
    {2.4, 16, 29.6},
    {4, 17.6, 31.2},
    {1.6, 15.2, 28.8},
    {3.2, 16.8, 30.4},
    {4.8, 18.4, 32},
}};

constexpr double DigitButtonTop = 408;
constexpr double DigitButtonWidth = 35.2;
constexpr double DigitButtonHeight = 32;
constexpr std::array<double, 9> DigitButtonLeft{23.2,  65.6, 108.8, 152,  195.2,
                                                237.6, 280,  322.4, 366.4};

struct LineEnds {
    double FromX, FromY, ToX, ToY;
};
// Line1 to Line8 in name order.
constexpr std::array<LineEnds, 8> BoxLines{{
    {26.4, 28, 400, 28},
    {26.4, 388, 400, 388},
    {25.6, 28.7, 25.6, 387.2},
    {150.4, 28.7, 150.4, 388},
    {275.2, 28.7, 275.2, 388},
    {400, 28.8, 400, 388.1},
    {25.6, 148, 400, 148},
    {26.4, 268, 400, 268},
}};
constexpr int BoxLineWidth = 5;

std::vector<int> indexRange(int first, int last) {
    std::vector<int> indexes;
    for (int index = first; index <= last; ++index) {
        indexes.push_back(index);
    }
    return indexes;
}

// cell * 10 + digit: 11..819 without the multiples of ten.
std::vector<int> noteIndexes() {
    std::vector<int> indexes;
    for (int cell = 1; cell <= 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            indexes.push_back(cell * 10 + digit);
        }
    }
    return indexes;
}

form::Rect cellBounds(int cell) {
    const int row = (cell - 1) / 9;
    const int column = (cell - 1) % 9;
    return {twips(CellLeft) + twips(CellPitchX) * column + twips(BoxGap) * (column / 3),
            twips(CellTop) + twips(CellPitchY) * row + twips(BoxGap) * (row / 3), twips(CellWidth),
            twips(CellHeight)};
}

// Notes fill their cell's 3 x 3 block column by column.
form::Rect noteBounds(int cell, int digit) {
    const form::Rect owner = cellBounds(cell);
    const auto boardColumn = static_cast<std::size_t>((cell - 1) % 9);
    const auto noteColumn = static_cast<std::size_t>((digit - 1) / 3);
    const int noteRow = (digit - 1) % 3;
    return {owner.Left + twips(NoteOffsetX[boardColumn][noteColumn]),
            owner.Top + twips(NoteHeight) * noteRow, twips(NoteWidth), twips(NoteHeight)};
}

void designLine(form::Line& line, const LineEnds& ends) {
    line.From = twipsPoint(ends.FromX, ends.FromY);
    line.To = twipsPoint(ends.ToX, ends.ToY);
    line.WidthPixels = BoxLineWidth;
    line.LineColour = form::SystemColour::WindowText;
}

void designStepper(form::ScrollBar& stepper, std::int16_t max) {
    stepper.initialise(1, max, 1);
    stepper.SmallChange = 1;
    stepper.LargeChange = 1;
}

void designButton(form::PushButton& button, const std::string& caption) {
    button.Caption = caption;
    button.TextFont = DisplayFont;
}

} // namespace

FoMenu::FoMenu(form::Platform& platform)
    : Form("FoMenu"), FeladvanySzintMutato(*this, "FeladvanySzintMutato"),
      FeladvanySzintSzamlalo(*this, "FeladvanySzintSzamlalo"),
      FeladvanySzintLepteto(*this, "FeladvanySzintLepteto"),
      UjFeladvanyMutato(*this, "UjFeladvanyMutato"),
      UjFeladvanySzamlalo(*this, "UjFeladvanySzamlalo"),
      UjFeladvanyLepteto(*this, "UjFeladvanyLepteto"), cmdFeladom(*this, "cmdFeladom"),
      cmdKilepes(*this, "cmdKilepes"), cmdHasznalat(*this, "cmdHasznalat"),
      AktualisKijeloltSzam(*this, "AktualisKijeloltSzam"), Label1(*this, "Label1"),
      Mezo(*this, "Mezo", indexRange(1, 81)), SegedMezo(*this, "SegedMezo", noteIndexes()),
      SzamGomb(*this, "SzamGomb", indexRange(1, 9)), Line1(*this, "Line1"), Line2(*this, "Line2"),
      Line3(*this, "Line3"), Line4(*this, "Line4"), Line5(*this, "Line5"), Line6(*this, "Line6"),
      Line7(*this, "Line7"), Line8(*this, "Line8"), platform_(platform) {
    Caption = "Nonagra v2.0";
    ClientWidth = twips(644);
    ClientHeight = twips(485);
    Border = form::FrameBorder::FixedSingle;
    ControlBox = true;
    MinButton = true;
    MaxButton = false;
    ShowInTaskbar = true;
    BackColor = form::colours::WindowBackground;
    WindowIcon = ui::mainWindowIcon();

    FeladvanySzintMutato.Bounds = twips(453.6, 55.2, 134.4, 28);
    FeladvanySzintMutato.TextFont = DisplayFont;
    FeladvanySzintMutato.Enabled = false;
    FeladvanySzintSzamlalo.Bounds = twips(420.8, 58.4, 29.6, 20);
    FeladvanySzintSzamlalo.Visible = false;
    FeladvanySzintLepteto.Bounds = twips(589.6, 55.2, 20, 28);
    designStepper(FeladvanySzintLepteto, 3);

    UjFeladvanyMutato.Bounds = twips(453.6, 88, 134.4, 28);
    UjFeladvanyMutato.TextFont = DisplayFont;
    UjFeladvanyMutato.Enabled = false;
    UjFeladvanySzamlalo.Bounds = twips(420.8, 88.8, 29.6, 20);
    UjFeladvanySzamlalo.Visible = false;
    UjFeladvanyLepteto.Bounds = twips(589.6, 88, 20, 28);
    designStepper(UjFeladvanyLepteto, 151);

    cmdFeladom.Bounds = twips(454.4, 131.2, 134.4, 28.8);
    designButton(cmdFeladom, "Feladom");
    cmdKilepes.Bounds = twips(454.4, 244, 134.4, 28.8);
    designButton(cmdKilepes, "Kilépés");
    cmdHasznalat.Bounds = twips(453.6, 292.8, 134.4, 28.8);
    designButton(cmdHasznalat, "Használat");

    AktualisKijeloltSzam.Bounds = twips(8, 408, 14.4, 20);
    AktualisKijeloltSzam.TextFont = SelectedDigitFont;
    AktualisKijeloltSzam.Visible = false;
    AktualisKijeloltSzam.Enabled = false;

    Label1.Bounds = twips(24.8, 27.2, 377.6, 363.2);
    Label1.Style = form::BackStyle::Opaque;
    Label1.BackColor = form::colours::White;

    for (form::Label& cell : Mezo) {
        cell.Bounds = cellBounds(cell.index());
        cell.Align = form::Alignment::Center;
        cell.TextFont = CellFont;
        cell.ForeColor = form::SystemColour::WindowText;
        cell.Style = form::BackStyle::Transparent;
        cell.Border = form::BorderStyle::FixedSingle;
    }
    for (form::Label& note : SegedMezo) {
        note.Bounds = noteBounds(note.index() / 10, note.index() % 10);
        note.Align = form::Alignment::Center;
        note.TextFont = NoteFont;
        note.ForeColor = form::SystemColour::ButtonText;
        note.Style = form::BackStyle::Opaque;
        note.BackColor = form::colours::White;
    }
    for (form::Label& button : SzamGomb) {
        const auto slot = static_cast<std::size_t>(button.index() - 1);
        button.Bounds =
            twips(DigitButtonLeft[slot], DigitButtonTop, DigitButtonWidth, DigitButtonHeight);
        button.Caption = std::to_string(button.index());
        button.Align = form::Alignment::Center;
        button.TextFont = DigitButtonFont;
        button.ForeColor = form::SystemColour::ButtonText;
        button.Style = form::BackStyle::Opaque;
        button.BackColor = form::colours::White;
    }
    const std::array<form::Line*, 8> lines{&Line1, &Line2, &Line3, &Line4,
                                           &Line5, &Line6, &Line7, &Line8};
    for (std::size_t n = 0; n < lines.size(); ++n) {
        designLine(*lines[n], BoxLines[n]);
    }

    // Lines over the cells' borders, cells over their notes, everything over the backdrop.
    for (form::Line* line : lines) {
        stackBelow(*line);
    }
    for (form::Label& cell : Mezo) {
        stackBelow(cell);
    }
    for (form::Label& note : SegedMezo) {
        stackBelow(note);
    }
    for (form::Label& button : SzamGomb) {
        stackBelow(button);
    }
    stackBelow(Label1);

    for (form::Control* widget : std::initializer_list<form::Control*>{
             &FeladvanySzintMutato, &FeladvanySzintSzamlalo, &FeladvanySzintLepteto,
             &UjFeladvanyMutato, &UjFeladvanySzamlalo, &UjFeladvanyLepteto, &cmdFeladom,
             &cmdKilepes, &cmdHasznalat, &AktualisKijeloltSzam}) {
        addWidget(*widget);
    }
    setTabOrder(
        {&cmdFeladom, &cmdKilepes, &UjFeladvanyLepteto, &cmdHasznalat, &FeladvanySzintLepteto});

    for (form::Label& cell : Mezo) {
        const auto index = static_cast<std::int16_t>(cell.index());
        cell.MouseDown = [this, index](short button, short shift, int x, int y) {
            Mezo_MouseDown(index, button, shift, x, y);
        };
        cell.Click = [this, index] { Mezo_Click(index); };
    }
    for (form::Label& button : SzamGomb) {
        const auto index = static_cast<std::int16_t>(button.index());
        button.Click = [this, index] { SzamGomb_Click(index); };
    }
    FeladvanySzintLepteto.Change = [this] { FeladvanySzintLepteto_Change(); };
    UjFeladvanyLepteto.Change = [this] { UjFeladvanyLepteto_Change(); };
    cmdFeladom.Click = [this] { cmdFeladom_Click(); };
    cmdKilepes.Click = [this] { cmdKilepes_Click(); };
    cmdHasznalat.Click = [this] { cmdHasznalat_Click(); };
    Load = [this] { Form_Load(); };
    ui::describeMainWindow(*this);
}

// Out of line, where the help window's type is complete.
FoMenu::~FoMenu() = default;

} // namespace nonagra
