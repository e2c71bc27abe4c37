#include "tools/bankgen/Rater.h"

#include "tools/bankgen/Rng.h"

#include <bit>
#include <bitset>

namespace bankgen {

namespace {

using Unit = std::array<std::uint8_t, 9>;
using Cells = std::bitset<kCells>;

const Unit& UnitAt(int u) {
    return Units().cells[u];
}

bool IsLine(int u) {
    return u < 18;
}

bool Sees(int a, int b) {
    return a != b && (RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) || BoxOf(a) == BoxOf(b));
}

// Unit positions (a 9-bit mask) where the digit can still go, ignoring the
// cells in gone.
std::uint16_t Where(const Position& p, int u, int digit, const Cells& gone = {}) {
    std::uint16_t m = 0;
    const Unit& unit = UnitAt(u);
    for (int i = 0; i < 9; ++i) {
        const int c = unit[i];
        if (!p.value[c] && (p.cand[c] & Bit(digit)) && !gone[c])
            m |= static_cast<std::uint16_t>(1u << i);
    }
    return m;
}

std::uint16_t Placed(const Position& p, int u) {
    std::uint16_t m = 0;
    for (auto c : UnitAt(u)) {
        if (p.value[c])
            m |= Bit(p.value[c]);
    }
    return m;
}

int EmptyCells(const Position& p, int u) {
    int n = 0;
    for (auto c : UnitAt(u))
        n += !p.value[c];
    return n;
}

using OverlapTable = std::array<std::array<std::uint16_t, kUnits>, kUnits>;

OverlapTable BuildOverlaps() {
    OverlapTable t{};
    for (int a = 0; a < kUnits; ++a)
        for (int b = 0; b < kUnits; ++b)
            for (int i = 0; i < 9; ++i)
                for (auto c : UnitAt(b))
                    if (c == UnitAt(a)[i])
                        t[a][b] |= static_cast<std::uint16_t>(1u << i);
    return t;
}

// Cells of unit a that also lie in unit b, as unit positions of a.
std::uint16_t Overlap(int a, int b) {
    static const OverlapTable table = BuildOverlaps();
    return table[a][b];
}

// Cells of the unit outside the positions in keep that still hold the digit.
Cells Outside(const Position& p, int u, std::uint16_t keep, int digit) {
    Cells out;
    const Unit& unit = UnitAt(u);
    for (int i = 0; i < 9; ++i) {
        const int c = unit[i];
        if (!((keep >> i) & 1) && !p.value[c] && (p.cand[c] & Bit(digit)))
            out.set(c);
    }
    return out;
}

bool StrikeAll(Position& p, const Cells& cells, std::uint16_t digits) {
    bool any = false;
    for (int c = 0; c < kCells; ++c) {
        if (cells[c] && !p.value[c] && (p.cand[c] & digits)) {
            p.cand[c] &= static_cast<std::uint16_t>(~digits);
            any = true;
        }
    }
    return any;
}

// Calls f(chosen) for every k-subset of 0..n-1, in lexicographic order,
// until f returns true.
template <class F> bool Choose(int n, int k, F f) {
    int idx[4];
    for (int i = 0; i < k; ++i)
        idx[i] = i;
    if (k > n)
        return false;
    for (;;) {
        if (f(idx))
            return true;
        int i = k - 1;
        while (i >= 0 && idx[i] == n - k + i)
            --i;
        if (i < 0)
            return false;
        ++idx[i];
        for (int j = i + 1; j < k; ++j)
            idx[j] = idx[j - 1] + 1;
    }
}

bool FullHouse(Position& p) {
    for (int u = 0; u < kUnits; ++u) {
        if (EmptyCells(p, u) != 1)
            continue;
        for (auto c : UnitAt(u)) {
            if (!p.value[c]) {
                p.Place(c, std::countr_zero(static_cast<unsigned>(kAllDigits & ~Placed(p, u))) + 1);
                return true;
            }
        }
    }
    return false;
}

bool HiddenSingleIn(Position& p, int first, int last) {
    for (int u = first; u < last; ++u) {
        const std::uint16_t placed = Placed(p, u);
        for (int d = 1; d <= 9; ++d) {
            const std::uint16_t pos = placed & Bit(d) ? 0 : Where(p, u, d);
            if (std::popcount(pos) == 1) {
                p.Place(UnitAt(u)[std::countr_zero(pos)], d);
                return true;
            }
        }
    }
    return false;
}

bool LoneCandidate(Position& p) {
    for (int c = 0; c < kCells; ++c) {
        if (!p.value[c] && std::popcount(p.cand[c]) == 1) {
            p.Place(c, std::countr_zero(p.cand[c]) + 1);
            return true;
        }
    }
    return false;
}

// A digit of unit from confined to its overlap with unit to; calls
// found(digit, struck cells) for each such lock that strikes something.
template <class F> bool Locks(const Position& p, int from, int to, F found) {
    const std::uint16_t inside = Overlap(from, to);
    if (!inside)
        return false;
    const std::uint16_t placed = Placed(p, from);
    for (int d = 1; d <= 9; ++d) {
        const std::uint16_t pos = placed & Bit(d) ? 0 : Where(p, from, d);
        if (std::popcount(pos) < 2 || (pos & ~inside))
            continue;
        const Cells struck = Outside(p, to, Overlap(to, from), d);
        if (struck.any() && found(d, struck))
            return true;
    }
    return false;
}

// Places a single that the struck cells would leave in a unit among units
// first..last-1 other than skip, keeping none of the eliminations.
bool PlaceDirect(Position& p, int digit, const Cells& struck, int first, int last, int skip) {
    for (int u = first; u < last; ++u) {
        if (u == skip || (Placed(p, u) & Bit(digit)))
            continue;
        const std::uint16_t before = Where(p, u, digit);
        const std::uint16_t after = Where(p, u, digit, struck);
        if (after != before && std::popcount(after) == 1) {
            p.Place(UnitAt(u)[std::countr_zero(after)], digit);
            return true;
        }
    }
    return false;
}

// Pointing when from is a box, claiming when from is a line.
bool LockedDirect(Position& p, bool pointing) {
    for (int from = 0; from < kUnits; ++from) {
        if (IsLine(from) == pointing)
            continue;
        const int first = pointing ? 18 : (from < 9 ? 0 : 9);
        for (int to = 0; to < kUnits; ++to) {
            if (IsLine(to) != pointing)
                continue;
            if (Locks(p, from, to, [&](int d, const Cells& struck) {
                    return PlaceDirect(p, d, struck, first, first + 9, from);
                }))
                return true;
        }
    }
    return false;
}

bool LockedStrike(Position& p, bool pointing) {
    for (int from = 0; from < kUnits; ++from) {
        if (IsLine(from) == pointing)
            continue;
        for (int to = 0; to < kUnits; ++to) {
            if (IsLine(to) != pointing)
                continue;
            if (Locks(p, from, to,
                      [&](int d, const Cells& struck) { return StrikeAll(p, struck, Bit(d)); }))
                return true;
        }
    }
    return false;
}

// k digits confined to k cells of a unit with more than 2k empty cells;
// calls found(unit, cells as unit positions, digits) for each that would
// strike something.
template <class F> bool HiddenSets(const Position& p, int k, F found) {
    for (int u = 0; u < kUnits; ++u) {
        if (EmptyCells(p, u) <= 2 * k)
            continue;
        const std::uint16_t placed = Placed(p, u);
        int digits[9];
        std::uint16_t where[9];
        int n = 0;
        for (int d = 1; d <= 9; ++d) {
            const std::uint16_t pos = placed & Bit(d) ? 0 : Where(p, u, d);
            if (std::popcount(pos) >= 2 && std::popcount(pos) <= k) {
                digits[n] = d;
                where[n++] = pos;
            }
        }
        if (Choose(n, k, [&](const int* idx) {
                std::uint16_t cells = 0, set = 0;
                for (int i = 0; i < k; ++i) {
                    cells |= where[idx[i]];
                    set |= Bit(digits[idx[i]]);
                }
                if (std::popcount(cells) != k)
                    return false;
                bool strikes = false;
                for (int i = 0; i < 9; ++i)
                    strikes |= (cells >> i & 1) && (p.cand[UnitAt(u)[i]] & ~set);
                return strikes && found(u, cells, set);
            }))
            return true;
    }
    return false;
}

bool HiddenDirect(Position& p, int k) {
    return HiddenSets(p, k, [&](int u, std::uint16_t cells, std::uint16_t set) {
        Cells inside;
        for (int i = 0; i < 9; ++i)
            if (cells >> i & 1)
                inside.set(UnitAt(u)[i]);
        const std::uint16_t placed = Placed(p, u);
        for (int d = 1; d <= 9; ++d) {
            if ((set | placed) & Bit(d))
                continue;
            const std::uint16_t after = Where(p, u, d, inside);
            if (after != Where(p, u, d) && std::popcount(after) == 1) {
                p.Place(UnitAt(u)[std::countr_zero(after)], d);
                return true;
            }
        }
        return false;
    });
}

bool HiddenStrike(Position& p, int k) {
    return HiddenSets(p, k, [&](int u, std::uint16_t cells, std::uint16_t set) {
        for (int i = 0; i < 9; ++i)
            if (cells >> i & 1)
                p.cand[UnitAt(u)[i]] &= set;
        return true;
    });
}

// k cells of a unit with at least 2k empty cells whose candidates are k digits.
bool NakedSet(Position& p, int k) {
    for (int u = 0; u < kUnits; ++u) {
        if (EmptyCells(p, u) < 2 * k)
            continue;
        int cells[9];
        int n = 0;
        for (int i = 0; i < 9; ++i) {
            const int c = UnitAt(u)[i];
            const int size = std::popcount(p.cand[c]);
            if (!p.value[c] && size >= 2 && size <= k)
                cells[n++] = i;
        }
        if (Choose(n, k, [&](const int* idx) {
                std::uint16_t keep = 0, set = 0;
                for (int i = 0; i < k; ++i) {
                    keep |= static_cast<std::uint16_t>(1u << cells[idx[i]]);
                    set |= p.cand[UnitAt(u)[cells[idx[i]]]];
                }
                if (std::popcount(set) != k)
                    return false;
                Cells rest;
                for (int i = 0; i < 9; ++i)
                    if (!(keep >> i & 1))
                        rest.set(UnitAt(u)[i]);
                return StrikeAll(p, rest, set);
            }))
            return true;
    }
    return false;
}

// A digit confined to the same k cross lines in k base lines is struck from
// the rest of those cross lines: X-wing, swordfish, jellyfish for k = 2, 3, 4.
bool Fish(Position& p, int k) {
    for (int base : {0, 9}) {
        const int cover = 9 - base;
        for (int d = 1; d <= 9; ++d) {
            int lines[9];
            std::uint16_t where[9];
            int n = 0;
            for (int i = 0; i < 9; ++i) {
                const std::uint16_t pos = Where(p, base + i, d);
                if (std::popcount(pos) >= 2 && std::popcount(pos) <= k) {
                    lines[n] = i;
                    where[n++] = pos;
                }
            }
            if (Choose(n, k, [&](const int* idx) {
                    std::uint16_t cols = 0, rows = 0;
                    for (int i = 0; i < k; ++i) {
                        cols |= where[idx[i]];
                        rows |= static_cast<std::uint16_t>(1u << lines[idx[i]]);
                    }
                    if (std::popcount(cols) != k)
                        return false;
                    Cells struck;
                    for (int j = 0; j < 9; ++j)
                        if (cols >> j & 1)
                            struck |= Outside(p, cover + j, rows, d);
                    return StrikeAll(p, struck, Bit(d));
                }))
                return true;
        }
    }
    return false;
}

// Strikes the digit from the unsolved cells that see every one of the wing's cells.
bool StrikeSeeingAll(Position& p, std::initializer_list<int> wing, std::uint16_t digit) {
    Cells struck;
    for (int c = 0; c < kCells; ++c) {
        bool all = !p.value[c];
        for (int w : wing)
            all = all && Sees(c, w);
        if (all)
            struck.set(c);
    }
    return StrikeAll(p, struck, digit);
}

// A pivot with candidates xy (xyz) seeing pincers xz and yz: z goes from
// the cells seeing both pincers (and, for XYZ, the pivot).
bool Wing(Position& p, int pivotSize) {
    for (int pivot = 0; pivot < kCells; ++pivot) {
        const std::uint16_t pc = p.cand[pivot];
        if (p.value[pivot] || std::popcount(pc) != pivotSize)
            continue;
        for (auto a : Units().peers[pivot]) {
            const std::uint16_t ac = p.cand[a];
            if (p.value[a] || std::popcount(ac) != 2 || ac == pc)
                continue;
            if (pivotSize == 2 ? std::popcount(static_cast<unsigned>(ac & pc)) != 1
                               : (ac & pc) != ac)
                continue;
            for (auto b : Units().peers[pivot]) {
                const std::uint16_t bc = p.cand[b];
                if (b <= a || p.value[b] || std::popcount(bc) != 2 || bc == ac)
                    continue;
                const std::uint16_t z = ac & bc;
                if (std::popcount(z) != 1)
                    continue;
                const bool fits =
                    pivotSize == 2 ? (ac ^ bc) == pc && !(z & pc) : (bc & pc) == bc && (z & pc);
                if (!fits)
                    continue;
                const bool struck = pivotSize == 2 ? StrikeSeeingAll(p, {a, b}, z)
                                                   : StrikeSeeingAll(p, {pivot, a, b}, z);
                if (struck)
                    return true;
            }
        }
    }
    return false;
}

// Four cells on two rows, two columns and two boxes; three hold only the same
// two digits, so the fourth cannot be either.
bool UniqueRectangle(Position& p) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3))
                        continue;
                    const int cells[4] = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    for (int odd = 0; odd < 4; ++odd) {
                        const std::uint16_t pair = p.cand[cells[(odd + 1) % 4]];
                        bool fits = std::popcount(pair) == 2 && !p.value[cells[odd]] &&
                                    (p.cand[cells[odd]] & pair) == pair;
                        for (int i = 0; i < 4 && fits; ++i)
                            fits = i == odd || (!p.value[cells[i]] && p.cand[cells[i]] == pair);
                        if (fits && p.cand[cells[odd]] != pair) {
                            p.cand[cells[odd]] &= static_cast<std::uint16_t>(~pair);
                            return true;
                        }
                    }
                }
    return false;
}

// Places singles until none is left; false when the position contradicts
// itself on the way.
bool SinglesHold(Position& p) {
    for (;;) {
        for (int u = 0; u < kUnits; ++u) {
            const std::uint16_t placed = Placed(p, u);
            for (int d = 1; d <= 9; ++d)
                if (!(placed & Bit(d)) && !Where(p, u, d))
                    return false;
        }
        for (int c = 0; c < kCells; ++c)
            if (!p.value[c] && !p.cand[c])
                return false;
        if (!LoneCandidate(p) && !HiddenSingleIn(p, 0, kUnits))
            return true;
    }
}

bool Forcing(Position& p) {
    for (int c = 0; c < kCells; ++c) {
        if (p.value[c] || std::popcount(p.cand[c]) < 2)
            continue;
        for (std::uint16_t m = p.cand[c]; m; m &= m - 1) {
            const int d = std::countr_zero(m) + 1;
            Position trial = p;
            trial.Place(c, d);
            if (!SinglesHold(trial)) {
                p.cand[c] &= static_cast<std::uint16_t>(~Bit(d));
                return true;
            }
        }
    }
    return false;
}

using Technique = bool (*)(Position&);
struct Entry {
    std::string_view name;
    int tenths;
    Technique apply;
};

const std::array<Entry, kRatedTechniques>& Table() {
    static const std::array<Entry, kRatedTechniques> table = {{
        {"full house", 10, FullHouse},
        {"hidden single in a box", 12, [](Position& p) { return HiddenSingleIn(p, 18, 27); }},
        {"hidden single in a line", 15, [](Position& p) { return HiddenSingleIn(p, 0, 18); }},
        {"direct pointing", 17, [](Position& p) { return LockedDirect(p, true); }},
        {"direct claiming", 19, [](Position& p) { return LockedDirect(p, false); }},
        {"direct hidden pair", 20, [](Position& p) { return HiddenDirect(p, 2); }},
        {"naked single", 23, LoneCandidate},
        {"direct hidden triple", 25, [](Position& p) { return HiddenDirect(p, 3); }},
        {"pointing", 26, [](Position& p) { return LockedStrike(p, true); }},
        {"claiming", 28, [](Position& p) { return LockedStrike(p, false); }},
        {"naked pair", 30, [](Position& p) { return NakedSet(p, 2); }},
        {"X-wing", 32, [](Position& p) { return Fish(p, 2); }},
        {"hidden pair", 34, [](Position& p) { return HiddenStrike(p, 2); }},
        {"naked triple", 36, [](Position& p) { return NakedSet(p, 3); }},
        {"swordfish", 38, [](Position& p) { return Fish(p, 3); }},
        {"hidden triple", 40, [](Position& p) { return HiddenStrike(p, 3); }},
        {"XY-wing", 42, [](Position& p) { return Wing(p, 2); }},
        {"XYZ-wing", 44, [](Position& p) { return Wing(p, 3); }},
        {"unique rectangle type 1", 45, UniqueRectangle},
        {"naked quad", 50, [](Position& p) { return NakedSet(p, 4); }},
        {"jellyfish", 52, [](Position& p) { return Fish(p, 4); }},
        {"hidden quad", 54, [](Position& p) { return HiddenStrike(p, 4); }},
        {"forcing", 70, Forcing},
    }};
    return table;
}

// The cells that singles could fill now, each with its digit.
int SinglesNow(const Position& p, std::array<std::uint8_t, kCells>& digit) {
    digit.fill(0);
    for (int c = 0; c < kCells; ++c) {
        if (!p.value[c] && std::popcount(p.cand[c]) == 1)
            digit[c] = static_cast<std::uint8_t>(std::countr_zero(p.cand[c]) + 1);
    }
    for (int u = 0; u < kUnits; ++u) {
        const std::uint16_t placed = Placed(p, u);
        for (int d = 1; d <= 9; ++d) {
            const std::uint16_t pos = placed & Bit(d) ? 0 : Where(p, u, d);
            if (std::popcount(pos) == 1)
                digit[UnitAt(u)[std::countr_zero(pos)]] = static_cast<std::uint8_t>(d);
        }
    }
    int n = 0;
    for (auto d : digit)
        n += d != 0;
    return n;
}

// One path on which a person takes any open single at random and otherwise
// the easiest technique that makes progress.
double PathEffort(const Grid& puzzle, std::uint64_t path) {
    Rng rng(Rng::Mix(0x5EED0F'EFF0'27ull, path));
    Position p = Position::FromPuzzle(puzzle);
    std::array<std::uint8_t, kCells> digit{};
    double effort = 0;
    while (!p.Solved()) {
        const int open = SinglesNow(p, digit);
        if (!open) {
            effort += 1;
            if (!RatedStep(p))
                break;
            continue;
        }
        effort += 1.0 / open;
        int pick = static_cast<int>(rng.Below(static_cast<std::uint32_t>(open)));
        for (int c = 0; c < kCells; ++c) {
            if (digit[c] && pick-- == 0) {
                p.Place(c, digit[c]);
                break;
            }
        }
    }
    return effort;
}

} // namespace

std::string_view RatedName(Rated t) {
    return Table()[static_cast<int>(t)].name;
}

int RatedTenths(Rated t) {
    return Table()[static_cast<int>(t)].tenths;
}

std::optional<Rated> RatedStep(Position& p) {
    for (int t = 0; t < kRatedTechniques; ++t) {
        if (Table()[t].apply(p))
            return static_cast<Rated>(t);
    }
    return std::nullopt;
}

int OpenSingles(const Position& p) {
    std::array<std::uint8_t, kCells> digit{};
    return SinglesNow(p, digit);
}

Rating Rate(const Grid& puzzle) {
    Rating r;
    Position p = Position::FromPuzzle(puzzle);
    while (!p.Solved()) {
        const auto t = RatedStep(p);
        if (!t) {
            r.hardest = kStalledTenths;
            break;
        }
        ++r.counts[static_cast<int>(*t)];
        r.hardest = std::max(r.hardest, RatedTenths(*t));
    }
    double sum = 0;
    for (int path = 0; path < kEffortPaths; ++path)
        sum += PathEffort(puzzle, static_cast<std::uint64_t>(path));
    r.effort = sum / kEffortPaths;
    return r;
}

} // namespace bankgen
