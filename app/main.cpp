// The program: Qt, the fonts the windows ask for, the main window and its
// event loop. The exit code is 0 however the game ends, 1 after a failure.
#include "app/CharacterType.h"
#include "app/DisplayCheck.h"
#include "app/SessionBus.h"
#include "app/ToolkitFailures.h"
#include "board/FoMenu.h"
#include "qt/FontBook.h"
#include "qt/LightPalette.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <exception>
#include <iostream>

namespace {

// Garamond as the program carries it, with lining figures, else as Debian
// ships it; Arial as the program carries it, else as Debian ships it; without
// them the nearest serif or sans serif that has the Hungarian letters.
nonagra::qt::FontBook gameFonts() {
    nonagra::qt::FontBook fonts;
    fonts.alias("Garamond", nonagra::qt::addBuiltInFaces() + QStringList{"EB Garamond", "Garamond"},
                QFont::Serif);
    fonts.alias("Arial",
                nonagra::qt::addBuiltInSans() + QStringList{"Liberation Sans", "Arimo", "Arial"},
                QFont::SansSerif);
    fonts.requireLetters(QStringLiteral("őűŐŰáéíóöúü"));
    return fonts;
}

} // namespace

int main(int argc, char** argv) {
    const nonagra::app::DisplayCheck display(nonagra::app::processVariable);
    if (display.problem()) {
        std::cerr << "nonagra: " << *display.problem() << std::endl;
        return 1;
    }
    nonagra::app::useUtf8CharacterType();
    nonagra::app::keepOffBusAutolaunch();
    nonagra::app::endOnToolkitFailure();
    // The program takes no command line: Qt sees its name alone, so that
    // options such as -platform or -style change nothing.
    static char fallbackName[] = "nonagra";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication app(qtArgc, qtArgv);
    nonagra::qt::useFusionWithLightPalette();
    QApplication::setApplicationName(QStringLiteral("Nonagra"));
    QApplication::setDesktopFileName(QStringLiteral("hu.nonagra.Nonagra"));
    try {
        const nonagra::qt::FontBook fonts = gameFonts();
        // No control uses the toolkit's own font, yet text fields lay out
        // their text with it when they are made: one of the main window's
        // faces spares resolving another.
        QApplication::setFont(fonts.font({"Garamond", 13.5, true, false}));
        nonagra::qt::QtPlatform platform(fonts);
        nonagra::FoMenu menu(platform);
        return platform.run(menu);
    } catch (const std::exception& e) {
        std::cerr << "nonagra: " << e.what() << std::endl;
        return 1;
    }
}
