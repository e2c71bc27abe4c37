#include "tools/bankgen/Ramp.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/FixedPairs.h"
#include "tools/bankgen/Parallel.h"
#include "tools/bankgen/Profile.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace bankgen {

namespace {

std::vector<double> MeanRanks(const std::vector<RatingKey>& x) {
    std::vector<int> order(x.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return x[a] < x[b]; });
    std::vector<double> rank(x.size());
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j < order.size() && !(x[order[i]] < x[order[j]]))
            ++j;
        for (std::size_t k = i; k < j; ++k)
            rank[order[k]] = (static_cast<double>(i + j) - 1) / 2;
        i = j;
    }
    return rank;
}

} // namespace

std::vector<Rating> RateAll(const std::vector<Pair>& pairs, int threads) {
    std::vector<Rating> ratings(pairs.size());
    ForEach(static_cast<int>(pairs.size()), threads,
            [&](int i) { ratings[i] = Rate(pairs[i].puzzle); });
    return ratings;
}

bool IsFixedPlace(int level, int number) {
    for (const auto& f : kFixedPairs) {
        if (f.level == level && f.number == number)
            return true;
    }
    return level == 2 && SparseNumbers().count(number);
}

double RankCorrelation(const std::vector<RatingKey>& x, const std::vector<RatingKey>& y) {
    const auto rx = MeanRanks(x);
    const auto ry = MeanRanks(y);
    const double n = static_cast<double>(x.size());
    const double mx = std::accumulate(rx.begin(), rx.end(), 0.0) / n;
    const double my = std::accumulate(ry.begin(), ry.end(), 0.0) / n;
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < rx.size(); ++i) {
        sxy += (rx[i] - mx) * (ry[i] - my);
        sxx += (rx[i] - mx) * (rx[i] - mx);
        syy += (ry[i] - my) * (ry[i] - my);
    }
    return sxx > 0 && syy > 0 ? sxy / std::sqrt(sxx * syy) : 0;
}

double OverlapChance(const std::vector<RatingKey>& lower, const std::vector<RatingKey>& upper) {
    std::vector<RatingKey> sorted = upper;
    std::sort(sorted.begin(), sorted.end());
    double above = 0;
    for (const auto& k : lower)
        above +=
            static_cast<double>(std::lower_bound(sorted.begin(), sorted.end(), k) - sorted.begin());
    return above / (static_cast<double>(lower.size()) * static_cast<double>(upper.size()));
}

RampStats MeasureRamp(const std::vector<RatingKey>& keys) {
    RampStats s;
    std::array<std::vector<RatingKey>, kLevels> all;
    for (int level = 1; level <= kLevels; ++level) {
        std::vector<RatingKey> numbers, free;
        const RatingKey* previous = nullptr;
        for (int number = 1; number <= kPerLevel; ++number) {
            const int slot = SlotOf(level, number);
            all[level - 1].push_back(keys[slot]);
            if (IsFixedPlace(level, number))
                continue;
            numbers.push_back({number, 0});
            free.push_back(keys[slot]);
            if (previous && keys[slot] < *previous)
                s.descents.push_back(slot);
            previous = &keys[slot];
        }
        s.correlation[level - 1] = RankCorrelation(numbers, free);
    }
    for (int pair = 0; pair < 2; ++pair)
        s.overlap[pair] = OverlapChance(all[pair], all[pair + 1]);
    return s;
}

} // namespace bankgen
