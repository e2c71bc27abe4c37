#include "Game.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace nonagra::testing {
namespace {

// Leaves an answer and a note on the board, so that a reload shows.
void play(Game& g) {
    g.select(2);
    g.leftClick(g.firstEmptyCell());
    g.rightClick(g.firstEmptyCell());
}

TEST(LevelStepper, StepUpLoadsTheSameNumberFromTheNextLevel) {
    Game g;
    g.f.UjFeladvanyLepteto.Value = 17;
    play(g);
    g.f.FeladvanySzintLepteto.stepUp();
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "2");
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Közepes");
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "17");
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 17");
    EXPECT_TRUE(g.showsFreshly(17, 2));
    EXPECT_EQ(g.f.SzamGomb[2].BackColor.get(), form::colours::Yellow);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "2");
    g.f.FeladvanySzintLepteto.stepUp();
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Nehéz");
    EXPECT_TRUE(g.showsFreshly(17, 3));
}

TEST(Steppers, StepsPastEitherEndChangeNothing) {
    Game g;
    play(g);
    const std::string board = g.captions();
    const std::string notes = g.notesOf(g.firstEmptyCell());
    g.f.FeladvanySzintLepteto.stepDown();
    g.f.FeladvanySzintLepteto.pageDown();
    g.f.UjFeladvanyLepteto.stepDown();
    EXPECT_EQ(g.captions(), board);
    EXPECT_EQ(g.notesOf(g.firstEmptyCell()), notes);

    g.goTo(151, 3);
    play(g);
    const std::string last = g.captions();
    g.f.FeladvanySzintLepteto.stepUp();
    g.f.UjFeladvanyLepteto.stepUp();
    g.f.UjFeladvanyLepteto.pageUp();
    EXPECT_EQ(g.captions(), last);
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "151");
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "3");
}

TEST(PuzzleStepper, WritesTheNumberWithoutLeadingZeroOrBlank) {
    Game g;
    g.f.UjFeladvanyLepteto.Value = 9;
    g.f.UjFeladvanyLepteto.stepUp();
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "10");
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 10");
    EXPECT_TRUE(g.showsFreshly(10, 1));
}

TEST(PuzzleStepper, AnyChangeDiscardsTheBoardWithoutAQuestion) {
    Game g;
    play(g);
    g.f.UjFeladvanyLepteto.pageUp();
    EXPECT_TRUE(g.showsFreshly(2, 1));
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Egyszerű");
    EXPECT_TRUE(g.platform.messages.empty());
}

TEST(LevelName, ComparesTheCounterAsANumber) {
    Game g;
    g.f.FeladvanySzintSzamlalo.Text = "2.0";
    g.f.FeladvanySzintKiiras();
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Közepes");
    g.f.FeladvanySzintSzamlalo.Text = " 03";
    g.f.FeladvanySzintKiiras();
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Nehéz");
    g.f.FeladvanySzintSzamlalo.Text = "1";
    g.f.FeladvanySzintKiiras();
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Egyszerű");
}

TEST(LevelName, UnknownLevelKeepsTheNameAndNoNumberFails) {
    Game g;
    for (const char* level : {"4", "0", "1.5"}) {
        g.f.FeladvanySzintSzamlalo.Text = level;
        g.f.FeladvanySzintKiiras();
        EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Egyszerű");
    }
    g.f.FeladvanySzintSzamlalo.Text = "Közepes";
    EXPECT_THROW(g.f.FeladvanySzintKiiras(), std::invalid_argument);
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Egyszerű");
}

TEST(PuzzleDisplay, CopiesTheCounterTextUnconverted) {
    Game g;
    g.f.UjFeladvanySzamlalo.Text = "007";
    g.f.UjFeladvanyKiiras();
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 007");
}

} // namespace
} // namespace nonagra::testing
