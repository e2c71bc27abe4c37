// The program: Qt, the fonts the windows ask for, the main window and its
// event loop. The exit code is 0 however the game ends, 1 after a failure.
#include "board/FoMenu.h"
#include "ui/qt/FontBook.h"
#include "ui/qt/LightPalette.h"
#include "ui/qt/QtPlatform.h"

#include <QApplication>
#include <exception>
#include <iostream>

namespace {

// Garamond as the program carries it, with lining figures, else as Debian
// ships it; Arial as Debian ships it; without them the nearest serif or sans
// serif that has the Hungarian letters.
nonagra::qt::FontBook gameFonts() {
    nonagra::qt::FontBook fonts;
    fonts.alias("Garamond", nonagra::qt::addBuiltInFaces() + QStringList{"EB Garamond", "Garamond"},
                QFont::Serif);
    fonts.alias("Arial", {"Liberation Sans", "Arimo", "Arial"}, QFont::SansSerif);
    fonts.requireLetters(QStringLiteral("őűŐŰáéíóöúü"));
    return fonts;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nonagra::qt::useLightPalette();
    QApplication::setApplicationName(QStringLiteral("Nonagra"));
    QApplication::setDesktopFileName(QStringLiteral("hu.nonagra.Nonagra"));
    try {
        const nonagra::qt::FontBook fonts = gameFonts();
        nonagra::qt::QtPlatform platform(fonts);
        nonagra::FoMenu menu(platform);
        return platform.run(menu);
    } catch (const std::exception& e) {
        std::cerr << "nonagra: " << e.what() << std::endl;
        return 1;
    }
}
