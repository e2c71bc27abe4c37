// Time per handler of the game core, against a silent toolkit.
#include "board/FoMenu.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace nonagra {
namespace {

class SilentPlatform : public form::Platform {
public:
    explicit SilentPlatform(form::MessageAnswer answer) : answer_(answer) {}
    form::MessageAnswer messageBox(const std::string&, const std::string&,
                                   form::MessageButtons buttons) override {
        return buttons == form::MessageButtons::Ok ? form::MessageAnswer::Ok : answer_;
    }
    void showModal(form::Form&) override {}
    void hide(form::Form&) override {}
    void endProgram() override {}

private:
    form::MessageAnswer answer_;
};

class NoOpObserver : public form::FormObserver {
public:
    void controlChanged(const form::Control&) override {}
};

struct Started {
    explicit Started(form::MessageAnswer answer) : platform(answer), f(platform) {
        f.setObserver(&observer);
        f.Form_Load();
    }
    void leftClick(int cell) {
        f.Mezo[cell].press(form::LeftButton);
        f.Mezo[cell].click();
    }
    void select(char digit) {
        if (f.AktualisKijeloltSzam.Text.get() != std::string(1, digit) ||
            !(f.SzamGomb[digit - '0'].BackColor == form::colours::Yellow)) {
            f.SzamGomb[digit - '0'].click();
        }
    }
    int openCell() const { return static_cast<int>(f.AktualisFeladvany.find('x')) + 1; }

    SilentPlatform platform;
    NoOpObserver observer;
    FoMenu f;
};

template <class Setup, class Timed>
void timeEach(benchmark::State& state, Setup setup, Timed timed) {
    for (auto _ : state) {
        setup();
        const auto start = std::chrono::steady_clock::now();
        timed();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
}

// The last open cell filled, the board solved; the question is answered No. Each
// untimed click takes the answer away again.
void LeftClickFillsLastCellSolved(benchmark::State& state) {
    Started s(form::MessageAnswer::No);
    const int cell = s.openCell();
    s.f.cmdFeladom_Click();
    s.select(s.f.AktualisMegfejtes[static_cast<std::size_t>(cell - 1)]);
    timeEach(
        state, [&] { s.leftClick(cell); }, [&] { s.leftClick(cell); });
}

// The last open cell filled with a wrong digit: the count is reported.
void LeftClickFillsLastCellWrong(benchmark::State& state) {
    Started s(form::MessageAnswer::No);
    const int cell = s.openCell();
    s.f.cmdFeladom_Click();
    const char right = s.f.AktualisMegfejtes[static_cast<std::size_t>(cell - 1)];
    s.select(right == '1' ? '2' : '1');
    s.leftClick(cell);
    timeEach(
        state, [&] { s.leftClick(cell); }, [&] { s.leftClick(cell); });
}

void ResetAndLoad(benchmark::State& state) {
    Started s(form::MessageAnswer::No);
    bool other = false;
    timeEach(
        state,
        [&] {
            other = !other;
            s.f.UjFeladvanySzamlalo.Text = other ? "2" : "1";
            s.f.cmdFeladom_Click();
        },
        [&] {
            s.f.MezokAlapHelyzetbeAllitasa();
            s.f.SegedMezokAlapHelyzetbeAllitasa();
            s.f.AktualisFeladvanyBetoltes(s.f.AktualisFeladvany);
        });
}

// A solved board's check answered Yes, to the next puzzle of the level.
void AdvanceToNextPuzzle(benchmark::State& state) {
    Started s(form::MessageAnswer::Yes);
    timeEach(
        state,
        [&] {
            if (s.f.UjFeladvanyLepteto.Value > 150) {
                s.f.UjFeladvanyLepteto.Value = 1;
            }
            s.f.cmdFeladom_Click();
        },
        [&] { s.f.AktualisFeladvanyMegfejtes(); });
}

// A solved puzzle 151 answered Yes, to the first puzzle of the next level.
void AdvanceToNextLevel(benchmark::State& state) {
    Started s(form::MessageAnswer::Yes);
    timeEach(
        state,
        [&] {
            s.f.FeladvanySzintLepteto.Value = 2;
            s.f.FeladvanySzintLepteto.Value = 1;
            s.f.UjFeladvanyLepteto.Value = 151;
            s.f.cmdFeladom_Click();
        },
        [&] { s.f.AktualisFeladvanyMegfejtes(); });
}

void PuzzleStepperChange(benchmark::State& state) {
    Started s(form::MessageAnswer::No);
    timeEach(
        state, [] {},
        [&] { s.f.UjFeladvanyLepteto.Value = s.f.UjFeladvanyLepteto.Value == 1 ? 2 : 1; });
}

void LevelStepperChange(benchmark::State& state) {
    Started s(form::MessageAnswer::No);
    timeEach(
        state, [] {},
        [&] { s.f.FeladvanySzintLepteto.Value = s.f.FeladvanySzintLepteto.Value == 1 ? 2 : 1; });
}

BENCHMARK(LeftClickFillsLastCellSolved)->UseManualTime();
BENCHMARK(LeftClickFillsLastCellWrong)->UseManualTime();
BENCHMARK(ResetAndLoad)->UseManualTime();
BENCHMARK(AdvanceToNextPuzzle)->UseManualTime();
BENCHMARK(AdvanceToNextLevel)->UseManualTime();
BENCHMARK(PuzzleStepperChange)->UseManualTime();
BENCHMARK(LevelStepperChange)->UseManualTime();

} // namespace
} // namespace nonagra
