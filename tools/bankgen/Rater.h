// Rates a puzzle the way a person meets it: the hardest step on the Sudoku
// Explainer scale when the easiest technique that makes progress is always
// applied, and the effort of finding the moves along the way. The profile's
// grading (Grader.h) is separate; this rating orders and chooses puzzles.
#pragma once

#include "tools/bankgen/Grader.h"

#include <array>
#include <compare>
#include <optional>
#include <string_view>

namespace bankgen {

// In the order of their rating, easiest first.
enum class Rated : std::uint8_t {
    FullHouse,
    HiddenSingleBox,
    HiddenSingleLine,
    DirectPointing,
    DirectClaiming,
    DirectHiddenPair,
    NakedSingle,
    DirectHiddenTriple,
    Pointing,
    Claiming,
    NakedPair,
    XWing,
    HiddenPair,
    NakedTriple,
    Swordfish,
    HiddenTriple,
    XYWing,
    XYZWing,
    UniqueRectangle,
    NakedQuad,
    Jellyfish,
    HiddenQuad,
    // A candidate whose placement leads to a contradiction by singles alone.
    Forcing,
};
inline constexpr int kRatedTechniques = 23;
std::string_view RatedName(Rated t);
// The rating in tenths: 10 is 1.0.
int RatedTenths(Rated t);

// Applies the easiest technique that makes progress; nullopt when none does.
std::optional<Rated> RatedStep(Position& p);

// Cells that a full house, hidden single or naked single could fill now.
int OpenSingles(const Position& p);

struct Rating {
    // Tenths of the hardest step; kStalledTenths when the rater gets stuck.
    int hardest = 0;
    // Mean over seeded solving paths of the sum, over the steps, of one over
    // the count of open singles (one when there are none).
    double effort = 0;
    // Steps of each technique on the easiest-first path.
    std::array<int, kRatedTechniques> counts{};
};
inline constexpr int kStalledTenths = 100;
inline constexpr int kEffortPaths = 8;

Rating Rate(const Grid& puzzle);

// A puzzle's difficulty: its hardest step, ties broken by effort.
struct RatingKey {
    int hardest = 0;
    double effort = 0;
    auto operator<=>(const RatingKey&) const = default;
};
inline RatingKey KeyOf(const Rating& r) {
    return {r.hardest, r.effort};
}

} // namespace bankgen
