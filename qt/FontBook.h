#pragma once

#include "form/Font.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <tuple>

namespace nonagra::qt {

// Registers the faces built into the program with Qt: Nonagra Garamond, the
// Regular and Bold of EB Garamond with lining figures (fonts/). Returns the
// family they add; none if Qt refused them, when the installed faces have to do.
QStringList addBuiltInFaces();

// Registers Nonagra Sans, the Bold of Liberation Sans (fonts/), in which the
// notes are written: only the bold, as nothing asks for a regular sans serif.
// Returns its family; none if Qt refused it.
QStringList addBuiltInSans();

// Turns the fonts the definitions ask for into Qt fonts. A requested family
// can stand for installed ones; a font that lacks one of the required letters
// is replaced by another face of its family that has them (drawn emboldened
// where only the bold face lacks them), else by the nearest serif or sans
// serif as its style hint says. Sizes are in points at 96 dpi, the layout's
// own resolution, so text keeps its place whatever the screen's dpi; a font
// without a size keeps the toolkit's.
class FontBook {
public:
    void alias(const std::string& name, QStringList families, QFont::StyleHint hint);
    void requireLetters(const QString& letters);

    const QFont& font(const form::Font& wanted) const;

private:
    struct Alias {
        QStringList families;
        QFont::StyleHint hint = QFont::AnyStyle;
    };
    using Key = std::tuple<std::string, double, bool, bool>;
    // Which face has the letters depends on the family and the weight only,
    // so each is found once, whatever the sizes.
    struct Face {
        QStringList families;
        QString style;
    };
    using FaceKey = std::pair<std::string, bool>;

    QFont requested(const form::Font& wanted) const;
    bool hasLetters(const QFont& font) const;
    Face faceWithLetters(const QFont& font) const;

    std::map<std::string, Alias> aliases_;
    QString letters_;
    mutable std::map<Key, QFont> made_;
    mutable std::map<FaceKey, Face> faces_;
};

} // namespace nonagra::qt
