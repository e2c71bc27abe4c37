// Speed of the bank tools: completions counted per second, puzzles graded
// per second, and the whole verification of the bank.
#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Canonical.h"
#include "tools/bankgen/Solver.h"
#include "tools/bankgen/Verify.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <stdexcept>

namespace {

using namespace bankgen;

const std::vector<Pair>& Bank() {
    static const std::vector<Pair> pairs = [] {
        auto read = ReadBankFile(BANK_BENCH_BANK);
        if (!read.fault.empty())
            throw std::runtime_error(read.fault);
        return read.pairs;
    }();
    return pairs;
}

const std::vector<Grid>& BankPuzzles() {
    static const std::vector<Grid> puzzles = [] {
        std::vector<Grid> out;
        for (const auto& p : Bank())
            out.push_back(p.puzzle);
        return out;
    }();
    return puzzles;
}

const std::vector<Grid>& MinimalPuzzles() {
    static const std::vector<Grid> puzzles = [] {
        std::ifstream in(BANK_BENCH_MINIMAL);
        std::vector<Grid> out;
        for (std::string line; std::getline(in, line);)
            out.push_back(*ParsePuzzle(line));
        if (out.empty())
            throw std::runtime_error("no bench puzzles in " BANK_BENCH_MINIMAL);
        return out;
    }();
    return puzzles;
}

void Count(benchmark::State& state, const std::vector<Grid>& puzzles) {
    for (auto _ : state) {
        for (const auto& p : puzzles)
            benchmark::DoNotOptimize(CountSolutions(p, 2));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

void SolverOnBank(benchmark::State& state) {
    Count(state, BankPuzzles());
}
void SolverOnMinimalSet(benchmark::State& state) {
    Count(state, MinimalPuzzles());
}

void GraderOnBank(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& p : BankPuzzles())
            benchmark::DoNotOptimize(Grade(p));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(BankPuzzles().size()));
}

void CanonicalOnBank(benchmark::State& state) {
    for (auto _ : state) {
        for (const auto& p : Bank())
            benchmark::DoNotOptimize(Canonical(p.puzzle, p.solution));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Bank().size()));
}

void VerifyWholeBank(benchmark::State& state) {
    for (auto _ : state) {
        const auto report = VerifyBank(Bank());
        if (!report.Ok())
            state.SkipWithError("the bank fails verification");
    }
}

} // namespace

BENCHMARK(SolverOnBank)->Unit(benchmark::kMillisecond);
BENCHMARK(SolverOnMinimalSet)->Unit(benchmark::kMillisecond);
BENCHMARK(GraderOnBank)->Unit(benchmark::kMillisecond);
BENCHMARK(CanonicalOnBank)->Unit(benchmark::kMillisecond);
BENCHMARK(VerifyWholeBank)->Unit(benchmark::kMillisecond)->UseRealTime();
