// The 9x9 grid, its units and the text forms that the bank stores.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bankgen {

inline constexpr int kCells = 81;
inline constexpr int kUnits = 27;
inline constexpr int kCentre = 40;
inline constexpr std::uint16_t kAllDigits = 0x1FF;

// One digit 1..9 per cell, 0 for an empty cell.
using Grid = std::array<std::uint8_t, kCells>;

struct UnitTables {
    // Units 0..8 rows, 9..17 columns, 18..26 boxes.
    std::array<std::array<std::uint8_t, 9>, kUnits> cells;
    std::array<std::array<std::uint8_t, 20>, kCells> peers;
};
const UnitTables& Units();

constexpr int RowOf(int cell) {
    return cell / 9;
}
constexpr int ColOf(int cell) {
    return cell % 9;
}
constexpr int BoxOf(int cell) {
    return RowOf(cell) / 3 * 3 + ColOf(cell) / 3;
}
constexpr int HalfTurn(int cell) {
    return kCells - 1 - cell;
}
constexpr std::uint16_t Bit(int digit) {
    return static_cast<std::uint16_t>(1u << (digit - 1));
}

// Both parsers return the fault in words when the text is not of its form.
std::optional<Grid> ParsePuzzle(std::string_view text, std::string* fault = nullptr);
std::optional<Grid> ParseSolution(std::string_view text, std::string* fault = nullptr);
std::string PuzzleText(const Grid& grid);
std::string SolutionText(const Grid& grid);

int CountGivens(const Grid& grid);
bool IsCompleteValid(const Grid& grid);
bool IsHalfTurnSymmetric(const Grid& grid);
// True when every given of the puzzle equals the solution's digit there.
bool AgreesWith(const Grid& puzzle, const Grid& solution);

} // namespace bankgen
