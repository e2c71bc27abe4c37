// Loading the puzzle that the two counters name onto the board.
#include "board/FoMenu.h"
#include "board/TextNumbers.h"

#include <stdexcept>
#include <string>

namespace nonagra {

namespace {

// The counter's text as a table index, tested against the table's bound.
long long counterIndex(const form::TextField& counter, int bound) {
    const double index = roundHalfEven(numberFromText(counter.Text.get()));
    if (!(index >= 0 && index < bound)) {
        throw std::out_of_range(counter.name() + " \"" + counter.Text.get() +
                                "\" is outside the puzzle bank");
    }
    return static_cast<long long>(index);
}

} // namespace

void FoMenu::AktualisFeladvanyBetoltes(std::string& Feladvany) {
    const long long szam = counterIndex(UjFeladvanySzamlalo, FeladvanyTabla::kSzamok);
    const long long szint = counterIndex(FeladvanySzintSzamlalo, FeladvanyTabla::kSzintek);
    const std::string_view feladvany = FeladvanyTar.Olvas(szam, 1, szint);
    const std::string_view megfejtes = FeladvanyTar.Olvas(szam, 2, szint);
    Feladvany = feladvany;
    AktualisMegfejtes = megfejtes;
    for (CiklusIndex = 1; CiklusIndex <= 81; ++CiklusIndex) {
        const std::string_view c = characterAt(Feladvany, CiklusIndex);
        if (c == "x") {
            Mezo[CiklusIndex].Caption = "";
        } else {
            Mezo[CiklusIndex].Caption = std::string(c);
            Mezo[CiklusIndex].Enabled = false;
        }
    }
}

} // namespace nonagra
