#include "tools/bankgen/Cli.h"

#include "tools/bankgen/BankFile.h"
#include "tools/bankgen/Generate.h"
#include "tools/bankgen/Ramp.h"
#include "tools/bankgen/Solver.h"
#include "tools/bankgen/Verify.h"

#include <charconv>
#include <iomanip>
#include <optional>

namespace bankgen {

namespace {

constexpr const char* kUsage =
    "usage: bankgen verify [FILE]\n"
    "       bankgen generate --seed N [--threads K] -o FILE\n"
    "       bankgen benchset --seed N [--count K] [--threads K] -o FILE\n"
    "       bankgen grade PUZZLE\n"
    "       bankgen rate [FILE]\n";

int Usage(std::ostream& err, const std::string& why) {
    err << "bankgen: " << why << "\n" << kUsage;
    return 2;
}

std::optional<std::uint64_t> Number(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

struct Options {
    std::optional<std::uint64_t> seed;
    std::uint64_t threads = 1;
    std::uint64_t count = 10000;
    std::string output;
};

// Parses "--seed N", "--threads K", "--count K" and "-o FILE"; returns the
// fault or "".
std::string ParseOptions(const std::vector<std::string>& args, bool withCount, Options& o) {
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (i + 1 >= args.size())
            return "missing value after " + name;
        const std::string& value = args[i + 1];
        if (name == "-o") {
            o.output = value;
            continue;
        }
        const auto n = Number(value);
        if (!n)
            return "not a number for " + name + ": " + value;
        if (name == "--seed")
            o.seed = *n;
        else if (name == "--threads" && *n >= 1 && *n <= 64)
            o.threads = *n;
        else if (withCount && name == "--count" && *n >= 1 && *n <= 1000000)
            o.count = *n;
        else if (name == "--threads" || (withCount && name == "--count"))
            return "out of range for " + name + ": " + value;
        else
            return "unknown option " + name;
    }
    if (!o.seed)
        return "--seed is required";
    if (o.output.empty())
        return "-o FILE is required";
    return "";
}

int Verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 2)
        return Usage(err, "verify takes at most one file");
    const std::string path = args.size() == 2 ? args[1] : BANKGEN_DEFAULT_BANK;
    const BankRead read = ReadBankFile(path);
    if (!read.fault.empty()) {
        err << "bankgen: " << path << ": " << read.fault << "\n";
        return 1;
    }
    const VerifyReport report = VerifyBank(read.pairs);
    PrintReport(report, out);
    return report.Ok() ? 0 : 1;
}

int Rate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 2)
        return Usage(err, "rate takes at most one file");
    const std::string path = args.size() == 2 ? args[1] : BANKGEN_DEFAULT_BANK;
    const BankRead read = ReadBankFile(path);
    if (!read.fault.empty()) {
        err << "bankgen: " << path << ": " << read.fault << "\n";
        return 1;
    }
    out << "level number hardest effort steps\n";
    const auto ratings = RateAll(read.pairs, 2);
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        const Rating& r = ratings[i];
        out << i / kPerLevel + 1 << ' ' << i % kPerLevel + 1 << ' ' << r.hardest / 10 << '.'
            << r.hardest % 10 << ' ' << std::fixed << std::setprecision(3) << r.effort;
        const char* separator = " ";
        for (int t = 0; t < kRatedTechniques; ++t) {
            if (r.counts[t]) {
                out << separator << RatedName(static_cast<Rated>(t)) << ": " << r.counts[t];
                separator = ", ";
            }
        }
        out << '\n';
    }
    return 0;
}

int Write(const std::string& path, const std::vector<std::string>& lines, std::ostream& err) {
    const std::string fault = WriteLinesAtomically(path, lines);
    if (!fault.empty()) {
        err << "bankgen: " << fault << "\n";
        return 1;
    }
    return 0;
}

int Generate(const std::vector<std::string>& args, std::ostream& err) {
    Options o;
    if (const auto fault = ParseOptions(args, false, o); !fault.empty())
        return Usage(err, fault);
    GenerateOptions g;
    g.seed = *o.seed;
    g.threads = static_cast<int>(o.threads);
    g.log = &err;
    std::vector<std::string> lines;
    for (const auto& pair : GenerateBank(g))
        lines.push_back(BankLine(pair));
    return Write(o.output, lines, err);
}

int BenchSet(const std::vector<std::string>& args, std::ostream& err) {
    Options o;
    if (const auto fault = ParseOptions(args, true, o); !fault.empty())
        return Usage(err, fault);
    std::vector<std::string> lines;
    for (const auto& puzzle :
         GenerateMinimalPuzzles(*o.seed, static_cast<int>(o.count), static_cast<int>(o.threads)))
        lines.push_back(PuzzleText(puzzle));
    return Write(o.output, lines, err);
}

int GradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2)
        return Usage(err, "grade takes one puzzle");
    std::string fault;
    const auto puzzle = ParsePuzzle(args[1], &fault);
    if (!puzzle) {
        err << "bankgen: puzzle: " << fault << "\n";
        return 1;
    }
    const int completions = CountSolutions(*puzzle, 2);
    out << "givens: " << CountGivens(*puzzle) << "\n"
        << "completions: " << (completions < 2 ? std::to_string(completions) : "2 or more") << "\n"
        << "half-turn symmetric: " << (IsHalfTurnSymmetric(*puzzle) ? "yes" : "no") << "\n"
        << "hardest technique: " << TechniqueName(Grade(*puzzle)) << "\n";
    return completions == 1 ? 0 : 1;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty())
        return Usage(err, "missing command");
    if (args[0] == "verify")
        return Verify(args, out, err);
    if (args[0] == "generate")
        return Generate(args, err);
    if (args[0] == "benchset")
        return BenchSet(args, err);
    if (args[0] == "rate")
        return Rate(args, out, err);
    if (args[0] == "grade")
        return GradeCommand(args, out, err);
    return Usage(err, "unknown command " + args[0]);
}

} // namespace bankgen
