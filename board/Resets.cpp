// The three resets of the board: cells, notes and digit buttons.
#include "board/FoMenu.h"

namespace nonagra {

void FoMenu::MezokAlapHelyzetbeAllitasa() {
    for (CiklusIndex = 1; CiklusIndex <= 81; ++CiklusIndex) {
        Mezo[CiklusIndex].Enabled = true;
        Mezo[CiklusIndex].Caption = "";
    }
}

void FoMenu::SegedMezokAlapHelyzetbeAllitasa() {
    for (CiklusIndex = 11; CiklusIndex <= 819; ++CiklusIndex) {
        // A decimal text ends in "0" exactly for the multiples of ten, which name no note.
        if (CiklusIndex % 10 != 0) {
            SegedMezo[CiklusIndex].Caption = "";
        }
    }
}

void FoMenu::SzamGombFeherites() {
    for (CiklusIndex = 1; CiklusIndex <= 9; ++CiklusIndex) {
        SzamGomb[CiklusIndex].BackColor = form::colours::White;
    }
}

} // namespace nonagra
