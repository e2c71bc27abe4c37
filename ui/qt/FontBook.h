#pragma once

#include "form/Font.h"

#include <QFont>
#include <QStringList>
#include <map>
#include <string>
#include <tuple>

namespace nonagra::qt {

// Turns the fonts the definitions ask for into Qt fonts: a requested family can
// stand for installed ones, and a style hint picks the nearest serif or sans
// serif when none of them is installed. Sizes are in points at 96 dpi, the
// layout's own resolution, so text keeps its place whatever the screen's dpi;
// a font without a size keeps the toolkit's.
class FontBook {
public:
    void alias(const std::string& name, QStringList families, QFont::StyleHint hint);

    const QFont& font(const form::Font& wanted) const;

private:
    struct Alias {
        QStringList families;
        QFont::StyleHint hint = QFont::AnyStyle;
    };
    using Key = std::tuple<std::string, double, bool, bool>;

    std::map<std::string, Alias> aliases_;
    mutable std::map<Key, QFont> made_;
};

} // namespace nonagra::qt
