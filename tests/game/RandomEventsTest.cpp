#include "Game.h"
#include "board/TextNumbers.h"
#include "ui/Hasznalat.h"

#include <cstdlib>
#include <exception>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>
#include <string>

namespace nonagra::testing {
namespace {

// NONAGRA_SEED repeats a run; without it every run plays a new sequence.
std::uint64_t seedOfRun() {
    if (const char* given = std::getenv("NONAGRA_SEED")) {
        return std::stoull(given);
    }
    return std::random_device{}();
}

constexpr int EventsPerRun = 120000;

bool isCounter(const std::string& text, int highest) {
    if (text.empty() || text.size() > 3 || text[0] == '0' ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    return std::stoi(text) <= highest;
}

// What holds between any two events; empty when all of it does.
std::string brokenInvariant(const Game& g) {
    const FoMenu& f = g.f;
    std::ostringstream broken;
    if (g.yellowButtons() > 1) {
        broken << g.yellowButtons() << " yellow digit buttons; ";
    }
    const std::string& number = f.UjFeladvanySzamlalo.Text;
    const std::string& level = f.FeladvanySzintSzamlalo.Text;
    if (!isCounter(number, 151) || !isCounter(level, 3)) {
        return "counters \"" + number + "\" and \"" + level + "\"";
    }
    if (number != decimalText(f.UjFeladvanyLepteto.Value.get())) {
        broken << "puzzle counter " << number << " but stepper " << f.UjFeladvanyLepteto.Value
               << "; ";
    }
    if (f.UjFeladvanyMutato.Text != "Feladvány - " + number) {
        broken << "puzzle display \"" << f.UjFeladvanyMutato.Text.get() << "\"; ";
    }
    static const char* const names[] = {"", "Egyszerű", "Közepes", "Nehéz"};
    if (f.FeladvanySzintMutato.Text != names[std::stoi(level)]) {
        broken << "level name \"" << f.FeladvanySzintMutato.Text.get() << "\"; ";
    }
    const std::string_view puzzle = puzzleOf(std::stoi(number), std::stoi(level));
    if (f.AktualisFeladvany != puzzle ||
        f.AktualisMegfejtes != solutionOf(std::stoi(number), std::stoi(level))) {
        broken << "the loaded puzzle is not the one the counters name; ";
    }
    for (int cell = 1; cell <= 81; ++cell) {
        const form::Label& mezo = f.Mezo[cell];
        const char given = puzzle[static_cast<std::size_t>(cell - 1)];
        if (given != 'x' && (mezo.Enabled || mezo.Caption != std::string(1, given))) {
            broken << "given " << cell << " shows \"" << mezo.Caption.get() << "\"; ";
        }
        if (given == 'x' && !mezo.Enabled) {
            broken << "open cell " << cell << " disabled; ";
        }
        for (int digit = 1; digit <= 9; ++digit) {
            const std::string& note = f.SegedMezo[cell * 10 + digit].Caption;
            if (!note.empty() && (note != std::to_string(digit) || !mezo.Caption.get().empty())) {
                broken << "note " << cell * 10 + digit << " shows \"" << note << "\"; ";
            }
        }
    }
    if (f.HibaSzam != 0) {
        broken << "HibaSzam " << f.HibaSzam << "; ";
    }
    return broken.str();
}

class Player {
public:
    explicit Player(std::uint64_t seed) : random_(seed) {}

    // One event from the player or the program; answers any question at random.
    void play(Game& g) {
        if (g.platform.answers.empty()) {
            g.platform.answers.push_back(pick(0, 9) < 8 ? form::MessageAnswer::Yes
                                                        : form::MessageAnswer::No);
        }
        const int kind = pick(0, 99);
        if (kind < 15) {
            g.f.SzamGomb[pick(1, 9)].click();
        } else if (kind < 40) {
            static const short buttons[] = {form::LeftButton, form::RightButton, 3,
                                            form::MiddleButton};
            g.press(pick(1, 81), buttons[pick(0, 3)]);
        } else if (kind < 90) {
            playRightDigit(g);
        } else if (kind < 93) {
            step(pick(0, 1) == 0 ? g.f.FeladvanySzintLepteto : g.f.UjFeladvanyLepteto);
        } else if (kind < 95) {
            setValue(pick(0, 1) == 0 ? g.f.FeladvanySzintLepteto : g.f.UjFeladvanyLepteto);
        } else if (kind < 97) {
            g.f.cmdFeladom.click();
        } else if (kind < 99) {
            g.f.cmdHasznalat.click();
            g.f.helpWindow()->cmdBezar.click();
        } else if (pick(0, 9) == 0) {
            g.f.cmdKilepes.click();
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Moves a game towards a solved board: the right digit into a random cell.
    void playRightDigit(Game& g) {
        const int cell = pick(1, 81);
        const char right = solutionDigit(g.number(), g.level(), cell);
        if (g.f.Mezo[cell].Caption == std::string(1, right)) {
            return;
        }
        g.select(right - '0');
        g.leftClick(cell);
    }

    // Half of the values at or just past an end of the range, where the edges are.
    void setValue(form::ScrollBar& bar) {
        static const int nearEnds[] = {-1, 0, 1, 2};
        const int offset = nearEnds[pick(0, 3)];
        const int value = pick(0, 1) == 0 ? pick(bar.Min, bar.Max)
                          : offset < 2    ? bar.Min - offset
                                          : bar.Max + offset - 2;
        bar.Value = static_cast<std::int16_t>(value);
    }

    void step(form::ScrollBar& bar) {
        switch (pick(0, 3)) {
        case 0:
            bar.stepUp();
            break;
        case 1:
            bar.stepDown();
            break;
        case 2:
            bar.pageUp();
            break;
        default:
            bar.pageDown();
            break;
        }
    }

    std::mt19937_64 random_;
};

TEST(RandomEvents, InvariantsHoldAfterEveryEvent) {
    const std::uint64_t seed = seedOfRun();
    Player player(seed);
    auto game = std::make_unique<Game>();
    int games = 1;
    int questions = 0;
    int wrongCounts = 0;
    int finals = 0;
    const auto tally = [&] {
        for (const MessageRecord& box : game->platform.messages) {
            questions += box.buttons == form::MessageButtons::YesNo ? 1 : 0;
            wrongCounts += box.text.ends_with(" rossz szám") ? 1 : 0;
            finals += box.text.starts_with("Gratulálok. Az összes") ? 1 : 0;
        }
    };
    for (int event = 1; event <= EventsPerRun; ++event) {
        try {
            player.play(*game);
        } catch (const std::exception& e) {
            FAIL() << "NONAGRA_SEED=" << seed << ", event " << event << ": " << e.what();
        }
        if (game->platform.programEnds > 0) {
            ASSERT_EQ(game->platform.writesAfterEnd, 0)
                << "NONAGRA_SEED=" << seed << ", event " << event;
            tally();
            game = std::make_unique<Game>();
            ++games;
            continue;
        }
        const std::string broken = brokenInvariant(*game);
        ASSERT_TRUE(broken.empty())
            << "NONAGRA_SEED=" << seed << ", event " << event << ": " << broken;
    }
    tally();
    // A run that never filled a board would prove little about the check and the advance.
    EXPECT_GT(questions, 0) << "NONAGRA_SEED=" << seed;
    EXPECT_GT(wrongCounts, 0) << "NONAGRA_SEED=" << seed;
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("games", games);
    RecordProperty("questions", questions);
    RecordProperty("wrong_counts", wrongCounts);
    RecordProperty("final_messages", finals);
}

} // namespace
} // namespace nonagra::testing
