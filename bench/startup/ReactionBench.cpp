// A cell click through the adapter: the press and release reach the cell's
// handlers, the answer is placed and the board checked, and the changed
// rectangle is repainted, in the game's own fonts. One iteration is one click: the clicks place an
// answer and take it back by turns.
#include "app/GameFonts.h"
#include "board/FoMenu.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

namespace {

void send(QWidget& window, QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent event(type, at, window.mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

void click(QWidget& window, QPointF at) {
    send(window, QEvent::MouseButtonPress, Qt::LeftButton, at);
    send(window, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    QApplication::processEvents();
}

QPointF centreOf(const nonagra::form::Control& c) {
    return {(c.Bounds.Left + c.Bounds.Width / 2) / 15.0,
            (c.Bounds.Top + c.Bounds.Height / 2) / 15.0};
}

void CellClick(benchmark::State& state) {
    const nonagra::qt::FontBook fonts = nonagra::app::gameFonts();
    nonagra::qt::QtPlatform platform(fonts);
    nonagra::FoMenu menu(platform);
    nonagra::qt::FormView& window = platform.view(menu);
    menu.Load();
    window.show();
    // On a real X server the first paint waits for the window to be mapped.
    while (!window.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
    int empty = 1;
    while (!menu.Mezo[empty].Enabled.get() || !menu.Mezo[empty].Caption.get().empty()) {
        ++empty;
    }
    click(window, centreOf(menu.SzamGomb[5]));
    for (auto _ : state) {
        click(window, centreOf(menu.Mezo[empty]));
    }
}
BENCHMARK(CellClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // A real display when there is one (under Xvfb, the repaint reaches the
    // X server), else Qt's offscreen platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
