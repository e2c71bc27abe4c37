// Giving up: the solution shown on the board.
#include "board/FoMenu.h"
#include "board/TextNumbers.h"

namespace nonagra {

void FoMenu::cmdFeladom_Click() {
    SegedMezokAlapHelyzetbeAllitasa();
    for (CiklusIndex = 1; CiklusIndex <= 81; ++CiklusIndex) {
        Mezo[CiklusIndex].Caption = std::string(characterAt(AktualisMegfejtes, CiklusIndex));
    }
}

} // namespace nonagra
