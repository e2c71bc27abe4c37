#include "tools/bankgen/Solver.h"

#include <bit>

namespace bankgen {

namespace {

// Digit-major bitboards: for each digit, the cells where it is still
// possible (or placed), one 27-bit word per band, bit (row % 3) * 9 + col.
// A placement is then a handful of word operations, and singles are found
// for all cells of a band at once.
constexpr std::uint32_t kBand = (1u << 27) - 1;
constexpr std::uint32_t kRow = 0x1FF;
constexpr std::uint32_t kBox = 0x7 | 0x7 << 9 | 0x7 << 18;

struct PeerMasks {
    std::uint32_t of[kCells][3];
    constexpr PeerMasks() : of() {
        for (int c = 0; c < kCells; ++c)
            for (int p = 0; p < kCells; ++p)
                if (p != c &&
                    (RowOf(p) == RowOf(c) || ColOf(p) == ColOf(c) || BoxOf(p) == BoxOf(c)))
                    of[c][p / 27] |= 1u << (p % 27);
    }
};
constexpr PeerMasks kPeers;

struct State {
    std::uint32_t pos[9][3];
    std::uint32_t open[3];
};

bool IsSingle(std::uint32_t m) {
    return (m & (m - 1)) == 0;
}

class Search {
public:
    Search(int limit, Rng* rng, SolutionVisitor* visitor)
        : limit_(limit), rng_(rng), visitor_(visitor) {}

    bool Start(const Grid& puzzle, State& s) {
        for (auto& digit : s.pos)
            digit[0] = digit[1] = digit[2] = kBand;
        s.open[0] = s.open[1] = s.open[2] = kBand;
        for (int c = 0; c < kCells; ++c) {
            if (puzzle[c] && !Place(s, c, puzzle[c] - 1))
                return false;
        }
        return true;
    }

    void Run(State& s) {
        if (!Propagate(s))
            return;
        if (!(s.open[0] | s.open[1] | s.open[2])) {
            Found(s);
            return;
        }
        const int cell = Branching(s);
        const int w = cell / 27;
        const std::uint32_t bit = 1u << (cell % 27);
        int order[9];
        int n = 0;
        for (int d = 0; d < 9; ++d) {
            if (s.pos[d][w] & bit)
                order[n++] = d;
        }
        if (rng_)
            rng_->Shuffle(order, order + n);
        for (int i = 0; i < n && !Done(); ++i) {
            State next = s;
            if (Place(next, cell, order[i]))
                Run(next);
        }
    }

    bool Done() const { return stopped_ || found_ >= limit_; }
    int Found() const { return found_; }
    const Grid& Last() const { return last_; }

private:
    static bool Place(State& s, int cell, int digit) {
        const int w = cell / 27;
        const std::uint32_t bit = 1u << (cell % 27);
        if (!(s.pos[digit][w] & bit))
            return false;
        for (auto& d : s.pos)
            d[w] &= ~bit;
        for (int b = 0; b < 3; ++b)
            s.pos[digit][b] &= ~kPeers.of[cell][b];
        s.pos[digit][w] |= bit;
        s.open[w] &= ~bit;
        return true;
    }

    // Naked singles of a band; false on a cell left without candidates.
    static bool NakedSingles(State& s, int w, bool& changed) {
        std::uint32_t once = 0, twice = 0;
        for (const auto& d : s.pos) {
            twice |= once & d[w];
            once |= d[w];
        }
        if (s.open[w] & ~once)
            return false;
        for (std::uint32_t singles = s.open[w] & ~twice; singles; singles &= singles - 1) {
            const int i = std::countr_zero(singles);
            int digit = 0;
            while (digit < 9 && !(s.pos[digit][w] >> i & 1))
                ++digit;
            if (digit == 9 || !Place(s, w * 27 + i, digit))
                return false;
            changed = true;
        }
        return true;
    }

    // Places every hidden single of the digit found in one look at its
    // board; false when the digit has no place left in a unit. A single
    // made stale by an earlier placement fails in Place only when its unit
    // has truly lost the digit.
    static bool HiddenSingles(State& s, int digit, bool& changed) {
        const std::uint32_t p[3] = {s.pos[digit][0], s.pos[digit][1], s.pos[digit][2]};
        std::uint32_t singles[3] = {};
        std::uint32_t once = 0, twice = 0;
        for (int w = 0; w < 3; ++w) {
            for (int k = 0; k < 3; ++k) {
                const std::uint32_t row = p[w] >> (9 * k) & kRow;
                const std::uint32_t box = p[w] & kBox << (3 * k);
                if (!row || !box)
                    return false;
                twice |= once & row;
                once |= row;
                if (IsSingle(row))
                    singles[w] |= row << (9 * k);
                if (IsSingle(box))
                    singles[w] |= box;
            }
        }
        if (once != kRow)
            return false;
        const std::uint32_t cols = once & ~twice;
        for (int w = 0; w < 3; ++w) {
            for (int k = 0; k < 3; ++k)
                singles[w] |= p[w] & cols << (9 * k);
            for (std::uint32_t m = singles[w] & s.open[w]; m; m &= m - 1) {
                if (!Place(s, w * 27 + std::countr_zero(m), digit))
                    return false;
                changed = true;
            }
        }
        return true;
    }

    // Naked singles are cheapest, so they run dry before each look for
    // hidden singles; a full grid needs no look at all.
    static bool Propagate(State& s) {
        for (;;) {
            for (bool changed = true; changed;) {
                changed = false;
                for (int w = 0; w < 3; ++w) {
                    if (!NakedSingles(s, w, changed))
                        return false;
                }
            }
            if (!(s.open[0] | s.open[1] | s.open[2]))
                return true;
            bool changed = false;
            for (int d = 0; d < 9; ++d) {
                if (!HiddenSingles(s, d, changed))
                    return false;
            }
            if (!changed)
                return true;
        }
    }

    // The first open cell with the fewest candidates, counted for a whole
    // band at once in four bit planes.
    static int Branching(const State& s) {
        std::uint32_t plane[3][4] = {};
        for (int w = 0; w < 3; ++w) {
            for (const auto& d : s.pos) {
                std::uint32_t carry = d[w] & s.open[w];
                for (auto& bitPlane : plane[w]) {
                    const std::uint32_t next = bitPlane & carry;
                    bitPlane ^= carry;
                    carry = next;
                }
            }
        }
        for (int count = 2; count <= 9; ++count) {
            for (int w = 0; w < 3; ++w) {
                std::uint32_t match = s.open[w];
                for (int b = 0; b < 4; ++b)
                    match &= (count >> b & 1) ? plane[w][b] : ~plane[w][b];
                if (match)
                    return w * 27 + std::countr_zero(match);
            }
        }
        return -1;
    }

    void Found(const State& s) {
        ++found_;
        for (int d = 0; d < 9; ++d)
            for (int w = 0; w < 3; ++w)
                for (std::uint32_t m = s.pos[d][w]; m; m &= m - 1)
                    last_[w * 27 + std::countr_zero(m)] = static_cast<std::uint8_t>(d + 1);
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
