// Start-up, the help window and the end of the program.
#include "board/FoMenu.h"
#include "ui/Hasznalat.h"

#include <memory>

namespace nonagra {

void FoMenu::Form_Load() {
    FeladvanyLetarolas();
    UjFeladvanySzamlalo.Text = "1";
    UjFeladvanyKiiras();
    FeladvanySzintSzamlalo.Text = "1";
    FeladvanySzintKiiras();
    AktualisFeladvanyBetoltes(AktualisFeladvany);
}

void FoMenu::FeladvanyLetarolas() {
    nonagra::FeladvanyLetarolas(FeladvanyTar);
}

void FoMenu::cmdHasznalat_Click() {
    if (!hasznalat_) {
        hasznalat_ = std::make_unique<Hasznalat>(platform_);
    }
    platform_.showModal(*hasznalat_);
}

void FoMenu::cmdKilepes_Click() {
    platform_.endProgram();
}

void Hasznalat::cmdBezar_Click() {
    platform_.hide(*this);
}

} // namespace nonagra
