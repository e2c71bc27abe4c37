#include "tools/bankgen/Generate.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Canonical.h"
#include "tools/bankgen/Plan.h"
#include "tools/bankgen/Solver.h"
#include "tools/bankgen/Sparse.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

namespace bankgen {

namespace {

// Runs job(i) for every i in 0..count-1 on the given number of threads.
template <class Job> void ForEach(int count, int threads, Job job) {
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i; (i = next++) < count;)
            job(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
}

Pair Make(const Slot& slot, std::uint64_t seed, int round) {
    std::uint64_t stream = Rng::Mix(seed, static_cast<std::uint64_t>(slot.level));
    stream = Rng::Mix(stream, static_cast<std::uint64_t>(slot.number));
    Rng rng(Rng::Mix(stream, static_cast<std::uint64_t>(round)));
    if (slot.sparse) {
        SparseTarget target;
        target.givens = slot.target.givens;
        target.hardest = slot.target.hardest;
        return SearchSparse(target, rng);
    }
    for (;;) {
        if (auto pair = DigOnce(slot.target, rng))
            return *pair;
    }
}

Pair FromFixed(const Slot& slot) {
    return {*ParsePuzzle(slot.fixed->puzzle), *ParseSolution(slot.fixed->solution)};
}

// Slots, in bank order after the fixed ones, whose pair repeats a puzzle,
// a solution or an equivalence class already taken.
std::vector<int> Repeats(const std::vector<Slot>& slots, const std::vector<Pair>& pairs) {
    std::vector<CanonicalKey> keys(pairs.size());
    ForEach(static_cast<int>(pairs.size()), 2,
            [&](int i) { keys[i] = Canonical(pairs[i].puzzle, pairs[i].solution); });
    std::set<Grid> puzzles, solutions;
    std::set<CanonicalKey> classes;
    auto take = [&](int i) {
        const bool fresh = puzzles.insert(pairs[i].puzzle).second &
                           solutions.insert(pairs[i].solution).second &
                           classes.insert(keys[i]).second;
        return fresh;
    };
    std::vector<int> repeats;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].fixed)
            take(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!slots[i].fixed && !take(static_cast<int>(i)))
            repeats.push_back(static_cast<int>(i));
    }
    return repeats;
}

} // namespace

std::vector<Pair> GenerateBank(const GenerateOptions& options) {
    const auto start = std::chrono::steady_clock::now();
    const auto slots = PlanBank(options.seed);
    std::vector<Pair> pairs(slots.size());
    std::vector<int> round(slots.size(), 0);
    // The slow sparse searches go first so that the quick ones fill the
    // threads' idle time at the end.
    std::vector<int> jobs;
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i].fixed)
                pairs[i] = FromFixed(slots[i]);
            else if (slots[i].sparse == (pass == 0))
                jobs.push_back(static_cast<int>(i));
        }
    std::mutex logMutex;
    while (!jobs.empty()) {
        ForEach(static_cast<int>(jobs.size()), options.threads, [&](int j) {
            const int i = jobs[j];
            pairs[i] = Make(slots[i], options.seed, round[i]);
            if (options.log && slots[i].sparse) {
                const double s =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                std::lock_guard lock(logMutex);
                *options.log << "level " << slots[i].level << " number " << slots[i].number << ": "
                             << PuzzleText(pairs[i].puzzle) << " after " << s << " s\n";
            }
        });
        jobs = Repeats(slots, pairs);
        for (int i : jobs)
            ++round[i];
        if (options.log && !jobs.empty())
            *options.log << jobs.size() << " repeated pairs made again\n";
    }
    return pairs;
}

std::vector<Grid> GenerateMinimalPuzzles(std::uint64_t seed, int count, int threads) {
    std::vector<Grid> puzzles(static_cast<std::size_t>(count));
    ForEach(count, threads, [&](int i) {
        Rng rng(Rng::Mix(seed, static_cast<std::uint64_t>(i)));
        Grid g = *RandomCompletion(Grid{}, rng);
        int units[41];
        for (int u = 0; u < 41; ++u)
            units[u] = u;
        rng.Shuffle(units, units + 41);
        for (int u : units) {
            Grid trial = g;
            trial[u] = 0;
            trial[HalfTurn(u)] = 0;
            if (CountSolutions(trial, 2) == 1)
                g = trial;
        }
        puzzles[static_cast<std::size_t>(i)] = g;
    });
    return puzzles;
}

} // namespace bankgen
