#include "Game.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace nonagra::testing {
namespace {

using form::MessageAnswer;
using form::MessageButtons;

const char* const Question = "Gratulálok! Jöhet a következő?";
const char* const FinalMessage = "Gratulálok. Az összes feldaványt megfejtetted. Türelem! Már "
                                 "készűlnek az újabb feladványok.";

int wrongDigit(char right) {
    return right == '1' ? 2 : 1;
}

// Fills the board leaving `count` empty cells, which it returns.
std::vector<int> fillAllButSome(Game& g, int count) {
    std::vector<int> open;
    for (int cell = 81; cell >= 1 && static_cast<int>(open.size()) < count; --cell) {
        if (g.f.Mezo[cell].Enabled) {
            open.push_back(cell);
        }
    }
    for (int digit = 1; digit <= 9; ++digit) {
        g.select(digit);
        for (int cell = 1; cell <= 81; ++cell) {
            if (g.f.Mezo[cell].Caption.get().empty() &&
                std::find(open.begin(), open.end(), cell) == open.end() &&
                solutionDigit(g.number(), g.level(), cell) == '0' + digit) {
                g.leftClick(cell);
            }
        }
    }
    return open;
}

// Solves the puzzle on the board, answering the question; returns the last digit placed.
char solve(Game& g, MessageAnswer answer) {
    const int last = fillAllButSome(g, 1).front();
    const char digit = solutionDigit(g.number(), g.level(), last);
    g.platform.answers.push_back(answer);
    g.select(digit - '0');
    g.leftClick(last);
    return digit;
}

TEST(Check, SilentWhileAnyCellIsEmptyWhateverTheOthersHold) {
    Game g;
    const int last = fillAllButSome(g, 1).front();
    g.select(1);
    for (int cell = 1; cell <= 81; ++cell) {
        if (g.f.Mezo[cell].Enabled && cell != last && g.f.Mezo[cell].Caption != "1") {
            g.leftClick(cell);
        }
    }
    EXPECT_TRUE(g.platform.messages.empty());
    EXPECT_EQ(g.f.HibaSzam, 0);
}

TEST(Check, CountsWrongCellsUntilTheyAreCorrected) {
    Game g;
    const std::vector<int> open = fillAllButSome(g, 3);
    for (int cell : open) {
        g.select(wrongDigit(solutionDigit(1, 1, cell)));
        g.leftClick(cell);
    }
    std::string board = g.captions();
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].title, "Nonagra");
    EXPECT_EQ(g.platform.messages[0].text, "3 rossz szám");
    EXPECT_EQ(g.platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(g.f.HibaSzam, 0);
    for (std::size_t fixed = 0; fixed < open.size(); ++fixed) {
        if (fixed + 1 == open.size()) {
            g.platform.answers.push_back(MessageAnswer::Yes);
        }
        g.select(solutionDigit(1, 1, open[fixed]) - '0');
        g.leftClick(open[fixed]);
        if (fixed == 0) {
            board[static_cast<std::size_t>(open[0] - 1)] = solutionDigit(1, 1, open[0]);
            EXPECT_EQ(g.captions(), board) << "only the clicked cell changed";
        }
    }
    ASSERT_EQ(g.platform.messages.size(), 4u);
    EXPECT_EQ(g.platform.messages[1].text, "2 rossz szám");
    EXPECT_EQ(g.platform.messages[2].text, "1 rossz szám");
    EXPECT_EQ(g.platform.messages[3].text, Question);
    EXPECT_EQ(g.platform.messages[3].buttons, MessageButtons::YesNo);
}

TEST(Advance, YesLoadsTheNextPuzzleOfTheLevelAndWhitensTheButtons) {
    Game g;
    g.goTo(5, 2);
    g.select(3);
    g.rightClick(g.firstEmptyCell());
    const char last = solve(g, MessageAnswer::Yes);
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "6");
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "2");
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 6");
    EXPECT_EQ(g.f.UjFeladvanyLepteto.Value.get(), 6);
    EXPECT_TRUE(g.showsFreshly(6, 2));
    EXPECT_EQ(g.yellowButtons(), 0);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), std::string(1, last));
    EXPECT_EQ(g.platform.programEnds, 0);
    EXPECT_EQ(g.f.HibaSzam, 0);
}

TEST(Advance, PuzzleSteppersHandlerRunsInsideTheAssignmentBeforeTheAdvancesOwnReset) {
    Game g;
    g.goTo(5, 1);
    int runs = 0;
    std::string counterSeen;
    std::string displaySeen;
    int yellowSeen = 0;
    auto handler = g.f.UjFeladvanyLepteto.Change;
    g.f.UjFeladvanyLepteto.Change = [&] {
        ++runs;
        counterSeen = g.f.UjFeladvanySzamlalo.Text;
        displaySeen = g.f.UjFeladvanyMutato.Text;
        yellowSeen = g.yellowButtons();
        handler();
    };
    solve(g, MessageAnswer::Yes);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(counterSeen, "6");
    EXPECT_EQ(displaySeen, "Feladvány - 5");
    EXPECT_EQ(yellowSeen, 1);
    EXPECT_TRUE(g.showsFreshly(6, 1));
}

TEST(Advance, AfterTheLastPuzzleOfALevelComesTheFirstOfTheNextWithTheLevelStepperLeftBehind) {
    Game g;
    g.goTo(151, 1);
    solve(g, MessageAnswer::Yes);
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "2");
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "1");
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Közepes");
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 1");
    EXPECT_EQ(g.f.UjFeladvanyLepteto.Value.get(), 1);
    EXPECT_EQ(g.f.FeladvanySzintLepteto.Value.get(), 1);
    EXPECT_TRUE(g.showsFreshly(1, 2));

    g.select(4);
    g.leftClick(g.firstEmptyCell());
    const std::string board = g.captions();
    g.f.FeladvanySzintLepteto.stepDown();
    EXPECT_EQ(g.captions(), board);
    g.f.FeladvanySzintLepteto.stepUp();
    EXPECT_EQ(g.f.FeladvanySzintLepteto.Value.get(), 2);
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "2");
    EXPECT_TRUE(g.showsFreshly(1, 2));
}

TEST(Advance, LastPuzzleOfTheLastLevelEndsTheProgramWithoutAQuestion) {
    Game g;
    g.goTo(151, 3);
    const int last = fillAllButSome(g, 1).front();
    g.select(solutionDigit(151, 3, last) - '0');
    g.leftClick(last);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].text, FinalMessage);
    EXPECT_EQ(g.platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(g.platform.log.back(), "end");
    EXPECT_EQ(g.platform.programEnds, 1);
    EXPECT_EQ(g.platform.writesAfterEnd, 0);
}

TEST(Advance, NoEndsTheProgramAndNothingRunsAfter) {
    Game g;
    solve(g, MessageAnswer::No);
    EXPECT_EQ(g.platform.programEnds, 1);
    EXPECT_EQ(g.platform.writesAfterEnd, 0);
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "1");
    EXPECT_EQ(g.f.HibaSzam, 0);
}

TEST(GiveUp, ShowsTheSolutionAndKeepsEverythingElse) {
    Game g;
    g.goTo(9, 3);
    const int cell = g.firstEmptyCell();
    g.select(5);
    g.rightClick(cell);
    g.f.cmdFeladom.click();
    EXPECT_EQ(g.captions(), solutionOf(9, 3));
    for (int i = 1; i <= 81; ++i) {
        EXPECT_EQ(g.notesOf(i), "");
        EXPECT_EQ(g.f.Mezo[i].Enabled.get(),
                  puzzleOf(9, 3)[static_cast<std::size_t>(i - 1)] == 'x');
    }
    EXPECT_TRUE(g.platform.messages.empty());
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "5");
    EXPECT_EQ(g.yellowButtons(), 1);
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "9");
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "3");
}

TEST(GiveUp, TheFullBoardStaysPlayable) {
    Game g;
    const int cell = g.firstEmptyCell();
    g.f.cmdFeladom.click();
    const char right = solutionDigit(1, 1, cell);
    g.select(right - '0');
    g.leftClick(cell);
    EXPECT_EQ(g.f.Mezo[cell].Caption.get(), "");
    EXPECT_TRUE(g.platform.messages.empty());
    g.select(wrongDigit(right));
    g.leftClick(cell);
    ASSERT_EQ(g.platform.messages.size(), 1u);
    EXPECT_EQ(g.platform.messages[0].text, "1 rossz szám");
}

} // namespace
} // namespace nonagra::testing
