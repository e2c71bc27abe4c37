#include "tools/bankgen/BankFile.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace bankgen {

BankRead ReadBank(std::istream& in) {
    BankRead result;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        auto fail = [&](const std::string& why) {
            result.fault = "line " + std::to_string(number) + ": " + why;
            result.pairs.clear();
        };
        const auto space = line.find(' ');
        if (space == std::string::npos || line.find(' ', space + 1) != std::string::npos) {
            fail("expected \"PUZZLE SOLUTION\" separated by one space");
            return result;
        }
        std::string why;
        const auto puzzle = ParsePuzzle(std::string_view(line).substr(0, space), &why);
        if (!puzzle) {
            fail("puzzle: " + why);
            return result;
        }
        const auto solution = ParseSolution(std::string_view(line).substr(space + 1), &why);
        if (!solution) {
            fail("solution: " + why);
            return result;
        }
        result.pairs.push_back({*puzzle, *solution});
    }
    return result;
}

BankRead ReadBankFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        BankRead result;
        result.fault = path + ": cannot be opened";
        return result;
    }
    return ReadBank(in);
}

std::string BankLine(const Pair& pair) {
    return PuzzleText(pair.puzzle) + " " + SolutionText(pair.solution);
}

std::string WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return temporary + ": cannot be written";
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return path + ": cannot be replaced";
    }
    return "";
}

} // namespace bankgen
