#include "tools/bankgen/Select.h"

#include <algorithm>
#include <cmath>

namespace bankgen {

namespace {

struct Choice {
    std::size_t pool = 0;
    int out = -1; // position in the pool's chosen list
    int in = -1;  // candidate index taken instead
    long gain = 0;
};

class Selection {
public:
    Selection(const std::array<std::vector<RatingKey>, 3>& fixed, const std::vector<Pool>& pools)
        : fixed_(fixed), pools_(pools), chosen_(pools.size()) {
        for (std::size_t i = 0; i < pools.size(); ++i) {
            for (int k = 0; k < pools[i].slots; ++k)
                chosen_[i].push_back(k);
        }
        Refresh();
        medianCap_ = Median(levels_[2]);
    }

    // Pairs of keys, lower level above upper level, between levels l and l+1.
    long Crossings(int l) const {
        long n = 0;
        for (const auto& k : levels_[l])
            n += Below(levels_[l + 1], k);
        return n;
    }

    long Excess(long goal) const {
        return std::max(0L, Crossings(0) - goal) + std::max(0L, Crossings(1) - goal);
    }

    // The single exchange that lowers the excess most.
    Choice Best(long goal) const {
        const long c01 = Crossings(0), c12 = Crossings(1);
        const long before = Excess(goal);
        Choice best;
        for (std::size_t i = 0; i < pools_.size(); ++i) {
            const Pool& pool = pools_[i];
            const int l = pool.level - 1;
            std::vector<bool> taken(pool.keys.size());
            for (int k : chosen_[i])
                taken[k] = true;
            for (int out = 0; out < static_cast<int>(chosen_[i].size()); ++out) {
                const RatingKey a = pool.keys[chosen_[i][out]];
                for (int in = 0; in < static_cast<int>(pool.keys.size()); ++in) {
                    if (taken[in])
                        continue;
                    const RatingKey b = pool.keys[in];
                    long d01 = 0, d12 = 0;
                    if (l == 0)
                        d01 = Below(levels_[1], b) - Below(levels_[1], a);
                    if (l == 1) {
                        d01 = Above(levels_[0], b) - Above(levels_[0], a);
                        d12 = Below(levels_[2], b) - Below(levels_[2], a);
                    }
                    if (l == 2)
                        d12 = Above(levels_[1], b) - Above(levels_[1], a);
                    const long gain =
                        before - (std::max(0L, c01 + d01 - goal) + std::max(0L, c12 + d12 - goal));
                    if (gain <= best.gain || (l == 2 && !KeepsMedian(a, b)))
                        continue;
                    best = {i, out, in, gain};
                }
            }
        }
        return best;
    }

    void Apply(const Choice& c) {
        chosen_[c.pool][c.out] = c.in;
        Refresh();
    }

    std::vector<std::vector<int>> Chosen() const {
        auto chosen = chosen_;
        for (auto& c : chosen)
            std::sort(c.begin(), c.end());
        return chosen;
    }

private:
    static long Below(const std::vector<RatingKey>& sorted, const RatingKey& k) {
        return std::lower_bound(sorted.begin(), sorted.end(), k) - sorted.begin();
    }
    static long Above(const std::vector<RatingKey>& sorted, const RatingKey& k) {
        return sorted.end() - std::upper_bound(sorted.begin(), sorted.end(), k);
    }
    static double Median(std::vector<RatingKey> keys) {
        std::vector<double> effort;
        for (const auto& k : keys)
            effort.push_back(k.effort);
        std::sort(effort.begin(), effort.end());
        const std::size_t n = effort.size();
        return n % 2 ? effort[n / 2] : (effort[n / 2 - 1] + effort[n / 2]) / 2;
    }

    bool KeepsMedian(const RatingKey& out, const RatingKey& in) const {
        std::vector<RatingKey> keys = levels_[2];
        *std::find(keys.begin(), keys.end(), out) = in;
        return Median(keys) <= medianCap_;
    }

    void Refresh() {
        levels_ = fixed_;
        for (std::size_t i = 0; i < pools_.size(); ++i) {
            for (int k : chosen_[i])
                levels_[pools_[i].level - 1].push_back(pools_[i].keys[k]);
        }
        for (auto& l : levels_)
            std::sort(l.begin(), l.end());
    }

    const std::array<std::vector<RatingKey>, 3>& fixed_;
    const std::vector<Pool>& pools_;
    std::vector<std::vector<int>> chosen_;
    std::array<std::vector<RatingKey>, 3> levels_;
    double medianCap_ = 0;
};

} // namespace

std::vector<std::vector<int>> SelectCandidates(const std::array<std::vector<RatingKey>, 3>& fixed,
                                               const std::vector<Pool>& pools,
                                               const SelectGoal& goal) {
    Selection s(fixed, pools);
    std::array<std::size_t, 3> sizes{};
    for (int l = 0; l < 3; ++l)
        sizes[l] = fixed[l].size();
    for (const auto& p : pools)
        sizes[p.level - 1] += static_cast<std::size_t>(p.slots);
    const long goal01 = static_cast<long>(std::floor(goal.overlap * sizes[0] * sizes[1]));
    const long goal12 = static_cast<long>(std::floor(goal.overlap * sizes[1] * sizes[2]));
    const long g = std::min(goal01, goal12);
    while (s.Excess(g) > 0) {
        const Choice c = s.Best(g);
        if (c.gain <= 0)
            throw SelectionFailed("no exchange of candidates separates the levels further");
        s.Apply(c);
    }
    return s.Chosen();
}

} // namespace bankgen
