#include "tools/bankgen/Sparse.h"

#include "tools/bankgen/Solver.h"

#include <algorithm>
#include <vector>

namespace bankgen {

namespace {

// Pair p is cell p (0..39) with its half-turn partner; the centre stays
// given throughout.
constexpr int kPairs = kCentre;
int PairCell(int pair) {
    return pair;
}
int PartnerCell(int pair) {
    return HalfTurn(pair);
}

bool Given(const Grid& g, int pair) {
    return g[PairCell(pair)] != 0;
}
void Clear(Grid& g, int pair) {
    g[PairCell(pair)] = 0;
    g[PartnerCell(pair)] = 0;
}
void SetFrom(Grid& g, int pair, const Grid& solution) {
    g[PairCell(pair)] = solution[PairCell(pair)];
    g[PartnerCell(pair)] = solution[PartnerCell(pair)];
}

bool Unique(const Grid& g) {
    return CountSolutions(g, 2) == 1;
}

// Removes pairs in random order while the completion stays unique.
Grid Minimise(Grid g, Rng& rng) {
    int order[kPairs];
    for (int i = 0; i < kPairs; ++i)
        order[i] = i;
    rng.Shuffle(order, order + kPairs);
    for (int pair : order) {
        if (!Given(g, pair))
            continue;
        Grid trial = g;
        Clear(trial, pair);
        if (Unique(trial))
            g = trial;
    }
    return g;
}

class Collect : public SolutionVisitor {
public:
    explicit Collect(std::vector<Grid>& out) : out_(out) {}
    bool Visit(const Grid& s) override {
        out_.push_back(s);
        return true;
    }

private:
    std::vector<Grid>& out_;
};

// Puzzles made from the relaxed puzzle by giving one empty pair with the
// digits that exactly one of its completions has there: each has exactly
// one completion. Empty when the relaxed puzzle has too many completions.
class Tightener {
public:
    explicit Tightener(int cap) : cap_(cap) { solutions_.reserve(cap + 1); }

    const std::vector<Grid>& Tighten(const Grid& relaxed) {
        solutions_.clear();
        results_.clear();
        Collect collect(solutions_);
        if (EnumerateSolutions(relaxed, cap_ + 1, collect) > cap_)
            return results_;
        for (int pair = 0; pair < kPairs; ++pair) {
            if (Given(relaxed, pair))
                continue;
            std::fill(std::begin(count_), std::end(count_), 0);
            for (std::size_t s = 0; s < solutions_.size(); ++s) {
                const int key =
                    solutions_[s][PairCell(pair)] * 10 + solutions_[s][PartnerCell(pair)];
                if (count_[key]++ == 0)
                    first_[key] = static_cast<int>(s);
            }
            for (int key = 0; key < 100; ++key) {
                if (count_[key] != 1)
                    continue;
                Grid g = relaxed;
                SetFrom(g, pair, solutions_[first_[key]]);
                results_.push_back(g);
            }
        }
        return results_;
    }

private:
    int cap_;
    std::vector<Grid> solutions_;
    std::vector<Grid> results_;
    int count_[100];
    int first_[100];
};

std::vector<int> GivenPairs(const Grid& g) {
    std::vector<int> pairs;
    for (int pair = 0; pair < kPairs; ++pair) {
        if (Given(g, pair))
            pairs.push_back(pair);
    }
    return pairs;
}

class Searcher {
public:
    Searcher(const SparseTarget& target, Rng& rng)
        : target_(target), rng_(rng), tightener_(target.enumerationCap) {}

    Pair Run() {
        for (;;) {
            if (auto found = Climb(Minimise(*RandomCompletion(Grid{}, rng_), rng_)))
                return *found;
        }
    }

private:
    bool Accept(const Grid& g) const {
        return CountGivens(g) == target_.givens && Grade(g) == target_.hardest;
    }

    // Relaxing one pair and giving another with digits that only one
    // completion has keeps the completion unique; minimising the result
    // often frees a further pair. With no such shrink in reach, a random
    // same-size neighbour opens new ground.
    std::optional<Pair> Climb(Grid g) {
        std::vector<Grid> visited{g};
        for (int lateral = 0; lateral <= target_.lateralMoves;) {
            if (CountGivens(g) <= target_.givens)
                return AtTarget(g);
            std::vector<Grid> neighbours;
            if (auto smaller = Shrink(g, visited, neighbours)) {
                g = *smaller;
                continue;
            }
            if (neighbours.empty())
                return std::nullopt;
            g = neighbours[rng_.Below(static_cast<std::uint32_t>(neighbours.size()))];
            visited.push_back(g);
            ++lateral;
        }
        return std::nullopt;
    }

    std::optional<Grid> Shrink(const Grid& g, const std::vector<Grid>& visited,
                               std::vector<Grid>& neighbours) {
        const int givens = CountGivens(g);
        auto pairs = GivenPairs(g);
        rng_.Shuffle(pairs.begin(), pairs.end());
        for (int pair : pairs) {
            Grid relaxed = g;
            Clear(relaxed, pair);
            for (const auto& candidate : tightener_.Tighten(relaxed)) {
                if (std::find(visited.begin(), visited.end(), candidate) != visited.end())
                    continue;
                const Grid m = Minimise(candidate, rng_);
                if (CountGivens(m) < givens)
                    return m;
                neighbours.push_back(candidate);
            }
        }
        return std::nullopt;
    }

    // Puzzles of the target size come in families of near neighbours; the
    // family is searched for one of the wanted grade.
    std::optional<Pair> AtTarget(const Grid& start) {
        if (CountGivens(start) != target_.givens)
            return std::nullopt;
        std::vector<Grid> family{start};
        for (std::size_t next = 0; next < family.size() && family.size() < kFamilyLimit; ++next) {
            if (Accept(family[next]))
                return Finish(family[next]);
            for (int pair : GivenPairs(family[next])) {
                Grid relaxed = family[next];
                Clear(relaxed, pair);
                for (const auto& candidate : tightener_.Tighten(relaxed)) {
                    if (std::find(family.begin(), family.end(), candidate) == family.end())
                        family.push_back(candidate);
                }
            }
        }
        return std::nullopt;
    }

    Pair Finish(const Grid& g) {
        Pair p;
        p.puzzle = g;
        p.solution = *RandomCompletion(g, rng_);
        return p;
    }

    static constexpr std::size_t kFamilyLimit = 200;

    const SparseTarget& target_;
    Rng& rng_;
    Tightener tightener_;
};

} // namespace

Pair SearchSparse(const SparseTarget& target, Rng& rng) {
    return Searcher(target, rng).Run();
}

} // namespace bankgen
