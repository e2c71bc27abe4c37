#include "app/GameFonts.h"

namespace nonagra::app {

qt::FontBook gameFonts() {
    qt::FontBook fonts;
    fonts.alias("Garamond", qt::addBuiltInFaces() + QStringList{"EB Garamond", "Garamond"},
                QFont::Serif);
    fonts.alias("Arial", qt::addBuiltInSans() + QStringList{"Liberation Sans", "Arimo", "Arial"},
                QFont::SansSerif);
    fonts.requireLetters(QStringLiteral("őűŐŰáéíóöúü"));
    return fonts;
}

} // namespace nonagra::app
