#include "tools/bankgen/Grader.h"

#include <bit>

namespace bankgen {

namespace {

using Unit = std::array<std::uint8_t, 9>;

// Cells of the unit, as a 9-bit mask of unit positions, where the digit is
// still a candidate of an unsolved cell.
std::uint16_t Positions(const Position& p, const Unit& unit, std::uint16_t bit) {
    std::uint16_t m = 0;
    for (int i = 0; i < 9; ++i) {
        if (!p.value[unit[i]] && (p.cand[unit[i]] & bit))
            m |= static_cast<std::uint16_t>(1u << i);
    }
    return m;
}

std::uint16_t PlacedDigits(const Position& p, const Unit& unit) {
    std::uint16_t m = 0;
    for (auto c : unit) {
        if (p.value[c])
            m |= Bit(p.value[c]);
    }
    return m;
}

// Strikes the digits from the unsolved cells of the unit outside keep.
bool Strike(Position& p, const Unit& unit, std::uint16_t keep, std::uint16_t digits) {
    bool any = false;
    for (int i = 0; i < 9; ++i) {
        const int c = unit[i];
        if ((keep >> i) & 1 || p.value[c] || !(p.cand[c] & digits))
            continue;
        p.cand[c] &= static_cast<std::uint16_t>(~digits);
        any = true;
    }
    return any;
}

// For each pair of units, the positions in the first that also lie in the
// second; built once, the locked-candidates scan asks for them constantly.
using OverlapTable = std::array<std::array<std::uint16_t, kUnits>, kUnits>;

OverlapTable BuildOverlaps() {
    const auto& units = Units().cells;
    OverlapTable t{};
    for (int a = 0; a < kUnits; ++a)
        for (int b = 0; b < kUnits; ++b)
            for (int i = 0; i < 9; ++i)
                for (auto c : units[b])
                    if (c == units[a][i])
                        t[a][b] |= static_cast<std::uint16_t>(1u << i);
    return t;
}

std::uint16_t Overlap(int a, int b) {
    static const OverlapTable table = BuildOverlaps();
    return table[a][b];
}

// A digit whose candidates in one unit all lie inside a second unit is
// struck from the rest of the second unit.
bool Locked(Position& p, int from, int to) {
    const auto& units = Units().cells;
    for (int d = 1; d <= 9; ++d) {
        const std::uint16_t pos = Positions(p, units[from], Bit(d));
        if (!pos || (pos & ~Overlap(from, to)))
            continue;
        if (Strike(p, units[to], Overlap(to, from), Bit(d)))
            return true;
    }
    return false;
}

bool NakedSubset(Position& p, const Unit& unit, int size) {
    int cells[9];
    int n = 0;
    for (int i = 0; i < 9; ++i) {
        const int k = std::popcount(p.cand[unit[i]]);
        if (!p.value[unit[i]] && k >= 2 && k <= size)
            cells[n++] = i;
    }
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const std::uint16_t ab = p.cand[unit[cells[a]]] | p.cand[unit[cells[b]]];
            const std::uint16_t keepAb =
                static_cast<std::uint16_t>((1u << cells[a]) | (1u << cells[b]));
            if (size == 2) {
                if (std::popcount(ab) == 2 && Strike(p, unit, keepAb, ab))
                    return true;
                continue;
            }
            for (int c = b + 1; c < n; ++c) {
                const std::uint16_t abc = ab | p.cand[unit[cells[c]]];
                const auto keep = static_cast<std::uint16_t>(keepAb | (1u << cells[c]));
                if (std::popcount(abc) == 3 && Strike(p, unit, keep, abc))
                    return true;
            }
        }
    }
    return false;
}

// Removes every other candidate from the cells (unit positions) that hold
// the subset's digits.
bool Restrict(Position& p, const Unit& unit, std::uint16_t cells, std::uint16_t digits) {
    bool any = false;
    for (int i = 0; i < 9; ++i) {
        const int c = unit[i];
        if ((cells >> i) & 1 && (p.cand[c] & ~digits)) {
            p.cand[c] &= digits;
            any = true;
        }
    }
    return any;
}

bool HiddenSubset(Position& p, const Unit& unit, int size) {
    const std::uint16_t placed = PlacedDigits(p, unit);
    int digits[9];
    std::uint16_t where[9];
    int n = 0;
    for (int d = 1; d <= 9; ++d) {
        if (placed & Bit(d))
            continue;
        const std::uint16_t pos = Positions(p, unit, Bit(d));
        const int k = std::popcount(pos);
        if (k >= 2 && k <= size) {
            digits[n] = d;
            where[n++] = pos;
        }
    }
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const std::uint16_t ab = where[a] | where[b];
            const auto dab = static_cast<std::uint16_t>(Bit(digits[a]) | Bit(digits[b]));
            if (size == 2) {
                if (std::popcount(ab) == 2 && Restrict(p, unit, ab, dab))
                    return true;
                continue;
            }
            for (int c = b + 1; c < n; ++c) {
                const std::uint16_t abc = ab | where[c];
                const auto dabc = static_cast<std::uint16_t>(dab | Bit(digits[c]));
                if (std::popcount(abc) == 3 && Restrict(p, unit, abc, dabc))
                    return true;
            }
        }
    }
    return false;
}

// Units base..base+8 are the lines the wing lies on, cover..cover+8 the
// lines crossing them.
bool Wing(Position& p, int base, int cover) {
    const auto& units = Units().cells;
    for (int d = 1; d <= 9; ++d) {
        std::uint16_t pos[9];
        for (int i = 0; i < 9; ++i)
            pos[i] = Positions(p, units[base + i], Bit(d));
        for (int a = 0; a < 9; ++a) {
            if (std::popcount(pos[a]) != 2)
                continue;
            for (int b = a + 1; b < 9; ++b) {
                if (pos[b] != pos[a])
                    continue;
                const auto keep = static_cast<std::uint16_t>((1u << a) | (1u << b));
                bool any = false;
                for (std::uint16_t m = pos[a]; m; m &= m - 1)
                    any |= Strike(p, units[cover + std::countr_zero(m)], keep, Bit(d));
                if (any)
                    return true;
            }
        }
    }
    return false;
}

} // namespace

std::string_view TechniqueName(Technique t) {
    switch (t) {
    case Technique::NakedSingle:
        return "naked single";
    case Technique::HiddenSingle:
        return "hidden single";
    case Technique::LockedCandidates:
        return "locked candidates";
    case Technique::PairsTriples:
        return "pairs and triples";
    case Technique::XWing:
        return "X-wing";
    case Technique::Beyond:
        return "beyond";
    }
    return "?";
}

Position Position::FromPuzzle(const Grid& puzzle) {
    Position p;
    p.cand.fill(kAllDigits);
    for (int c = 0; c < kCells; ++c) {
        if (puzzle[c])
            p.Place(c, puzzle[c]);
    }
    return p;
}

bool Position::Solved() const {
    for (auto v : value) {
        if (!v)
            return false;
    }
    return true;
}

void Position::Place(int cell, int digit) {
    value[cell] = static_cast<std::uint8_t>(digit);
    cand[cell] = Bit(digit);
    for (auto peer : Units().peers[cell]) {
        if (!value[peer])
            cand[peer] &= static_cast<std::uint16_t>(~Bit(digit));
    }
}

bool NakedSingle(Position& p) {
    for (int c = 0; c < kCells; ++c) {
        if (!p.value[c] && std::popcount(p.cand[c]) == 1) {
            p.Place(c, std::countr_zero(p.cand[c]) + 1);
            return true;
        }
    }
    return false;
}

bool HiddenSingle(Position& p) {
    for (const auto& unit : Units().cells) {
        const std::uint16_t placed = PlacedDigits(p, unit);
        for (int d = 1; d <= 9; ++d) {
            if (placed & Bit(d))
                continue;
            const std::uint16_t pos = Positions(p, unit, Bit(d));
            if (std::popcount(pos) == 1) {
                p.Place(unit[std::countr_zero(pos)], d);
                return true;
            }
        }
    }
    return false;
}

bool LockedCandidates(Position& p) {
    // Pointing: a box's digit confined to one line; claiming: a line's digit
    // confined to one box.
    for (int box = 18; box < kUnits; ++box) {
        for (int line = 0; line < 18; ++line) {
            if (Overlap(box, line) && Locked(p, box, line))
                return true;
        }
    }
    for (int line = 0; line < 18; ++line) {
        for (int box = 18; box < kUnits; ++box) {
            if (Overlap(line, box) && Locked(p, line, box))
                return true;
        }
    }
    return false;
}

bool PairsTriples(Position& p) {
    const auto& units = Units().cells;
    for (const auto& unit : units) {
        if (NakedSubset(p, unit, 2))
            return true;
    }
    for (const auto& unit : units) {
        if (NakedSubset(p, unit, 3))
            return true;
    }
    for (const auto& unit : units) {
        if (HiddenSubset(p, unit, 2))
            return true;
    }
    for (const auto& unit : units) {
        if (HiddenSubset(p, unit, 3))
            return true;
    }
    return false;
}

bool XWing(Position& p) {
    return Wing(p, 0, 9) || Wing(p, 9, 0);
}

std::optional<Technique> Step(Position& p) {
    if (NakedSingle(p))
        return Technique::NakedSingle;
    if (HiddenSingle(p))
        return Technique::HiddenSingle;
    if (LockedCandidates(p))
        return Technique::LockedCandidates;
    if (PairsTriples(p))
        return Technique::PairsTriples;
    if (XWing(p))
        return Technique::XWing;
    return std::nullopt;
}

Technique Grade(const Grid& puzzle) {
    Position p = Position::FromPuzzle(puzzle);
    Technique hardest = Technique::NakedSingle;
    while (!p.Solved()) {
        const auto t = Step(p);
        if (!t)
            return Technique::Beyond;
        if (*t > hardest)
            hardest = *t;
    }
    return hardest;
}

} // namespace bankgen
