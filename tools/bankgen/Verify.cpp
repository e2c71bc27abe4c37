#include "tools/bankgen/Verify.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Canonical.h"
#include "tools/bankgen/FixedPairs.h"
#include "tools/bankgen/Profile.h"
#include "tools/bankgen/Ramp.h"
#include "tools/bankgen/Solver.h"

#include <algorithm>
#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <thread>

namespace bankgen {

namespace {

std::string Place(int slot) {
    std::ostringstream s;
    s << 'L' << slot / kPerLevel + 1 << '#' << slot % kPerLevel + 1;
    return s.str();
}

// Lists the first few places, so a failing check says where to look.
std::string Places(const std::vector<int>& slots) {
    if (slots.empty())
        return "none";
    std::ostringstream s;
    s << slots.size() << ':';
    for (std::size_t i = 0; i < slots.size() && i < 8; ++i)
        s << ' ' << Place(slots[i]);
    if (slots.size() > 8)
        s << " ...";
    return s.str();
}

std::string Numbers(const std::set<int>& numbers) {
    if (numbers.empty())
        return "none";
    std::ostringstream s;
    const char* separator = "";
    for (int n : numbers) {
        s << separator << n;
        separator = ",";
    }
    return s.str();
}

std::string Histogram(const std::map<int, int>& h) {
    std::ostringstream s;
    const char* separator = "";
    for (auto [givens, count] : h) {
        s << separator << givens << ':' << count;
        separator = " ";
    }
    return s.str();
}

std::string Histogram(const std::array<int, kTechniques>& h) {
    std::ostringstream s;
    for (int t = 0; t < kTechniques; ++t)
        s << (t ? " " : "") << h[t];
    return s.str();
}

struct Measured {
    Technique hardest = Technique::Beyond;
    int solutions = 0;
    CanonicalKey key;
    RatingKey rating;
};

// The costly measurements, split over the cores.
std::vector<Measured> Measure(const std::vector<Pair>& pairs) {
    std::vector<Measured> m(pairs.size());
    const unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (std::size_t i = w; i < pairs.size(); i += workers) {
                m[i].hardest = Grade(pairs[i].puzzle);
                m[i].solutions = CountSolutions(pairs[i].puzzle, 2);
                m[i].key = Canonical(pairs[i].puzzle, pairs[i].solution);
                m[i].rating = KeyOf(Rate(pairs[i].puzzle));
            }
        });
    }
    for (auto& t : threads)
        t.join();
    return m;
}

class Checker {
public:
    explicit Checker(const std::vector<Pair>& pairs) : pairs_(pairs), m_(Measure(pairs)) {}

    VerifyReport Run() {
        FixedPlaces();
        Invariants();
        for (int level = 1; level <= kLevels; ++level)
            Level(level);
        Equivalence();
        Ramp();
        return std::move(report_);
    }

private:
    void Add(std::string name, std::string measured, std::string target, bool ok) {
        report_.checks.push_back({std::move(name), std::move(measured), std::move(target), ok});
    }

    void FixedPlaces() {
        std::vector<int> wrong;
        for (const auto& f : kFixedPairs) {
            const int slot = SlotOf(f.level, f.number);
            if (PuzzleText(pairs_[slot].puzzle) != f.puzzle ||
                SolutionText(pairs_[slot].solution) != f.solution)
                wrong.push_back(slot);
        }
        Add("fixed pairs differing", Places(wrong), "none", wrong.empty());
    }

    template <class Pred> void Each(const std::string& name, Pred bad) {
        std::vector<int> slots;
        for (int i = 0; i < kBankSize; ++i) {
            if (bad(i))
                slots.push_back(i);
        }
        Add(name, Places(slots), "none", slots.empty());
    }

    void Invariants() {
        Each("solution not a complete grid",
             [&](int i) { return !IsCompleteValid(pairs_[i].solution); });
        Each("givens disagreeing with solution",
             [&](int i) { return !AgreesWith(pairs_[i].puzzle, pairs_[i].solution); });
        Each("completions other than one", [&](int i) { return m_[i].solutions != 1; });
        Each("empty cells outside 43..62", [&](int i) {
            const int empty = kCells - CountGivens(pairs_[i].puzzle);
            return empty < 43 || empty > 62;
        });
        std::set<Grid> puzzles, solutions;
        Each("puzzle string repeated",
             [&](int i) { return !puzzles.insert(pairs_[i].puzzle).second; });
        Each("solution string repeated",
             [&](int i) { return !solutions.insert(pairs_[i].solution).second; });
    }

    void Level(int level) {
        const LevelProfile& target = TargetProfile()[level - 1];
        LevelProfile measured;
        std::set<int> asymmetric, centre, sparse, beyond;
        for (int number = 1; number <= kPerLevel; ++number) {
            const int slot = SlotOf(level, number);
            const Grid& puzzle = pairs_[slot].puzzle;
            const int givens = CountGivens(puzzle);
            ++measured.givens[givens];
            ++measured.hardest[static_cast<int>(m_[slot].hardest)];
            if (!IsHalfTurnSymmetric(puzzle))
                asymmetric.insert(number);
            if (puzzle[kCentre])
                centre.insert(number);
            if (givens == kSparseGivens)
                sparse.insert(number);
            if (m_[slot].hardest == Technique::Beyond)
                beyond.insert(number);
        }
        const std::string l = "level " + std::to_string(level) + " ";
        Add(l + "givens histogram", Histogram(measured.givens), Histogram(target.givens),
            measured.givens == target.givens);
        Add(l + "hardest technique (NS HS LC PT XW beyond)", Histogram(measured.hardest),
            Histogram(target.hardest), measured.hardest == target.hardest);
        if (level == 1) {
            std::set<int> expected;
            for (int number = 1; number <= kPerLevel; ++number) {
                if (CountGivens(pairs_[SlotOf(1, number)].puzzle) != kLevelOneSymmetricGivens)
                    expected.insert(number);
            }
            Add(l + "asymmetric numbers == those without 36 givens", Numbers(asymmetric),
                Numbers(expected), asymmetric == expected);
            Add(l + "centre given at", Numbers(centre), "none", centre.empty());
        } else {
            Add(l + "asymmetric numbers", Numbers(asymmetric), "1", asymmetric == std::set<int>{1});
            const std::set<int> wantCentre = level == 2 ? SparseNumbers() : std::set<int>{};
            Add(l + "centre given at", Numbers(centre), Numbers(wantCentre), centre == wantCentre);
        }
        const std::set<int> wantSparse = level == 2 ? SparseNumbers() : std::set<int>{};
        Add(l + "19 givens at", Numbers(sparse), Numbers(wantSparse), sparse == wantSparse);
        const std::set<int> wantBeyond = level == 3 ? std::set<int>{1} : std::set<int>{};
        Add(l + "beyond at", Numbers(beyond), Numbers(wantBeyond), beyond == wantBeyond);
        const int xwing = measured.hardest[static_cast<int>(Technique::XWing)];
        Add(l + "X-wing hardest", std::to_string(xwing), "0", xwing == 0);
    }

    void Equivalence() {
        std::map<CanonicalKey, int> first;
        std::vector<std::string> clashes;
        for (int i = 0; i < kBankSize; ++i) {
            const auto [it, fresh] = first.emplace(m_[i].key, i);
            if (!fresh)
                clashes.push_back(Place(it->second) + "~" + Place(i));
        }
        std::string measured = std::to_string(clashes.size());
        for (std::size_t i = 0; i < clashes.size() && i < 5; ++i)
            measured += " " + clashes[i];
        Add("equivalent pairs of puzzles", measured, "0", clashes.empty());
    }

    // Free places rise by the rating key and neighbouring levels barely overlap.
    void Ramp() {
        std::vector<RatingKey> keys;
        for (const auto& m : m_)
            keys.push_back(m.rating);
        const RampStats ramp = MeasureRamp(keys);
        for (int level = 1; level <= kLevels; ++level) {
            std::vector<int> descents;
            for (int slot : ramp.descents) {
                if (slot / kPerLevel + 1 == level)
                    descents.push_back(slot);
            }
            const double r = ramp.correlation[level - 1];
            Add("level " + std::to_string(level) + " free places by rating (rank correlation)",
                Fixed(r) + ", falls at " + Places(descents), "1", descents.empty() && r > 0.999999);
        }
        for (int pair = 0; pair < 2; ++pair) {
            const double o = ramp.overlap[pair];
            Add("levels " + std::to_string(pair + 1) + "-" + std::to_string(pair + 2) +
                    " overlap by rating",
                Fixed(o), "<= " + Fixed(kMaxOverlap), o <= kMaxOverlap);
        }
    }

    static std::string Fixed(double x) {
        std::ostringstream s;
        s << std::fixed << std::setprecision(3) << x;
        return s.str();
    }

    const std::vector<Pair>& pairs_;
    std::vector<Measured> m_;
    VerifyReport report_;
};

} // namespace

bool VerifyReport::Ok() const {
    return std::all_of(checks.begin(), checks.end(), [](const Check& c) { return c.ok; });
}

VerifyReport VerifyBank(const std::vector<Pair>& pairs) {
    if (pairs.size() != static_cast<std::size_t>(kBankSize)) {
        VerifyReport report;
        report.checks.push_back(
            {"pairs in the bank", std::to_string(pairs.size()), std::to_string(kBankSize), false});
        return report;
    }
    return Checker(pairs).Run();
}

void PrintReport(const VerifyReport& report, std::ostream& out) {
    std::size_t width = 0;
    for (const auto& c : report.checks)
        width = std::max(width, c.name.size());
    for (const auto& c : report.checks) {
        out << (c.ok ? "ok   " : "FAIL ") << std::left << std::setw(static_cast<int>(width))
            << c.name << "  measured: " << c.measured << "  target: " << c.target << '\n';
    }
    out << (report.Ok() ? "bank meets every requirement\n"
                        : "bank does NOT meet the requirements\n");
}

} // namespace bankgen
