#include "tools/bankgen/Dig.h"

#include "tools/bankgen/Solver.h"

namespace bankgen {

namespace {

// A removal unit: a cell and its half-turn partner, or one cell.
struct Unit {
    std::uint8_t a;
    std::uint8_t b;
    int Size() const { return a == b ? 1 : 2; }
};

int UnitsFor(const Target& target, Unit (&units)[kCells]) {
    int n = 0;
    for (int c = 0; c < kCells; ++c) {
        if (c == kCentre || (target.symmetric && c > HalfTurn(c)))
            continue;
        units[n++] = {static_cast<std::uint8_t>(c),
                      static_cast<std::uint8_t>(target.symmetric ? HalfTurn(c) : c)};
    }
    return n;
}

} // namespace

bool Meets(const Grid& puzzle, const Target& target) {
    return CountGivens(puzzle) == target.givens && (puzzle[kCentre] != 0) == target.centre &&
           IsHalfTurnSymmetric(puzzle) == target.symmetric && Grade(puzzle) == target.hardest;
}

std::optional<Pair> DigOnce(const Target& target, Rng& rng) {
    const auto solution = RandomCompletion(Grid{}, rng);
    if (!solution)
        return std::nullopt;
    Grid puzzle = *solution;
    int givens = kCells;
    if (!target.centre) {
        puzzle[kCentre] = 0;
        --givens;
    }
    Unit units[kCells];
    const int n = UnitsFor(target, units);
    rng.Shuffle(units, units + n);
    for (int i = 0; i < n && givens > target.givens; ++i) {
        const Unit u = units[i];
        if (givens - u.Size() < target.givens)
            continue;
        Grid trial = puzzle;
        trial[u.a] = 0;
        trial[u.b] = 0;
        // Every technique up to pairs and triples is sound, so a puzzle they
        // solve has exactly one completion.
        if (Grade(trial) > target.hardest)
            continue;
        puzzle = trial;
        givens -= u.Size();
    }
    if (!Meets(puzzle, target))
        return std::nullopt;
    return Pair{puzzle, *solution};
}

} // namespace bankgen
