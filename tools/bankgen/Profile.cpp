#include "tools/bankgen/Profile.h"

namespace bankgen {

const std::array<LevelProfile, 3>& TargetProfile() {
    static const std::array<LevelProfile, 3> profile = {{
        {{{36, 127}, {38, 24}}, {151, 0, 0, 0, 0, 0}},
        {{{19, 10}, {26, 13}, {28, 41}, {30, 41}, {32, 46}}, {61, 90, 0, 0, 0, 0}},
        {{{24, 20}, {26, 105}, {28, 12}, {30, 14}}, {42, 31, 28, 49, 0, 1}},
    }};
    return profile;
}

const std::set<int>& SparseNumbers() {
    static const std::set<int> numbers = {13, 14, 15, 31, 35, 46, 47, 58, 74, 80};
    return numbers;
}

} // namespace bankgen
