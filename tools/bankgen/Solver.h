// Completion counting by bitmask propagation and backtracking. The search
// works on fixed-size states on the stack and allocates nothing.
#pragma once

#include "tools/bankgen/Grid.h"
#include "tools/bankgen/Rng.h"

namespace bankgen {

// Number of completions of the puzzle, counting stops at limit.
int CountSolutions(const Grid& puzzle, int limit = 2);

// A completion with the branching digits drawn at random; nullopt when none.
std::optional<Grid> RandomCompletion(const Grid& puzzle, Rng& rng);

// Calls visit(solution) for every completion until visit returns false or
// cap completions have been seen; returns how many were seen.
class SolutionVisitor {
public:
    virtual bool Visit(const Grid& solution) = 0;

protected:
    ~SolutionVisitor() = default;
};
int EnumerateSolutions(const Grid& puzzle, int cap, SolutionVisitor& visit);

} // namespace bankgen
