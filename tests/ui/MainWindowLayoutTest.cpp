// The main window as built, against the layout's own tables: frame, geometry, looks, order.
#include "UiTest.h"
#include "board/FoMenu.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace nonagra::uitest {
namespace {

// As the layout lists them, not as the formula gives them.
constexpr std::array<double, 9> ColumnLefts{28, 68, 108, 152.8, 192.8, 232.8, 277.6, 317.6, 357.6};
constexpr std::array<double, 9> RowTops{30.4,  68.8,  107.2, 150.4, 188.8,
                                        227.2, 270.4, 308.8, 347.2};
constexpr std::array<std::array<double, 3>, 9> NoteOffsets{{{0.8, 14.4, 28},
                                                            {2.4, 16, 28.8},
                                                            {3.2, 16.8, 30.4},
                                                            {0.8, 14.4, 28},
                                                            {2.4, 16, 29.6},
                                                            {4, 17.6, 31.2},
                                                            {1.6, 15.2, 28.8},
                                                            {3.2, 16.8, 30.4},
                                                            {4.8, 18.4, 32}}};
constexpr std::array<double, 9> DigitButtonLefts{23.2,  65.6, 108.8, 152,  195.2,
                                                 237.6, 280,  322.4, 366.4};

const form::Font Garamond135Bold{"Garamond", 13.5, true, false};

class MainWindow : public ::testing::Test {
protected:
    QuietPlatform platform;
    FoMenu f{platform};

    const form::Control* widget(const std::string& name) const {
        for (const form::Control* control : f.widgets()) {
            if (control->name() == name) {
                return control;
            }
        }
        return nullptr;
    }

    // The label a press at (x, y) reaches: the topmost one that takes input there.
    const form::Label* pressed(int x, int y) const {
        for (const form::Control* control : f.stacking()) {
            const auto* label = dynamic_cast<const form::Label*>(control);
            if (label != nullptr && label->takesInput() && label->Bounds.contains(x, y)) {
                return label;
            }
        }
        return nullptr;
    }

    std::size_t stackPlace(const form::Control& control) const {
        const auto& order = f.stacking();
        return static_cast<std::size_t>(std::find(order.begin(), order.end(), &control) -
                                        order.begin());
    }
};

bool overlaps(const form::Rect& a, const form::Rect& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}

TEST_F(MainWindow, FrameIsFixedWithTitleMinimizeAndCloseOnTheWindowColour) {
    EXPECT_EQ(f.Caption, "Nonagra v2.0");
    EXPECT_EQ(f.ClientWidth, 644 * 15);
    EXPECT_EQ(f.ClientHeight, 485 * 15);
    EXPECT_EQ(f.Border, form::FrameBorder::FixedSingle);
    EXPECT_TRUE(f.ControlBox);
    EXPECT_TRUE(f.MinButton);
    EXPECT_FALSE(f.MaxButton);
    EXPECT_TRUE(f.ShowInTaskbar);
    EXPECT_EQ(f.BackColor, (form::Rgb{0, 192, 192}));
    ASSERT_TRUE(f.WindowIcon.has_value());
    EXPECT_TRUE(static_cast<bool>(f.Load));
}

TEST_F(MainWindow, ControlArraysHaveExactlyTheirIndexes) {
    EXPECT_EQ(f.Mezo.size(), 81u);
    EXPECT_FALSE(f.Mezo.exists(0));
    EXPECT_TRUE(f.Mezo.exists(1));
    EXPECT_TRUE(f.Mezo.exists(81));
    EXPECT_FALSE(f.Mezo.exists(82));

    EXPECT_EQ(f.SzamGomb.size(), 9u);
    EXPECT_FALSE(f.SzamGomb.exists(0));
    EXPECT_TRUE(f.SzamGomb.exists(9));
    EXPECT_FALSE(f.SzamGomb.exists(10));

    EXPECT_EQ(f.SegedMezo.size(), 729u);
    for (int n = 0; n <= 830; ++n) {
        const bool note = n >= 11 && n <= 819 && n % 10 != 0;
        EXPECT_EQ(f.SegedMezo.exists(n), note) << n;
    }
    EXPECT_THROW(f.SegedMezo[20], std::out_of_range);
    EXPECT_THROW(f.SegedMezo[820], std::out_of_range);
}

TEST_F(MainWindow, CellsLieOnTheListedColumnsAndRows) {
    for (int cell = 1; cell <= 81; ++cell) {
        const auto row = static_cast<std::size_t>((cell - 1) / 9);
        const auto column = static_cast<std::size_t>((cell - 1) % 9);
        EXPECT_EQ(f.Mezo[cell].Bounds, rectPx(ColumnLefts[column], RowTops[row], 40.8, 39.2))
            << "cell " << cell;
    }
}

TEST_F(MainWindow, CellsOfABoxShareABorderAndBoxesAreFourPixelsApart) {
    for (int column = 1; column <= 8; ++column) {
        const form::Rect& left = f.Mezo[column].Bounds;
        const form::Rect& right = f.Mezo[column + 1].Bounds;
        const int gap = right.Left - (left.Left + left.Width);
        EXPECT_EQ(gap, column % 3 == 0 ? tw(4) : -tw(0.8)) << "after column " << column;
    }
    for (int row = 1; row <= 8; ++row) {
        const form::Rect& upper = f.Mezo[(row - 1) * 9 + 1].Bounds;
        const form::Rect& lower = f.Mezo[row * 9 + 1].Bounds;
        const int gap = lower.Top - (upper.Top + upper.Height);
        EXPECT_EQ(gap, row % 3 == 0 ? tw(4) : -tw(0.8)) << "after row " << row;
    }
}

TEST_F(MainWindow, CellsAreTransparentBorderedCentredAndStartEmptyAndEnabled) {
    for (const form::Label& cell : f.Mezo) {
        EXPECT_EQ(cell.Caption, "");
        EXPECT_TRUE(cell.Enabled);
        EXPECT_TRUE(cell.Visible);
        EXPECT_EQ(cell.Align, form::Alignment::Center);
        EXPECT_EQ(cell.TextFont, (form::Font{"Garamond", 25.5, true, false}));
        EXPECT_EQ(cell.ForeColor, form::Colour{form::SystemColour::WindowText});
        EXPECT_EQ(cell.Style, form::BackStyle::Transparent);
        EXPECT_EQ(cell.Border, form::BorderStyle::FixedSingle);
        EXPECT_FALSE(cell.WordWrap);
    }
}

TEST_F(MainWindow, NotesFillTheirCellColumnByColumnAtTheListedOffsets) {
    for (int cell = 1; cell <= 81; ++cell) {
        const auto row = static_cast<std::size_t>((cell - 1) / 9);
        const auto column = static_cast<std::size_t>((cell - 1) % 9);
        for (int digit = 1; digit <= 9; ++digit) {
            const auto j = static_cast<std::size_t>((digit - 1) / 3);
            const int k = (digit - 1) % 3;
            const form::Rect expected{tw(ColumnLefts[column]) + tw(NoteOffsets[column][j]),
                                      tw(RowTops[row]) + tw(12.8) * k, tw(8), tw(12.8)};
            EXPECT_EQ(f.SegedMezo[cell * 10 + digit].Bounds, expected)
                << "cell " << cell << " digit " << digit;
        }
    }
}

TEST_F(MainWindow, EveryNoteLiesInsideItsCell) {
    for (int cell = 1; cell <= 81; ++cell) {
        const form::Rect& owner = f.Mezo[cell].Bounds;
        for (int digit = 1; digit <= 9; ++digit) {
            const form::Rect& note = f.SegedMezo[cell * 10 + digit].Bounds;
            EXPECT_GE(note.Left, owner.Left);
            EXPECT_GE(note.Top, owner.Top);
            EXPECT_LE(note.Left + note.Width, owner.Left + owner.Width);
            EXPECT_LE(note.Top + note.Height, owner.Top + owner.Height);
        }
    }
}

TEST_F(MainWindow, NotesAreSmallWhiteOpaqueAndEmpty) {
    for (const form::Label& note : f.SegedMezo) {
        EXPECT_EQ(note.Caption, "");
        EXPECT_TRUE(note.Enabled);
        EXPECT_TRUE(note.Visible);
        EXPECT_EQ(note.Align, form::Alignment::Center);
        EXPECT_EQ(note.TextFont, (form::Font{"Arial", 7.5, true, false}));
        EXPECT_EQ(note.ForeColor, form::Colour{form::SystemColour::ButtonText});
        EXPECT_EQ(note.Style, form::BackStyle::Opaque);
        EXPECT_EQ(note.BackColor, (form::Rgb{255, 255, 255}));
        EXPECT_EQ(note.Border, form::BorderStyle::None);
    }
}

TEST_F(MainWindow, DigitButtonsRunUnderTheBoardWhiteWithTheirDigits) {
    for (int digit = 1; digit <= 9; ++digit) {
        const form::Label& button = f.SzamGomb[digit];
        EXPECT_EQ(button.Bounds,
                  rectPx(DigitButtonLefts[static_cast<std::size_t>(digit - 1)], 408, 35.2, 32));
        EXPECT_EQ(button.Caption, std::string(1, static_cast<char>('0' + digit)));
        EXPECT_EQ(button.Align, form::Alignment::Center);
        EXPECT_EQ(button.TextFont, (form::Font{"Garamond", 22.5, true, false}));
        EXPECT_EQ(button.ForeColor, form::Colour{form::SystemColour::ButtonText});
        EXPECT_EQ(button.Style, form::BackStyle::Opaque);
        EXPECT_EQ(button.BackColor, (form::Rgb{255, 255, 255}));
        EXPECT_EQ(button.Border, form::BorderStyle::None);
        EXPECT_TRUE(button.Enabled);
    }
}

TEST_F(MainWindow, BackdropIsAnOpaqueWhiteSquareWithoutCaptionOrBorder) {
    EXPECT_EQ(f.Label1.Bounds, rectPx(24.8, 27.2, 377.6, 363.2));
    EXPECT_EQ(f.Label1.Caption, "");
    EXPECT_EQ(f.Label1.Style, form::BackStyle::Opaque);
    EXPECT_EQ(f.Label1.BackColor, (form::Rgb{255, 255, 255}));
    EXPECT_EQ(f.Label1.Border, form::BorderStyle::None);
}

struct SingleControl {
    const char* Name;
    double Left, Top, Width, Height;
    bool Visible;
    bool Enabled;
};

constexpr std::array<SingleControl, 10> SingleControls{{
    {"FeladvanySzintMutato", 453.6, 55.2, 134.4, 28, true, false},
    {"FeladvanySzintSzamlalo", 420.8, 58.4, 29.6, 20, false, true},
    {"FeladvanySzintLepteto", 589.6, 55.2, 20, 28, true, true},
    {"UjFeladvanyMutato", 453.6, 88, 134.4, 28, true, false},
    {"UjFeladvanySzamlalo", 420.8, 88.8, 29.6, 20, false, true},
    {"UjFeladvanyLepteto", 589.6, 88, 20, 28, true, true},
    {"cmdFeladom", 454.4, 131.2, 134.4, 28.8, true, true},
    {"cmdKilepes", 454.4, 244, 134.4, 28.8, true, true},
    {"cmdHasznalat", 453.6, 292.8, 134.4, 28.8, true, true},
    {"AktualisKijeloltSzam", 8, 408, 14.4, 20, false, false},
}};

TEST_F(MainWindow, SingleControlsAreTheWidgetsWithTheirPlacesAndStates) {
    ASSERT_EQ(f.widgets().size(), SingleControls.size());
    for (const SingleControl& expected : SingleControls) {
        const form::Control* control = widget(expected.Name);
        ASSERT_NE(control, nullptr) << expected.Name;
        EXPECT_EQ(control->Bounds,
                  rectPx(expected.Left, expected.Top, expected.Width, expected.Height))
            << expected.Name;
        EXPECT_EQ(control->Visible, expected.Visible) << expected.Name;
        EXPECT_EQ(control->Enabled, expected.Enabled) << expected.Name;
    }
}

TEST_F(MainWindow, NoWidgetCoversTheBoardOrItsDigitButtons) {
    for (const form::Control* control : f.widgets()) {
        EXPECT_FALSE(overlaps(control->Bounds, f.Label1.Bounds)) << control->name();
        for (const form::Label& button : f.SzamGomb) {
            EXPECT_FALSE(overlaps(control->Bounds, button.Bounds)) << control->name();
        }
    }
}

TEST_F(MainWindow, FieldsAndButtonsStartWithTheirFontsAndTexts) {
    EXPECT_EQ(f.FeladvanySzintMutato.TextFont, Garamond135Bold);
    EXPECT_EQ(f.UjFeladvanyMutato.TextFont, Garamond135Bold);
    EXPECT_FALSE(f.FeladvanySzintSzamlalo.TextFont.has_value());
    EXPECT_FALSE(f.UjFeladvanySzamlalo.TextFont.has_value());
    EXPECT_EQ(f.AktualisKijeloltSzam.TextFont, (form::Font{"Arial", 12, true, false}));
    for (const form::TextField* field :
         {&f.FeladvanySzintMutato, &f.FeladvanySzintSzamlalo, &f.UjFeladvanyMutato,
          &f.UjFeladvanySzamlalo, &f.AktualisKijeloltSzam}) {
        EXPECT_EQ(field->Text, "") << field->name();
    }
    EXPECT_EQ(f.cmdFeladom.Caption, "Feladom");
    EXPECT_EQ(f.cmdKilepes.Caption, "Kilépés");
    EXPECT_EQ(f.cmdHasznalat.Caption, "Használat");
    for (const form::PushButton* button : {&f.cmdFeladom, &f.cmdKilepes, &f.cmdHasznalat}) {
        EXPECT_EQ(button->TextFont, Garamond135Bold) << button->name();
    }
}

TEST_F(MainWindow, SteppersStepByOneWithinTheLevelsAndTheNumbers) {
    EXPECT_EQ(f.FeladvanySzintLepteto.Min, 1);
    EXPECT_EQ(f.FeladvanySzintLepteto.Max, 3);
    EXPECT_EQ(f.FeladvanySzintLepteto.Value, 1);
    EXPECT_EQ(f.UjFeladvanyLepteto.Min, 1);
    EXPECT_EQ(f.UjFeladvanyLepteto.Max, 151);
    EXPECT_EQ(f.UjFeladvanyLepteto.Value, 1);
    for (const form::ScrollBar* stepper : {&f.FeladvanySzintLepteto, &f.UjFeladvanyLepteto}) {
        EXPECT_EQ(stepper->SmallChange, 1) << stepper->name();
        EXPECT_EQ(stepper->LargeChange, 1) << stepper->name();
    }
}

struct LineEnds {
    form::Line FoMenu::*Line;
    double FromX, FromY, ToX, ToY;
};

// The layout's line table, in its order.
const std::array<LineEnds, 8> Lines{{
    {&FoMenu::Line1, 26.4, 28, 400, 28},
    {&FoMenu::Line2, 26.4, 388, 400, 388},
    {&FoMenu::Line3, 25.6, 28.7, 25.6, 387.2},
    {&FoMenu::Line6, 400, 28.8, 400, 388.1},
    {&FoMenu::Line4, 150.4, 28.7, 150.4, 388},
    {&FoMenu::Line5, 275.2, 28.7, 275.2, 388},
    {&FoMenu::Line7, 25.6, 148, 400, 148},
    {&FoMenu::Line8, 26.4, 268, 400, 268},
}};

// Within half a twip, so the two ends that lie between twips take one of their neighbours.
void expectNear(int twips, double pixels, const std::string& what) {
    EXPECT_LE(std::abs(twips - pixels * 15), 0.5 + 1e-9) << what;
}

TEST_F(MainWindow, BoxLinesRunBetweenTheirListedEnds) {
    for (const LineEnds& expected : Lines) {
        const form::Line& line = f.*expected.Line;
        expectNear(line.From.X, expected.FromX, line.name() + " from x");
        expectNear(line.From.Y, expected.FromY, line.name() + " from y");
        expectNear(line.To.X, expected.ToX, line.name() + " to x");
        expectNear(line.To.Y, expected.ToY, line.name() + " to y");
        EXPECT_EQ(line.WidthPixels, 5) << line.name();
        EXPECT_EQ(line.LineColour, form::Colour{form::SystemColour::WindowText}) << line.name();
    }
}

// The 5-pixel band a line paints, as a rectangle in twips.
form::Rect band(const form::Line& line) {
    const int half = tw(2.5);
    if (line.From.Y == line.To.Y) {
        return {line.From.X, line.From.Y - half, line.To.X - line.From.X, 2 * half};
    }
    return {line.From.X - half, line.From.Y, 2 * half, line.To.Y - line.From.Y};
}

bool inside(const form::Rect& inner, const form::Rect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top &&
           inner.Left + inner.Width <= outer.Left + outer.Width &&
           inner.Top + inner.Height <= outer.Top + outer.Height;
}

TEST_F(MainWindow, BoxLinesCoverTheGapsBetweenBoxesAndTheBoardsEdges) {
    const auto right = [](const form::Rect& r) { return r.Left + r.Width; };
    const auto bottom = [](const form::Rect& r) { return r.Top + r.Height; };
    const form::Rect& first = f.Mezo[1].Bounds;
    const form::Rect& last = f.Mezo[81].Bounds;
    const int top = first.Top;
    const int height = bottom(last) - top;
    const int left = first.Left;
    const int width = right(last) - left;
    // Vertical gaps after board columns 3 and 6, horizontal ones after rows 3 and 6.
    const form::Rect gapColumn3{right(f.Mezo[3].Bounds), top,
                                f.Mezo[4].Bounds.Left - right(f.Mezo[3].Bounds), height};
    const form::Rect gapColumn6{right(f.Mezo[6].Bounds), top,
                                f.Mezo[7].Bounds.Left - right(f.Mezo[6].Bounds), height};
    const form::Rect gapRow3{left, bottom(f.Mezo[19].Bounds), width,
                             f.Mezo[28].Bounds.Top - bottom(f.Mezo[19].Bounds)};
    const form::Rect gapRow6{left, bottom(f.Mezo[46].Bounds), width,
                             f.Mezo[55].Bounds.Top - bottom(f.Mezo[46].Bounds)};
    EXPECT_TRUE(inside(gapColumn3, band(f.Line4)));
    EXPECT_TRUE(inside(gapColumn6, band(f.Line5)));
    EXPECT_TRUE(inside(gapRow3, band(f.Line7)));
    EXPECT_TRUE(inside(gapRow6, band(f.Line8)));

    // The outer cell borders lie under the edge lines.
    const auto covers = [](const form::Rect& b, int x, int y) { return b.contains(x, y); };
    EXPECT_TRUE(covers(band(f.Line1), left + width / 2, top));
    EXPECT_TRUE(covers(band(f.Line2), left + width / 2, bottom(last) - 1));
    EXPECT_TRUE(covers(band(f.Line3), left, top + height / 2));
    EXPECT_TRUE(covers(band(f.Line6), right(last) - 1, top + height / 2));
}

TEST_F(MainWindow, StackingRunsLinesThenCellsThenNotesAndButtonsThenBackdrop) {
    const auto& order = f.stacking();
    ASSERT_EQ(order.size(), 8u + 81u + 729u + 9u + 1u);
    std::set<std::string> lines;
    for (std::size_t n = 0; n < 8; ++n) {
        ASSERT_NE(dynamic_cast<const form::Line*>(order[n]), nullptr) << n;
        lines.insert(order[n]->name());
    }
    EXPECT_EQ(lines.size(), 8u);
    for (std::size_t n = 8; n < 8 + 81; ++n) {
        EXPECT_EQ(order[n]->name(), "Mezo") << n;
    }
    std::set<int> notes;
    std::set<int> buttons;
    for (std::size_t n = 8 + 81; n < order.size() - 1; ++n) {
        if (order[n]->name() == "SegedMezo") {
            notes.insert(order[n]->index());
        } else {
            EXPECT_EQ(order[n]->name(), "SzamGomb") << n;
            buttons.insert(order[n]->index());
        }
    }
    EXPECT_EQ(notes.size(), 729u);
    EXPECT_EQ(buttons.size(), 9u);
    EXPECT_EQ(order.back(), &f.Label1);
    for (const form::Control* control : f.widgets()) {
        EXPECT_EQ(std::count(order.begin(), order.end(), control), 0) << control->name();
    }
    EXPECT_LT(stackPlace(f.Mezo[81]), stackPlace(f.SegedMezo[811]));
}

TEST_F(MainWindow, APressOnANoteReachesItsCell) {
    for (int cell = 1; cell <= 81; ++cell) {
        for (int digit = 1; digit <= 9; ++digit) {
            const form::Rect& note = f.SegedMezo[cell * 10 + digit].Bounds;
            const form::Label* hit =
                pressed(note.Left + note.Width / 2, note.Top + note.Height / 2);
            ASSERT_NE(hit, nullptr);
            EXPECT_EQ(hit, &f.Mezo[cell]) << "note " << cell * 10 + digit;
        }
    }
}

TEST_F(MainWindow, APressInTheGapBetweenBoxesOrOnTheMarginReachesNothing) {
    const form::Rect& third = f.Mezo[3].Bounds;
    const int gapX = (third.Left + third.Width + f.Mezo[4].Bounds.Left) / 2;
    EXPECT_EQ(pressed(gapX, third.Top + third.Height / 2), nullptr);
    const form::Rect& below = f.Mezo[19].Bounds;
    const int gapY = (below.Top + below.Height + f.Mezo[28].Bounds.Top) / 2;
    EXPECT_EQ(pressed(below.Left + below.Width / 2, gapY), nullptr);
    EXPECT_EQ(pressed(f.Label1.Bounds.Left + 1, f.Label1.Bounds.Top + 1), nullptr);
}

TEST_F(MainWindow, APressOnACellsEdgeUnderABoxLineReachesTheCell) {
    const form::Rect& cell = f.Mezo[4].Bounds;
    const int x = cell.Left + 1;
    const int y = cell.Top + cell.Height / 2;
    ASSERT_TRUE(band(f.Line4).contains(x, y));
    EXPECT_EQ(pressed(x, y), &f.Mezo[4]);
}

TEST_F(MainWindow, FocusCyclesOverTheFiveFocusableControlsInTheirOrder) {
    const std::vector<const form::Control*> expected{&f.cmdFeladom, &f.cmdKilepes,
                                                     &f.UjFeladvanyLepteto, &f.cmdHasznalat,
                                                     &f.FeladvanySzintLepteto};
    ASSERT_EQ(f.tabOrder().size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(f.tabOrder()[n], expected[n]) << n;
        EXPECT_TRUE(f.tabOrder()[n]->Visible && f.tabOrder()[n]->Enabled) << n;
    }
}

} // namespace
} // namespace nonagra::uitest
