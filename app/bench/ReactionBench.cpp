// A cell click through the adapter: the press and release reach the cell's
// handlers, the answer is placed and the board checked, and the changed
// rectangle is repainted. Each iteration places an answer and takes it back.
#include "board/FoMenu.h"
#include "ui/qt/FontBook.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <QMouseEvent>
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
    nonagra::qt::FontBook fonts;
    nonagra::qt::QtPlatform platform(fonts);
    nonagra::FoMenu menu(platform);
    nonagra::qt::FormView& window = platform.view(menu);
    menu.Load();
    window.show();
    QApplication::processEvents();
    int empty = 1;
    while (!menu.Mezo[empty].Enabled.get() || !menu.Mezo[empty].Caption.get().empty()) {
        ++empty;
    }
    click(window, centreOf(menu.SzamGomb[5]));
    for (auto _ : state) {
        click(window, centreOf(menu.Mezo[empty]));
        click(window, centreOf(menu.Mezo[empty]));
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(CellClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
