#include "tools/bankgen/Solver.h"

#include <bit>

namespace bankgen {

namespace {

struct State {
    std::uint16_t cand[kCells];
    std::uint8_t solved[kCells];
    int left;
    // Units whose cells changed since they were last scanned for hidden
    // singles; the others cannot hold a new one.
    std::uint32_t dirty;
};

constexpr std::uint32_t kAllUnits = (1u << kUnits) - 1;

struct CellUnits {
    std::uint32_t of[kCells];
    constexpr CellUnits() : of() {
        for (int c = 0; c < kCells; ++c)
            of[c] = 1u << RowOf(c) | 1u << (9 + ColOf(c)) | 1u << (18 + BoxOf(c));
    }
};
constexpr CellUnits kCellUnits;

bool IsSingle(std::uint16_t m) {
    return (m & (m - 1)) == 0;
}

class Search {
public:
    Search(int limit, Rng* rng, SolutionVisitor* visitor)
        : limit_(limit), rng_(rng), visitor_(visitor) {}

    bool Start(const Grid& puzzle, State& s) {
        for (int c = 0; c < kCells; ++c) {
            s.cand[c] = kAllDigits;
            s.solved[c] = 0;
        }
        s.left = kCells;
        s.dirty = kAllUnits;
        for (int c = 0; c < kCells; ++c) {
            if (!puzzle[c])
                continue;
            const std::uint16_t b = Bit(puzzle[c]);
            if (!(s.cand[c] & b))
                return false;
            if (!Place(s, c, b))
                return false;
        }
        return true;
    }

    void Run(State& s) {
        if (!Propagate(s))
            return;
        if (s.left == 0) {
            Found(s);
            return;
        }
        int best = -1, bestCount = 10;
        for (int c = 0; c < kCells; ++c) {
            if (s.solved[c])
                continue;
            const int n = std::popcount(s.cand[c]);
            if (n < bestCount) {
                best = c;
                bestCount = n;
                if (n == 2)
                    break;
            }
        }
        std::uint16_t digits = s.cand[best];
        int order[9];
        int n = 0;
        for (; digits; digits &= digits - 1)
            order[n++] = std::countr_zero(digits);
        if (rng_)
            rng_->Shuffle(order, order + n);
        for (int i = 0; i < n && !Done(); ++i) {
            State next = s;
            if (Place(next, best, static_cast<std::uint16_t>(1u << order[i])))
                Run(next);
        }
    }

    bool Done() const { return stopped_ || found_ >= limit_; }
    int Found() const { return found_; }
    const Grid& Last() const { return last_; }

private:
    // Sets the cell and strikes its digit from the peers, following any
    // naked singles that this creates.
    static bool Place(State& s, int cell, std::uint16_t bit) {
        const auto& peers = Units().peers;
        int queue[kCells];
        int head = 0, tail = 0;
        s.cand[cell] = bit;
        queue[tail++] = cell;
        while (head < tail) {
            const int c = queue[head++];
            if (s.solved[c])
                continue;
            s.solved[c] = 1;
            --s.left;
            s.dirty |= kCellUnits.of[c];
            const std::uint16_t b = s.cand[c];
            for (auto p : peers[c]) {
                if (!(s.cand[p] & b))
                    continue;
                s.cand[p] &= static_cast<std::uint16_t>(~b);
                s.dirty |= kCellUnits.of[p];
                if (!s.cand[p])
                    return false;
                if (IsSingle(s.cand[p]) && !s.solved[p])
                    queue[tail++] = p;
            }
        }
        return true;
    }

    static bool Propagate(State& s) {
        const auto& units = Units().cells;
        while (s.dirty) {
            const auto& unit = units[std::countr_zero(s.dirty)];
            s.dirty &= s.dirty - 1;
            std::uint16_t once = 0, twice = 0, placed = 0;
            for (auto c : unit) {
                const std::uint16_t m = s.cand[c];
                if (s.solved[c]) {
                    placed |= m;
                } else {
                    twice |= once & m;
                    once |= m;
                }
            }
            if ((once | placed) != kAllDigits)
                return false;
            for (std::uint16_t h = once & ~twice & ~placed; h; h &= h - 1) {
                const std::uint16_t b = h & -h;
                for (auto c : unit) {
                    if (!s.solved[c] && (s.cand[c] & b)) {
                        if (!Place(s, c, b))
                            return false;
                        break;
                    }
                }
            }
        }
        return true;
    }

    void Found(const State& s) {
        ++found_;
        for (int c = 0; c < kCells; ++c)
            last_[c] = static_cast<std::uint8_t>(std::countr_zero(s.cand[c]) + 1);
        if (visitor_ && !visitor_->Visit(last_))
            stopped_ = true;
    }

    int limit_;
    Rng* rng_;
    SolutionVisitor* visitor_;
    int found_ = 0;
    bool stopped_ = false;
    Grid last_{};
};

} // namespace

int CountSolutions(const Grid& puzzle, int limit) {
    Search search(limit, nullptr, nullptr);
    State s;
    if (!search.Start(puzzle, s))
        return 0;
    search.Run(s);
    return search.Found();
}

std::optional<Grid> RandomCompletion(const Grid& puzzle, Rng& rng) {
    Search search(1, &rng, nullptr);
    State s;
    if (!search.Start(puzzle, s))
        return std::nullopt;
    search.Run(s);
    if (search.Found() == 0)
        return std::nullopt;
    return search.Last();
}

int EnumerateSolutions(const Grid& puzzle, int cap, SolutionVisitor& visit) {
    Search search(cap, nullptr, &visit);
    State s;
    if (!search.Start(puzzle, s))
        return 0;
    search.Run(s);
    return search.Found();
}

} // namespace bankgen
