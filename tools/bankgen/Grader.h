// Grades a puzzle by the hardest technique that a solver needs when it always
// applies the simplest technique that still makes progress, starting again
// from the simplest after every placement or elimination.
#pragma once

#include "tools/bankgen/Grid.h"

#include <optional>
#include <string_view>

namespace bankgen {

// In the order of their simplicity; Beyond means stalled after all of them.
enum class Technique : std::uint8_t {
    NakedSingle,
    HiddenSingle,
    LockedCandidates,
    PairsTriples,
    XWing,
    Beyond,
};
inline constexpr int kTechniques = 6;
std::string_view TechniqueName(Technique t);

// A solving position: placed digits and the candidates of the other cells.
struct Position {
    std::array<std::uint8_t, kCells> value{};
    std::array<std::uint16_t, kCells> cand{};

    // Candidates are the digits that no given sees.
    static Position FromPuzzle(const Grid& puzzle);
    bool Solved() const;
    void Place(int cell, int digit);
};

// Each makes one deduction of its kind if there is one and says whether it did.
bool NakedSingle(Position& p);
bool HiddenSingle(Position& p);
bool LockedCandidates(Position& p);
bool PairsTriples(Position& p);
bool XWing(Position& p);

// Applies the simplest technique that makes progress; nullopt when none does.
std::optional<Technique> Step(Position& p);

Technique Grade(const Grid& puzzle);

} // namespace bankgen
