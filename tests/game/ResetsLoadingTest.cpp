#include "Game.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

namespace nonagra::testing {
namespace {

using form::colours::White;

TEST(Resets, CellResetEnablesAndEmptiesEveryCellAndLeavesTheRestAlone) {
    Game g;
    g.select(4);
    const int empty = g.firstEmptyCell();
    g.rightClick(empty);
    g.f.MezokAlapHelyzetbeAllitasa();
    for (const form::Label& cell : g.f.Mezo) {
        EXPECT_TRUE(cell.Enabled.get()) << cell.index();
        EXPECT_EQ(cell.Caption.get(), "") << cell.index();
    }
    EXPECT_EQ(g.notesOf(empty), "4");
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "4");
    EXPECT_EQ(g.f.CiklusIndex, 82);
}

TEST(Resets, NoteResetEmptiesAllNotesAndOnlyNotes) {
    Game g;
    for (int index : {11, 19, 101, 109, 811, 819}) {
        g.f.SegedMezo[index].Caption = std::to_string(index % 10);
    }
    const std::string board = g.captions();
    g.f.SegedMezokAlapHelyzetbeAllitasa();
    for (const form::Label& note : g.f.SegedMezo) {
        EXPECT_EQ(note.Caption.get(), "") << note.index();
    }
    EXPECT_EQ(g.captions(), board);
    EXPECT_EQ(g.f.CiklusIndex, 820);
    EXPECT_EQ(g.f.HibaSzam, 0);
}

TEST(Resets, WhiteningKeepsTheSelectedDigitText) {
    Game g;
    g.select(5);
    g.f.SzamGombFeherites();
    EXPECT_EQ(g.yellowButtons(), 0);
    for (const form::Label& button : g.f.SzamGomb) {
        EXPECT_EQ(button.BackColor.get(), White);
    }
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "5");
    EXPECT_EQ(g.f.CiklusIndex, 10);
}

TEST(Loading, PutsTheCountersPuzzleOnAResetBoard) {
    Game g;
    g.f.UjFeladvanySzamlalo.Text = "42";
    g.f.FeladvanySzintSzamlalo.Text = "3";
    g.f.MezokAlapHelyzetbeAllitasa();
    g.f.SegedMezokAlapHelyzetbeAllitasa();
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    EXPECT_TRUE(g.showsFreshly(42, 3));
    EXPECT_EQ(g.f.CiklusIndex, 82);
}

TEST(Loading, OntoAnUnresetBoardLeavesOldGivensDisabledButEmpty) {
    Game g;
    g.select(6);
    const int empty = g.firstEmptyCell();
    g.rightClick(empty);
    g.f.UjFeladvanySzamlalo.Text = "2";
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    const std::string_view before = puzzleOf(1, 1);
    const std::string_view after = puzzleOf(2, 1);
    int checked = 0;
    for (int cell = 1; cell <= 81; ++cell) {
        const auto i = static_cast<std::size_t>(cell - 1);
        if (before[i] != 'x' && after[i] == 'x') {
            EXPECT_FALSE(g.f.Mezo[cell].Enabled.get()) << cell;
            EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "") << cell;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ(g.notesOf(empty), "6");
    EXPECT_EQ(g.yellowButtons(), 1);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "6");
}

TEST(Loading, TwiceThroughTheSequenceGivesTheSameBoardAsOnce) {
    Game g;
    g.goTo(7, 2);
    const std::string once = g.captions();
    g.f.MezokAlapHelyzetbeAllitasa();
    g.f.SegedMezokAlapHelyzetbeAllitasa();
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    EXPECT_EQ(g.captions(), once);
    EXPECT_TRUE(g.showsFreshly(7, 2));
}

TEST(Loading, CounterTextsAreReadAsNumbers) {
    Game g;
    g.f.UjFeladvanySzamlalo.Text = " 12 ";
    g.f.FeladvanySzintSzamlalo.Text = "2.0";
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    EXPECT_EQ(g.f.AktualisMegfejtes, solutionOf(12, 2));
    g.f.UjFeladvanySzamlalo.Text = "12.5";
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    EXPECT_EQ(g.f.AktualisMegfejtes, solutionOf(12, 2));
    g.f.UjFeladvanySzamlalo.Text = "13.5";
    g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
    EXPECT_EQ(g.f.AktualisMegfejtes, solutionOf(14, 2));
}

struct BadCounters {
    const char* number;
    const char* level;
    bool conversion; // else out of range
};

class LoadingFailure : public ::testing::TestWithParam<BadCounters> {};

TEST_P(LoadingFailure, FailsBeforeWritingAnything) {
    Game g;
    g.select(3);
    g.leftClick(g.firstEmptyCell());
    const std::string board = g.captions();
    const std::string puzzle = g.f.AktualisFeladvany;
    const std::string solution = g.f.AktualisMegfejtes;
    g.f.UjFeladvanySzamlalo.Text = GetParam().number;
    g.f.FeladvanySzintSzamlalo.Text = GetParam().level;
    if (GetParam().conversion) {
        EXPECT_THROW(g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany), std::invalid_argument);
    } else {
        EXPECT_THROW(g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany), std::out_of_range);
    }
    EXPECT_EQ(g.f.AktualisFeladvany, puzzle);
    EXPECT_EQ(g.f.AktualisMegfejtes, solution);
    EXPECT_EQ(g.captions(), board);
}

// The number is tested before the level is even read.
INSTANTIATE_TEST_SUITE_P(
    Counters, LoadingFailure,
    ::testing::Values(BadCounters{"152", "1", false}, BadCounters{"1", "4", false},
                      BadCounters{"-1", "1", false}, BadCounters{"1", "-1", false},
                      BadCounters{"1e30", "1", false}, BadCounters{"abc", "1", true},
                      BadCounters{"", "1", true}, BadCounters{"1", "két", true},
                      BadCounters{"152", "abc", false}, BadCounters{"abc", "4", true}));

// Slot 0 of either index is part of the table but holds no pair: its empty text
// reads past its end as "", which is not "x", so every cell becomes an empty given.
TEST(Loading, SlotZeroLoadsAnEmptyLockedBoard) {
    for (const auto& [number, level] : {std::pair{"0", "1"}, std::pair{"1", "0"}}) {
        Game g;
        g.f.UjFeladvanySzamlalo.Text = number;
        g.f.FeladvanySzintSzamlalo.Text = level;
        g.f.AktualisFeladvanyBetoltes(g.f.AktualisFeladvany);
        EXPECT_EQ(g.f.AktualisFeladvany, "");
        EXPECT_EQ(g.f.AktualisMegfejtes, "");
        for (int cell = 1; cell <= 81; ++cell) {
            EXPECT_EQ(g.f.Mezo[cell].Caption, "");
            EXPECT_FALSE(g.f.Mezo[cell].Enabled);
        }
    }
}

} // namespace
} // namespace nonagra::testing
