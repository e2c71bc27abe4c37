// Reading and writing bank files: one "PUZZLE SOLUTION" line per pair, level
// 1 numbers 1..151, then level 2, then level 3.
#pragma once

#include "tools/bankgen/Dig.h"

#include <istream>
#include <string>
#include <vector>

namespace bankgen {

inline constexpr int kLevels = 3;
inline constexpr int kPerLevel = 151;
inline constexpr int kBankSize = kLevels * kPerLevel;

constexpr int SlotOf(int level, int number) {
    return (level - 1) * kPerLevel + number - 1;
}

struct BankRead {
    std::vector<Pair> pairs;
    // Empty when every line is well formed; otherwise names the line and fault.
    std::string fault;
};

BankRead ReadBank(std::istream& in);
BankRead ReadBankFile(const std::string& path);

std::string BankLine(const Pair& pair);

// Writes a temporary file beside the target and renames it over the target,
// so that an existing file is never left half-written. Returns the fault, or
// "" on success.
std::string WriteLinesAtomically(const std::string& path, const std::vector<std::string>& lines);

} // namespace bankgen
