#include "tools/bankgen/Generate.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Canonical.h"
#include "tools/bankgen/Parallel.h"
#include "tools/bankgen/Plan.h"
#include "tools/bankgen/Ramp.h"
#include "tools/bankgen/Select.h"
#include "tools/bankgen/Solver.h"
#include "tools/bankgen/Sparse.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

namespace bankgen {

namespace {

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

// Tells pairs that repeat a puzzle, a solution or an equivalence class
// already taken.
class Distinct {
public:
    bool Take(const Pair& pair, const CanonicalKey& key) {
        if (puzzles_.count(pair.puzzle) || solutions_.count(pair.solution) || classes_.count(key))
            return false;
        puzzles_.insert(pair.puzzle);
        solutions_.insert(pair.solution);
        classes_.insert(key);
        return true;
    }

private:
    std::set<Grid> puzzles_, solutions_;
    std::set<CanonicalKey> classes_;
};

std::vector<CanonicalKey> Keys(const std::vector<Pair>& pairs, int threads) {
    std::vector<CanonicalKey> keys(pairs.size());
    ForEach(static_cast<int>(pairs.size()), threads,
            [&](int i) { keys[i] = Canonical(pairs[i].puzzle, pairs[i].solution); });
    return keys;
}

class Generator {
public:
    explicit Generator(const GenerateOptions& options)
        : options_(options), slots_(PlanBank(options.seed)), pairs_(slots_.size()),
          start_(std::chrono::steady_clock::now()) {}

    std::vector<Pair> Run() {
        MakeFixedPlaces();
        Log("fixed places made");
        MakeCandidates();
        Log("candidates made and rated");
        Place(Select());
        Log("candidates chosen and ordered");
        return pairs_;
    }

private:
    void Log(const std::string& what) {
        if (!options_.log)
            return;
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        *options_.log << what << " after " << s << " s\n";
    }

    // The quoted pairs and the sparse searches, which have their places
    // already; a sparse pair repeating another is searched again.
    void MakeFixedPlaces() {
        std::vector<int> jobs, round(slots_.size(), 0);
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].fixed)
                pairs_[i] = FromFixed(slots_[i]);
            else if (slots_[i].sparse)
                jobs.push_back(static_cast<int>(i));
        }
        std::mutex logMutex;
        for (;;) {
            ForEach(static_cast<int>(jobs.size()), options_.threads, [&](int j) {
                const int i = jobs[j];
                pairs_[i] = Make(slots_[i], options_.seed, round[i]);
                if (options_.log) {
                    std::lock_guard lock(logMutex);
                    *options_.log << "level " << slots_[i].level << " number " << slots_[i].number
                                  << ": " << PuzzleText(pairs_[i].puzzle) << "\n";
                }
            });
            distinct_ = Distinct();
            std::vector<int> placed;
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                if (slots_[i].fixed || slots_[i].sparse)
                    placed.push_back(static_cast<int>(i));
            }
            std::vector<Pair> made;
            for (int i : placed)
                made.push_back(pairs_[i]);
            const auto keys = Keys(made, options_.threads);
            jobs.clear();
            for (std::size_t j = 0; j < placed.size(); ++j) {
                if (!distinct_.Take(made[j], keys[j]))
                    jobs.push_back(placed[j]);
            }
            if (jobs.empty())
                break;
            for (int i : jobs)
                ++round[i];
        }
    }

    int ClassOf(const Slot& s) {
        const auto key = std::make_tuple(s.level, s.target.givens, s.target.symmetric,
                                         s.target.centre, static_cast<int>(s.target.hardest));
        const auto [it, fresh] = classes_.emplace(key, static_cast<int>(pools_.size()));
        if (fresh) {
            pools_.push_back({s.level, 0, {}});
            members_.emplace_back();
        }
        return it->second;
    }

    // kCandidates rounds for every free slot, more for a class whose
    // distinct candidates fall short of its slots.
    void MakeCandidates() {
        std::vector<std::pair<int, int>> jobs; // slot, round
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const Slot& s = slots_[i];
            if (s.fixed || s.sparse)
                continue;
            ++pools_[ClassOf(s)].slots;
            for (int round = 0; round < kCandidates; ++round)
                jobs.emplace_back(static_cast<int>(i), round);
        }
        // Round-major order, so that each pool starts with one candidate per slot.
        std::stable_sort(jobs.begin(), jobs.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
        std::vector<int> nextRound(slots_.size(), kCandidates);
        while (!jobs.empty()) {
            std::vector<Pair> made(jobs.size());
            std::vector<Rating> rating(jobs.size());
            std::vector<CanonicalKey> keys(jobs.size());
            ForEach(static_cast<int>(jobs.size()), options_.threads, [&](int j) {
                const auto [i, round] = jobs[j];
                made[j] = Make(slots_[i], options_.seed, round);
                rating[j] = Rate(made[j].puzzle);
                keys[j] = Canonical(made[j].puzzle, made[j].solution);
            });
            std::vector<int> shortClass;
            for (std::size_t j = 0; j < jobs.size(); ++j) {
                if (!distinct_.Take(made[j], keys[j]))
                    continue;
                const int c = ClassOf(slots_[jobs[j].first]);
                pools_[c].keys.push_back(KeyOf(rating[j]));
                members_[c].push_back(made[j]);
            }
            std::vector<std::pair<int, int>> more;
            for (std::size_t i = 0; i < slots_.size(); ++i) {
                const Slot& s = slots_[i];
                if (s.fixed || s.sparse)
                    continue;
                const Pool& pool = pools_[ClassOf(s)];
                const auto have = static_cast<int>(pool.keys.size());
                const int missing = pool.slots * kCandidates - have;
                const auto asked = std::count_if(more.begin(), more.end(), [&](const auto& m) {
                    return ClassOf(slots_[m.first]) == ClassOf(s);
                });
                if (asked < missing)
                    more.emplace_back(static_cast<int>(i), nextRound[i]++);
            }
            jobs = std::move(more);
        }
    }

    std::vector<std::vector<int>> Select() {
        std::array<std::vector<RatingKey>, 3> fixed;
        std::vector<Pair> placed;
        std::vector<int> where;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].fixed || slots_[i].sparse) {
                placed.push_back(pairs_[i]);
                where.push_back(slots_[i].level - 1);
            }
        }
        const auto ratings = RateAll(placed, options_.threads);
        for (std::size_t j = 0; j < placed.size(); ++j)
            fixed[where[j]].push_back(KeyOf(ratings[j]));
        return SelectCandidates(fixed, pools_, SelectGoal{});
    }

    // Each level's chosen candidates fill its free places in rising key.
    void Place(const std::vector<std::vector<int>>& chosen) {
        for (int level = 1; level <= kLevels; ++level) {
            std::vector<std::pair<RatingKey, Pair>> rising;
            for (std::size_t c = 0; c < pools_.size(); ++c) {
                if (pools_[c].level != level)
                    continue;
                for (int k : chosen[c])
                    rising.emplace_back(pools_[c].keys[k], members_[c][k]);
            }
            std::sort(rising.begin(), rising.end(), [](const auto& a, const auto& b) {
                if (a.first != b.first)
                    return a.first < b.first;
                return a.second.puzzle < b.second.puzzle;
            });
            std::size_t next = 0;
            for (int number = 1; number <= kPerLevel; ++number) {
                if (!IsFixedPlace(level, number))
                    pairs_[SlotOf(level, number)] = rising[next++].second;
            }
        }
    }

    const GenerateOptions& options_;
    const std::vector<Slot> slots_;
    std::vector<Pair> pairs_;
    const std::chrono::steady_clock::time_point start_;
    Distinct distinct_;
    std::map<std::tuple<int, int, bool, bool, int>, int> classes_;
    std::vector<Pool> pools_;
    std::vector<std::vector<Pair>> members_;
};

} // namespace

std::vector<Pair> GenerateBank(const GenerateOptions& options) {
    return Generator(options).Run();
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
