#include "Game.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace nonagra::testing {
namespace {

using form::colours::White;
using form::colours::Yellow;

int givenCell() {
    return static_cast<int>(puzzleOf(1, 1).find_first_not_of('x')) + 1;
}

TEST(DigitSelection, MovesBetweenButtonsAndClearsOnTheYellowOne) {
    Game g;
    g.f.SzamGomb[5].click();
    EXPECT_EQ(g.f.SzamGomb[5].BackColor.get(), Yellow);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "5");
    g.f.SzamGomb[7].click();
    EXPECT_EQ(g.f.SzamGomb[5].BackColor.get(), White);
    EXPECT_EQ(g.f.SzamGomb[7].BackColor.get(), Yellow);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "7");
    EXPECT_EQ(g.yellowButtons(), 1);
    g.f.SzamGomb[7].click();
    EXPECT_EQ(g.yellowButtons(), 0);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "");
}

TEST(DigitSelection, ButtonOfAnyOtherColourDoesNothing) {
    Game g;
    g.select(2);
    g.f.SzamGomb[3].BackColor = form::colours::Black;
    g.f.SzamGomb[3].click();
    EXPECT_EQ(g.f.SzamGomb[2].BackColor.get(), Yellow);
    EXPECT_EQ(g.f.SzamGomb[3].BackColor.get(), form::colours::Black);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "2");
}

TEST(DigitSelection, IndexOutsideTheButtonsFailsBeforeAnyWrite) {
    Game g;
    g.select(2);
    EXPECT_THROW(g.f.SzamGomb_Click(10), std::out_of_range);
    EXPECT_THROW(g.f.SzamGomb_Click(0), std::out_of_range);
    EXPECT_EQ(g.f.SzamGomb[2].BackColor.get(), Yellow);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "2");
}

TEST(Answers, PlaceRemoveAndReplace) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(4);
    g.rightClick(cell);
    g.select(9);
    g.rightClick(cell);
    ASSERT_EQ(g.notesOf(cell), "49");
    g.select(7);
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "7");
    EXPECT_EQ(g.notesOf(cell), "");
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    g.leftClick(cell);
    g.select(3);
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "3");
    EXPECT_TRUE(g.platform.messages.empty());
}

TEST(Answers, RemovingByTheSameDigitLeavesTheNotesAlone) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(7);
    g.leftClick(cell);
    g.f.SegedMezo[cell * 10 + 2].Caption = "2";
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    EXPECT_EQ(g.notesOf(cell), "2");
}

TEST(Answers, LeftClickWithNothingSelectedEmptiesTheCellAndItsNotes) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(8);
    g.leftClick(cell);
    g.f.SzamGomb[8].click();
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    g.select(5);
    g.rightClick(cell);
    g.f.SzamGomb[5].click();
    g.leftClick(cell);
    EXPECT_EQ(g.notesOf(cell), "");
    EXPECT_EQ(g.f.CiklusIndex, 82) << "the check ran its full test after the notes loop";
}

TEST(Answers, AGivenTakesNoInput) {
    Game g;
    const int cell = givenCell();
    const std::string given = g.f.Mezo[cell].Caption;
    g.select(given == "1" ? 2 : 1);
    g.leftClick(cell);
    g.rightClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), given);
    EXPECT_EQ(g.notesOf(cell), "");
}

TEST(Notes, RightClickTogglesTheSelectedDigitsNoteOnly) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(1);
    g.rightClick(cell);
    g.select(9);
    g.rightClick(cell);
    g.select(4);
    g.rightClick(cell);
    EXPECT_EQ(g.notesOf(cell), "149");
    EXPECT_EQ(g.f.SegedMezo[cell * 10 + 4].Caption.get(), "4");
    g.rightClick(cell);
    EXPECT_EQ(g.notesOf(cell), "19");
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
}

TEST(Notes, NeedASelectedDigitAndAnEmptyCell) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.rightClick(cell);
    EXPECT_EQ(g.notesOf(cell), "");
    g.select(6);
    g.leftClick(cell);
    g.select(2);
    g.rightClick(cell);
    EXPECT_EQ(g.notesOf(cell), "");
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "6");
}

TEST(Notes, ANoteOfAnotherDigitInItsPlaceIsLeftAsItIs) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.f.SegedMezo[cell * 10 + 3].Caption = "?";
    g.select(3);
    g.rightClick(cell);
    EXPECT_EQ(g.f.SegedMezo[cell * 10 + 3].Caption.get(), "?");
}

TEST(MouseButtons, MiddleButtonDoesNothing) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(5);
    const std::string board = g.captions();
    g.press(cell, form::MiddleButton);
    EXPECT_EQ(g.captions(), board);
    EXPECT_EQ(g.notesOf(cell), "");
    EXPECT_EQ(g.f.EgerGomb, form::MiddleButton);
}

TEST(MouseButtons, TheClickActsOnTheButtonOfTheLatestPress) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.select(5);
    g.f.Mezo[cell].press(form::LeftButton);
    g.f.Mezo[cell].press(form::RightButton);
    g.f.Mezo[cell].click();
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    EXPECT_EQ(g.notesOf(cell), "5");
}

TEST(MouseButtons, ClickOnACellOutsideTheBoardFailsBeforeAnyWrite) {
    Game g;
    g.select(5);
    const std::string board = g.captions();
    for (std::int16_t button : {form::LeftButton, form::RightButton}) {
        g.f.Mezo_MouseDown(82, button, 0, 0, 0);
        EXPECT_THROW(g.f.Mezo_Click(82), std::out_of_range);
        EXPECT_THROW(g.f.Mezo_Click(0), std::out_of_range);
    }
    EXPECT_EQ(g.captions(), board);
}

} // namespace
} // namespace nonagra::testing
