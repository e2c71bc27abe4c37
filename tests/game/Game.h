#pragma once

#include "FakePlatform.h"
#include "bank/FeladvanyTabla.h"
#include "board/FoMenu.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace nonagra::testing {

// The puzzle bank as the tests' oracle, filled once.
const FeladvanyTabla& bank();
std::string_view puzzleOf(int number, int level);
std::string_view solutionOf(int number, int level);
char solutionDigit(int number, int level, int cell);

// A started main window on the fake toolkit, driven through its controls as the
// adapter delivers events: a press on a cell is followed by its click.
struct Game {
    Game();

    void press(int cell, short button);
    void leftClick(int cell) { press(cell, form::LeftButton); }
    void rightClick(int cell) { press(cell, form::RightButton); }
    // Makes `digit` the selected one with a yellow button, clicking only as needed.
    void select(int digit);
    // Fills every empty cell but `keep` with its solution digit.
    void fillAllBut(int keep);
    // Brings the board to puzzle `number` of `level` through the steppers.
    void goTo(int number, int level);

    int number() const;
    int level() const;
    int firstEmptyCell() const;
    // The 81 captions with '.' for an empty cell.
    std::string captions() const;
    std::string notesOf(int cell) const;
    int yellowButtons() const;
    // The board shows puzzle `number` of `level` as loaded onto a reset board.
    ::testing::AssertionResult showsFreshly(int number, int level) const;

    FakePlatform platform;
    FoMenu f{platform};
};

} // namespace nonagra::testing
