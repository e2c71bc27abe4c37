// The program: Qt, the fonts the windows ask for, the main window and its
// event loop. The exit code is 0 however the game ends, 1 after a failure.
#include "app/CharacterType.h"
#include "app/DisplayCheck.h"
#include "app/FileLimit.h"
#include "app/FontConfiguration.h"
#include "app/GameFonts.h"
#include "app/RuntimeDirectory.h"
#include "app/SessionBus.h"
#include "app/ToolkitFailures.h"
#include "board/FoMenu.h"
#include "qt/LightPalette.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
    if (const auto problem = nonagra::app::fileLimitProblem()) {
        std::cerr << "nonagra: " << *problem << std::endl;
        return 1;
    }
    std::optional<nonagra::app::DisplayCheck> display(std::in_place, nonagra::app::processVariable);
    if (display->problem()) {
        std::cerr << "nonagra: " << *display->problem() << std::endl;
        return 1;
    }
    nonagra::app::useUtf8CharacterType();
    nonagra::app::keepOffBusAutolaunch();
    nonagra::app::lendRuntimeDirectory();
    nonagra::app::endOnToolkitFailure();
    // The game sets its own palette, style and fonts: a desktop's theme
    // plugin (GTK's, qt6ct's with its style sheets) would only slow the start
    // and change the look. Qt keeps to its generic theme without both.
    QApplication::setDesktopSettingsAware(false);
    unsetenv("QT_QPA_PLATFORMTHEME");
    // The program takes no command line: Qt sees its name alone, so that
    // options such as -platform or -style change nothing.
    static char fallbackName[] = "nonagra";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication app(qtArgc, qtArgv);
    // Qt holds its own X connection now.
    display.reset();
    nonagra::app::startedUp();
    nonagra::qt::useFusionWithLightPalette();
    QApplication::setApplicationName(QStringLiteral("Nonagra"));
    QApplication::setDesktopFileName(QStringLiteral("hu.nonagra.Nonagra"));
    nonagra::app::loadFontConfiguration();
    try {
        const nonagra::qt::FontBook fonts = nonagra::app::gameFonts();
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
