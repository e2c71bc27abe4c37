#include "form/BoardKeys.h"

#include "Game.h"

#include <gtest/gtest.h>

namespace nonagra::testing {
namespace {

using form::BoardKey;
using form::KeyStroke;
using form::LabelInput;

// As the adapter delivers a key's input: the press, then the click if the
// label still takes it.
void type(form::BoardCursor& cursor, KeyStroke stroke) {
    for (const LabelInput& input : cursor.inputFor(stroke)) {
        input.label->press(input.button);
        if (input.label->takesInput()) {
            input.label->click();
        }
    }
}

KeyStroke digit(int d, bool note = false) {
    return {BoardKey::Digit, d, note};
}

void goToCell(form::BoardCursor& cursor, int cell) {
    cursor.move(BoardKey::FirstCell);
    for (int n = 1; n < (cell - 1) / 9 + 1; ++n) {
        cursor.move(BoardKey::Down);
    }
    for (int n = 1; n < (cell - 1) % 9 + 1; ++n) {
        cursor.move(BoardKey::Right);
    }
}

TEST(BoardKeys, MovesStopAtTheEdgesAndJumpToRowEndsAndCorners) {
    Game g;
    form::BoardCursor cursor(g.f.Accessible);
    EXPECT_EQ(&cursor.current(), &g.f.Mezo[1]);
    EXPECT_FALSE(cursor.move(BoardKey::Left));
    EXPECT_FALSE(cursor.move(BoardKey::Up));
    EXPECT_TRUE(cursor.move(BoardKey::Down));
    EXPECT_TRUE(cursor.move(BoardKey::Right));
    EXPECT_EQ(&cursor.current(), &g.f.Mezo[11]);
    EXPECT_TRUE(cursor.move(BoardKey::RowEnd));
    EXPECT_EQ(&cursor.current(), &g.f.Mezo[18]);
    EXPECT_FALSE(cursor.move(BoardKey::Right));
    EXPECT_TRUE(cursor.move(BoardKey::RowStart));
    EXPECT_EQ(&cursor.current(), &g.f.Mezo[10]);
    EXPECT_TRUE(cursor.move(BoardKey::LastCell));
    EXPECT_EQ(&cursor.current(), &g.f.Mezo[81]);
    EXPECT_FALSE(cursor.move(BoardKey::Down));
    EXPECT_FALSE(cursor.move(BoardKey::Digit));
    EXPECT_TRUE(cursor.move(BoardKey::FirstCell));
    EXPECT_EQ(cursor.position(), 0);
}

TEST(BoardKeys, ADigitIsItsButtonsClickUnlessSelectedThenTheCellsClick) {
    Game g;
    form::BoardCursor cursor(g.f.Accessible);
    const int cell = g.firstEmptyCell();
    goToCell(cursor, cell);
    EXPECT_EQ(cursor.inputFor(digit(5)),
              (std::vector<LabelInput>{{&g.f.SzamGomb[5], form::LeftButton},
                                       {&g.f.Mezo[cell], form::LeftButton}}));
    g.select(5);
    EXPECT_EQ(cursor.inputFor(digit(5, true)),
              (std::vector<LabelInput>{{&g.f.Mezo[cell], form::RightButton}}));
    EXPECT_TRUE(cursor.inputFor(digit(0)).empty());
    EXPECT_TRUE(cursor.inputFor(digit(10)).empty());
    EXPECT_TRUE(cursor.inputFor({BoardKey::Left, 0, false}).empty());
}

TEST(BoardKeys, DigitsPlaceReplaceAndTakeAwayWithoutEverDeselecting) {
    Game g;
    form::BoardCursor cursor(g.f.Accessible);
    const int cell = g.firstEmptyCell();
    goToCell(cursor, cell);
    type(cursor, digit(4, true));
    type(cursor, digit(6, true));
    EXPECT_EQ(g.notesOf(cell), "46");
    type(cursor, digit(6, true));
    EXPECT_EQ(g.notesOf(cell), "4");
    type(cursor, digit(7));
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "7");
    EXPECT_EQ(g.notesOf(cell), "");
    type(cursor, digit(3));
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "3");
    type(cursor, digit(3));
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    EXPECT_EQ(g.f.SzamGomb[3].BackColor.get(), form::colours::Yellow);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "3");
}

TEST(BoardKeys, EraseSelectsTheCellsOwnDigitAndLeavesEmptyCellsAlone) {
    Game g;
    form::BoardCursor cursor(g.f.Accessible);
    const int cell = g.firstEmptyCell();
    goToCell(cursor, cell);
    g.select(2);
    type(cursor, digit(2, true));
    type(cursor, {BoardKey::Erase, 0, false});
    EXPECT_EQ(g.notesOf(cell), "2");
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "2");
    type(cursor, digit(8));
    g.select(1);
    type(cursor, {BoardKey::Erase, 0, false});
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "8");
    EXPECT_TRUE(g.platform.messages.empty());
}

TEST(BoardKeys, OnAGivenNoKeyDoesAnything) {
    Game g;
    form::BoardCursor cursor(g.f.Accessible);
    int given = 1;
    while (g.f.Mezo[given].Enabled) {
        ++given;
    }
    goToCell(cursor, given);
    const std::string before = g.captions();
    for (KeyStroke stroke : {digit(1), digit(9, true), KeyStroke{BoardKey::Erase, 0, false}}) {
        EXPECT_TRUE(cursor.inputFor(stroke).empty());
    }
    EXPECT_EQ(g.captions(), before);
    EXPECT_EQ(g.yellowButtons(), 0);
}

} // namespace
} // namespace nonagra::testing
