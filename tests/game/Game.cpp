// The started game and the moves the tests make on it.
#include "Game.h"

#include <gtest/gtest.h>

namespace nonagra::testing {

const FeladvanyTabla& bank() {
    static const FeladvanyTabla table = [] {
        FeladvanyTabla filled;
        FeladvanyLetarolas(filled);
        return filled;
    }();
    return table;
}

std::string_view puzzleOf(int number, int level) {
    return bank().Olvas(number, 1, level);
}
std::string_view solutionOf(int number, int level) {
    return bank().Olvas(number, 2, level);
}
char solutionDigit(int number, int level, int cell) {
    return solutionOf(number, level)[static_cast<std::size_t>(cell - 1)];
}

Game::Game() {
    f.setObserver(&platform);
    f.Form_Load();
}

void Game::press(int cell, short button) {
    f.Mezo[cell].press(button);
    f.Mezo[cell].click();
}

void Game::select(int digit) {
    if (!(f.SzamGomb[digit].BackColor == form::colours::Yellow)) {
        f.SzamGomb[digit].click();
    }
}

void Game::fillAllBut(int keep) {
    for (int digit = 1; digit <= 9; ++digit) {
        select(digit);
        for (int cell = 1; cell <= 81; ++cell) {
            if (cell != keep && f.Mezo[cell].Caption.get().empty() &&
                solutionDigit(number(), level(), cell) == '0' + digit) {
                leftClick(cell);
            }
        }
    }
}

void Game::goTo(int number, int level) {
    f.FeladvanySzintLepteto.Value = static_cast<std::int16_t>(level);
    f.UjFeladvanyLepteto.Value = static_cast<std::int16_t>(number);
}

int Game::number() const {
    return std::stoi(f.UjFeladvanySzamlalo.Text.get());
}
int Game::level() const {
    return std::stoi(f.FeladvanySzintSzamlalo.Text.get());
}

int Game::firstEmptyCell() const {
    for (int cell = 1; cell <= 81; ++cell) {
        if (f.Mezo[cell].Caption.get().empty()) {
            return cell;
        }
    }
    return 0;
}

std::string Game::captions() const {
    std::string all;
    for (const form::Label& cell : f.Mezo) {
        all += cell.Caption.get().empty() ? std::string(".") : cell.Caption.get();
    }
    return all;
}

std::string Game::notesOf(int cell) const {
    std::string shown;
    for (int digit = 1; digit <= 9; ++digit) {
        shown += f.SegedMezo[cell * 10 + digit].Caption.get();
    }
    return shown;
}

int Game::yellowButtons() const {
    int yellow = 0;
    for (const form::Label& button : f.SzamGomb) {
        yellow += button.BackColor == form::colours::Yellow ? 1 : 0;
    }
    return yellow;
}

::testing::AssertionResult Game::showsFreshly(int number, int level) const {
    const std::string_view puzzle = puzzleOf(number, level);
    if (f.AktualisFeladvany != puzzle || f.AktualisMegfejtes != solutionOf(number, level)) {
        return ::testing::AssertionFailure() << "the form holds another puzzle";
    }
    for (int cell = 1; cell <= 81; ++cell) {
        const char given = puzzle[static_cast<std::size_t>(cell - 1)];
        const form::Label& mezo = f.Mezo[cell];
        const std::string expected = given == 'x' ? "" : std::string(1, given);
        if (mezo.Caption.get() != expected || mezo.Enabled.get() != (given == 'x')) {
            return ::testing::AssertionFailure()
                   << "cell " << cell << " shows \"" << mezo.Caption.get() << "\"";
        }
        if (!notesOf(cell).empty()) {
            return ::testing::AssertionFailure() << "cell " << cell << " has notes";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace nonagra::testing
