#include "tools/bankgen/Grid.h"

namespace bankgen {

namespace {

UnitTables BuildTables() {
    UnitTables t{};
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            t.cells[i][j] = static_cast<std::uint8_t>(i * 9 + j);
            t.cells[9 + i][j] = static_cast<std::uint8_t>(j * 9 + i);
            t.cells[18 + i][j] =
                static_cast<std::uint8_t>((i / 3 * 3 + j / 3) * 9 + i % 3 * 3 + j % 3);
        }
    }
    for (int c = 0; c < kCells; ++c) {
        int n = 0;
        for (int p = 0; p < kCells; ++p) {
            if (p != c && (RowOf(p) == RowOf(c) || ColOf(p) == ColOf(c) || BoxOf(p) == BoxOf(c)))
                t.peers[c][n++] = static_cast<std::uint8_t>(p);
        }
    }
    return t;
}

std::optional<Grid> Parse(std::string_view text, bool allowEmpty, std::string* fault) {
    auto fail = [&](std::string why) -> std::optional<Grid> {
        if (fault)
            *fault = std::move(why);
        return std::nullopt;
    };
    if (text.size() != kCells)
        return fail("length " + std::to_string(text.size()) + ", expected 81");
    Grid g{};
    for (int i = 0; i < kCells; ++i) {
        const char ch = text[i];
        if (ch >= '1' && ch <= '9')
            g[i] = static_cast<std::uint8_t>(ch - '0');
        else if (!(allowEmpty && ch == 'x'))
            return fail("bad character '" + std::string(1, ch) + "' at position " +
                        std::to_string(i + 1));
    }
    return g;
}

std::string Text(const Grid& grid) {
    std::string s(kCells, 'x');
    for (int i = 0; i < kCells; ++i) {
        if (grid[i])
            s[i] = static_cast<char>('0' + grid[i]);
    }
    return s;
}

} // namespace

const UnitTables& Units() {
    static const UnitTables tables = BuildTables();
    return tables;
}

std::optional<Grid> ParsePuzzle(std::string_view text, std::string* fault) {
    return Parse(text, true, fault);
}

std::optional<Grid> ParseSolution(std::string_view text, std::string* fault) {
    return Parse(text, false, fault);
}

std::string PuzzleText(const Grid& grid) {
    return Text(grid);
}

std::string SolutionText(const Grid& grid) {
    return Text(grid);
}

int CountGivens(const Grid& grid) {
    int n = 0;
    for (auto v : grid)
        n += v != 0;
    return n;
}

bool IsCompleteValid(const Grid& grid) {
    for (const auto& unit : Units().cells) {
        std::uint16_t seen = 0;
        for (auto c : unit) {
            if (grid[c] < 1 || grid[c] > 9)
                return false;
            seen |= Bit(grid[c]);
        }
        if (seen != kAllDigits)
            return false;
    }
    return true;
}

bool IsHalfTurnSymmetric(const Grid& grid) {
    for (int c = 0; c < kCells; ++c) {
        if ((grid[c] != 0) != (grid[HalfTurn(c)] != 0))
            return false;
    }
    return true;
}

bool AgreesWith(const Grid& puzzle, const Grid& solution) {
    for (int c = 0; c < kCells; ++c) {
        if (puzzle[c] && puzzle[c] != solution[c])
            return false;
    }
    return true;
}

} // namespace bankgen
