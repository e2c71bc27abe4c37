// Choosing the level and the puzzle number, and the two fields that show them.
#include "board/FoMenu.h"
#include "board/TextNumbers.h"

namespace nonagra {

void FoMenu::FeladvanySzintLepteto_Change() {
    FeladvanySzintSzamlalo.Text = decimalText(FeladvanySzintLepteto.Value.get());
    FeladvanySzintKiiras();
    MezokAlapHelyzetbeAllitasa();
    SegedMezokAlapHelyzetbeAllitasa();
    AktualisFeladvanyBetoltes(AktualisFeladvany);
}

void FoMenu::UjFeladvanyLepteto_Change() {
    UjFeladvanySzamlalo.Text = decimalText(UjFeladvanyLepteto.Value.get());
    UjFeladvanyMutato.Text = "Feladvány - " + UjFeladvanySzamlalo.Text.get();
    MezokAlapHelyzetbeAllitasa();
    SegedMezokAlapHelyzetbeAllitasa();
    AktualisFeladvanyBetoltes(AktualisFeladvany);
}

void FoMenu::FeladvanySzintKiiras() {
    if (numberFromText(FeladvanySzintSzamlalo.Text.get()) == 1) {
        FeladvanySzintMutato.Text = "Egyszerű";
    } else if (numberFromText(FeladvanySzintSzamlalo.Text.get()) == 2) {
        FeladvanySzintMutato.Text = "Közepes";
    } else if (numberFromText(FeladvanySzintSzamlalo.Text.get()) == 3) {
        FeladvanySzintMutato.Text = "Nehéz";
    }
}

void FoMenu::UjFeladvanyKiiras() {
    UjFeladvanyMutato.Text = "Feladvány - " + UjFeladvanySzamlalo.Text.get();
}

} // namespace nonagra
