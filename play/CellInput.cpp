// The player's input: digit selection, answers and pencil notes.
#include "board/FoMenu.h"
#include "board/TextNumbers.h"

namespace nonagra {

void FoMenu::SzamGomb_Click(std::int16_t Index) {
    if (SzamGomb[Index].BackColor == form::colours::White) {
        SzamGombFeherites();
        SzamGomb[Index].BackColor = form::colours::Yellow;
        AktualisKijeloltSzam.Text = decimalText(Index);
    } else if (SzamGomb[Index].BackColor == form::colours::Yellow) {
        SzamGomb[Index].BackColor = form::colours::White;
        AktualisKijeloltSzam.Text = "";
    }
}

void FoMenu::Mezo_MouseDown(std::int16_t /*Index*/, std::int16_t Button, std::int16_t /*Shift*/,
                            int /*X*/, int /*Y*/) {
    EgerGomb = Button;
}

void FoMenu::Mezo_Click(std::int16_t Index) {
    if (EgerGomb == form::LeftButton) {
        const std::string& kijelolt = AktualisKijeloltSzam.Text.get();
        if (Mezo[Index].Caption == kijelolt && !kijelolt.empty()) {
            Mezo[Index].Caption = "";
            return;
        }
        Mezo[Index].Caption = kijelolt;
        for (CiklusIndex = 1; CiklusIndex <= 9; ++CiklusIndex) {
            SegedMezo[Index * 10 + CiklusIndex].Caption = "";
        }
        AktualisFeladvanyMegfejtes();
    } else if (EgerGomb == form::RightButton) {
        const std::string& kijelolt = AktualisKijeloltSzam.Text.get();
        if (kijelolt.empty() || !Mezo[Index].Caption.get().empty()) {
            return;
        }
        form::Label& jegyzet = SegedMezo[toInt16(Index * 10 + numberFromText(kijelolt))];
        if (jegyzet.Caption.get().empty()) {
            jegyzet.Caption = kijelolt;
        } else if (jegyzet.Caption == kijelolt) {
            jegyzet.Caption = "";
        }
    }
}

} // namespace nonagra
