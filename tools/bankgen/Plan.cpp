#include "tools/bankgen/Plan.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Profile.h"

#include <algorithm>
#include <stdexcept>

namespace bankgen {

namespace {

// The givens counts and grades still to be supplied once the fixed and
// sparse slots are taken off the level's profile. Pairing the most givens
// with the easiest grades keeps every target within easy reach of removal.
std::vector<Target> RemainingTargets(int level, const std::vector<Slot>& taken) {
    LevelProfile need = TargetProfile()[level - 1];
    for (const auto& s : taken) {
        const Grid puzzle = s.fixed ? *ParsePuzzle(s.fixed->puzzle) : Grid{};
        const int givens = s.fixed ? CountGivens(puzzle) : s.target.givens;
        const Technique t = s.fixed ? Grade(puzzle) : s.target.hardest;
        --need.givens[givens];
        --need.hardest[static_cast<int>(t)];
    }
    std::vector<int> givens;
    for (auto it = need.givens.rbegin(); it != need.givens.rend(); ++it)
        givens.insert(givens.end(), it->second, it->first);
    std::vector<Technique> grades;
    for (int t = 0; t < kTechniques; ++t)
        grades.insert(grades.end(), need.hardest[t], static_cast<Technique>(t));
    if (givens.size() != grades.size())
        throw std::logic_error("level profile counts disagree");
    std::vector<Target> targets;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        Target t;
        t.givens = givens[i];
        t.symmetric = level != 1 || givens[i] == kLevelOneSymmetricGivens;
        t.centre = false;
        t.hardest = grades[i];
        targets.push_back(t);
    }
    return targets;
}

} // namespace

std::vector<Slot> PlanBank(std::uint64_t seed) {
    std::vector<Slot> slots(kBankSize);
    for (int level = 1; level <= kLevels; ++level) {
        std::vector<Slot> taken;
        std::vector<int> open;
        for (int number = 1; number <= kPerLevel; ++number) {
            Slot& s = slots[SlotOf(level, number)];
            s.level = level;
            s.number = number;
            for (const auto& f : kFixedPairs) {
                if (f.level == level && f.number == number)
                    s.fixed = &f;
            }
            if (!s.fixed && level == 2 && SparseNumbers().count(number)) {
                s.sparse = true;
                s.target = {kSparseGivens, true, true, Technique::HiddenSingle};
            }
            if (s.fixed || s.sparse)
                taken.push_back(s);
            else
                open.push_back(number);
        }
        auto targets = RemainingTargets(level, taken);
        Rng rng(Rng::Mix(seed, static_cast<std::uint64_t>(level)));
        rng.Shuffle(targets.begin(), targets.end());
        for (std::size_t i = 0; i < open.size(); ++i)
            slots[SlotOf(level, open[i])].target = targets[i];
    }
    return slots;
}

} // namespace bankgen
