// The bank's pairs as compiled-in constants, generated at build time from
// bank/data/bank.txt: level 1 numbers 1..151, then level 2, then level 3.
#pragma once

#include <string_view>

namespace nonagra::bankadat {

struct Par {
    std::string_view feladvany;
    std::string_view megfejtes;
};

inline constexpr int kSzintek = 3;
inline constexpr int kSzintenkent = 151;

extern const Par kParok[kSzintek * kSzintenkent];

} // namespace nonagra::bankadat
