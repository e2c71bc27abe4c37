#include "bank/BankAdat.h"
#include "bank/FeladvanyTabla.h"

namespace nonagra {

void FeladvanyLetarolas(FeladvanyTabla& tar) {
    const bankadat::Par* par = bankadat::kParok;
    for (int szint = 1; szint <= bankadat::kSzintek; ++szint) {
        for (int szam = 1; szam <= bankadat::kSzintenkent; ++szam, ++par) {
            tar.Tarol(szam, 1, szint, par->feladvany);
            tar.Tarol(szam, 2, szint, par->megfejtes);
        }
    }
}

} // namespace nonagra
