// Checks a bank against every content requirement and reports the measured
// profile beside the target.
#pragma once

#include "tools/bankgen/Dig.h"

#include <ostream>
#include <string>
#include <vector>

namespace bankgen {

struct Check {
    std::string name;
    std::string measured;
    std::string target;
    bool ok = false;
};

struct VerifyReport {
    std::vector<Check> checks;
    bool Ok() const;
};

VerifyReport VerifyBank(const std::vector<Pair>& pairs);
void PrintReport(const VerifyReport& report, std::ostream& out);

} // namespace bankgen
