// The check of a full board and the advance to the next puzzle or level.
#include "board/FoMenu.h"
#include "board/TextNumbers.h"

namespace nonagra {

namespace {

const std::string Cim = "Nonagra";

} // namespace

void FoMenu::AktualisFeladvanyMegfejtes() {
    HibaSzam = 0;
    bool tele = true;
    for (CiklusIndex = 1; CiklusIndex <= 81; ++CiklusIndex) {
        if (Mezo[CiklusIndex].Caption.get().empty()) {
            tele = false;
        }
    }
    if (!tele) {
        HibaSzam = 0;
        return;
    }
    for (CiklusIndex = 1; CiklusIndex <= 81; ++CiklusIndex) {
        if (characterAt(AktualisMegfejtes, CiklusIndex) != Mezo[CiklusIndex].Caption.get()) {
            ++HibaSzam;
        }
    }
    if (HibaSzam > 0) {
        platform_.messageBox(Cim, decimalText(HibaSzam) + " rossz szám", form::MessageButtons::Ok);
        HibaSzam = 0;
        return;
    }
    // Both counters are converted, whatever the first comparison gives.
    const bool utolsoSzint = numberFromText(FeladvanySzintSzamlalo.Text.get()) == 3;
    const bool utolsoFeladvany = numberFromText(UjFeladvanySzamlalo.Text.get()) == 151;
    if (utolsoSzint && utolsoFeladvany) {
        platform_.messageBox(Cim,
                             "Gratulálok. Az összes feldaványt megfejtetted. Türelem! Már "
                             "készűlnek az újabb feladványok.",
                             form::MessageButtons::Ok);
        cmdKilepes_Click();
        return;
    }
    const form::MessageAnswer valasz =
        platform_.messageBox(Cim, "Gratulálok! Jöhet a következő?", form::MessageButtons::YesNo);
    HibaSzam = 0;
    if (valasz == form::MessageAnswer::Yes) {
        Tovabblepes();
    } else {
        cmdKilepes_Click();
    }
}

void FoMenu::Tovabblepes() {
    if (numberFromText(UjFeladvanySzamlalo.Text.get()) < 151) {
        UjFeladvanySzamlalo.Text = decimalText(numberFromText(UjFeladvanySzamlalo.Text.get()) + 1);
        UjFeladvanyLepteto.Value = toInt16(numberFromText(UjFeladvanySzamlalo.Text.get()));
        UjFeladvanyKiiras();
    } else if (numberFromText(FeladvanySzintSzamlalo.Text.get()) < 3) {
        FeladvanySzintSzamlalo.Text =
            decimalText(numberFromText(FeladvanySzintSzamlalo.Text.get()) + 1);
        UjFeladvanySzamlalo.Text = "1";
        UjFeladvanyLepteto.Value = toInt16(numberFromText(UjFeladvanySzamlalo.Text.get()));
        UjFeladvanyKiiras();
        FeladvanySzintKiiras();
    } else {
        return;
    }
    MezokAlapHelyzetbeAllitasa();
    SzamGombFeherites();
    SegedMezokAlapHelyzetbeAllitasa();
    AktualisFeladvanyBetoltes(AktualisFeladvany);
}

} // namespace nonagra
