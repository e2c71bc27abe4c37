#pragma once

#include "bank/FeladvanyTabla.h"
#include "form/ControlArray.h"
#include "form/Form.h"
#include "form/Label.h"
#include "form/Line.h"
#include "form/Platform.h"
#include "form/PushButton.h"
#include "form/ScrollBar.h"
#include "form/TextField.h"

#include <cstdint>
#include <memory>
#include <string>

namespace nonagra {

class Hasznalat;

// The main window: its controls are the game's state and every procedure of the
// game is one of its methods. The members are defined by concern:
//   ui/FoMenuDesign.cpp      construction: every control with its initial properties
//   bank (FeladvanyLetarolas) filling the puzzle bank
//   board/Resets.cpp         MezokAlapHelyzetbeAllitasa, SegedMezokAlapHelyzetbeAllitasa,
//                            SzamGombFeherites
//   board/Loading.cpp        AktualisFeladvanyBetoltes
//   play/CellInput.cpp       SzamGomb_Click, Mezo_MouseDown, Mezo_Click
//   play/Check.cpp           AktualisFeladvanyMegfejtes and the advance (Tovabblepes)
//   play/GiveUp.cpp          cmdFeladom_Click
//   flow/Selection.cpp       FeladvanySzintLepteto_Change, UjFeladvanyLepteto_Change,
//                            FeladvanySzintKiiras, UjFeladvanyKiiras
//   flow/Lifecycle.cpp       Form_Load, cmdHasznalat_Click, cmdKilepes_Click, FeladvanyLetarolas
class FoMenu : public form::Form {
public:
    explicit FoMenu(form::Platform& platform);
    ~FoMenu() override;

    // --- Controls, in the window's definition ---------------------------------
    form::TextField FeladvanySzintMutato;
    form::TextField FeladvanySzintSzamlalo;
    form::ScrollBar FeladvanySzintLepteto;
    form::TextField UjFeladvanyMutato;
    form::TextField UjFeladvanySzamlalo;
    form::ScrollBar UjFeladvanyLepteto;
    form::PushButton cmdFeladom;
    form::PushButton cmdKilepes;
    form::PushButton cmdHasznalat;
    form::TextField AktualisKijeloltSzam;
    form::Label Label1;
    form::ControlArray<form::Label> Mezo;      // 1..81, the cell index
    form::ControlArray<form::Label> SegedMezo; // cell * 10 + digit
    form::ControlArray<form::Label> SzamGomb;  // 1..9, the digit
    form::Line Line1;
    form::Line Line2;
    form::Line Line3;
    form::Line Line4;
    form::Line Line5;
    form::Line Line6;
    form::Line Line7;
    form::Line Line8;

    // --- Form-level variables -------------------------------------------------
    FeladvanyTabla FeladvanyTar;
    std::string AktualisFeladvany;
    std::string AktualisMegfejtes;
    std::int16_t CiklusIndex = 0;
    std::int16_t HibaSzam = 0;
    std::int16_t EgerGomb = 0;

    // --- Event handlers -------------------------------------------------------
    void Form_Load();
    void SzamGomb_Click(std::int16_t Index);
    void Mezo_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift, int X, int Y);
    void Mezo_Click(std::int16_t Index);
    void FeladvanySzintLepteto_Change();
    void UjFeladvanyLepteto_Change();
    void cmdFeladom_Click();
    void cmdHasznalat_Click();
    void cmdKilepes_Click();

    // --- Procedures -----------------------------------------------------------
    void FeladvanyLetarolas();
    void MezokAlapHelyzetbeAllitasa();
    void SegedMezokAlapHelyzetbeAllitasa();
    void SzamGombFeherites();
    void AktualisFeladvanyBetoltes(std::string& Feladvany);
    void AktualisFeladvanyMegfejtes();
    void FeladvanySzintKiiras();
    void UjFeladvanyKiiras();

    // The help window, once it has been asked for; one instance for the whole run.
    Hasznalat* helpWindow() const { return hasznalat_.get(); }

private:
    // The advance after a solved puzzle, on the player's Yes.
    void Tovabblepes();

    form::Platform& platform_;
    std::unique_ptr<Hasznalat> hasznalat_;
};

} // namespace nonagra
