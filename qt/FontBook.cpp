#include "qt/FontBook.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace nonagra::qt {

extern const unsigned char nonagraGaramondRegular[];
extern const std::size_t nonagraGaramondRegularSize;
extern const unsigned char nonagraGaramondBold[];
extern const std::size_t nonagraGaramondBoldSize;
extern const unsigned char nonagraSansBold[];
extern const std::size_t nonagraSansBoldSize;

namespace {

int addFace(const unsigned char* bytes, std::size_t size) {
    // The bytes live in the program for its whole run, so Qt need not copy them.
    return QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size)));
}

} // namespace

QStringList addBuiltInFaces() {
    // Both weights or neither: half a family would have Qt embolden the regular.
    const int regular = addFace(nonagraGaramondRegular, nonagraGaramondRegularSize);
    const int bold = addFace(nonagraGaramondBold, nonagraGaramondBoldSize);
    if (regular < 0 || bold < 0) {
        QFontDatabase::removeApplicationFont(regular);
        QFontDatabase::removeApplicationFont(bold);
        return {};
    }
    return QFontDatabase::applicationFontFamilies(regular);
}

QStringList addBuiltInSans() {
    const int bold = addFace(nonagraSansBold, nonagraSansBoldSize);
    return bold < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(bold);
}

void FontBook::alias(const std::string& name, QStringList families, QFont::StyleHint hint) {
    aliases_[name] = Alias{std::move(families), hint};
    made_.clear();
    faces_.clear();
}

void FontBook::requireLetters(const QString& letters) {
    letters_ = letters;
    made_.clear();
    faces_.clear();
}

const QFont& FontBook::font(const form::Font& wanted) const {
    const Key key{wanted.Name, wanted.SizePoints, wanted.Bold, wanted.Underline};
    if (auto found = made_.find(key); found != made_.end()) {
        return found->second;
    }
    QFont f = requested(wanted);
    if (!letters_.isEmpty()) {
        const FaceKey faceKey{wanted.Name, wanted.Bold};
        auto face = faces_.find(faceKey);
        if (face == faces_.end()) {
            face = faces_.emplace(faceKey, faceWithLetters(f)).first;
        }
        f.setFamilies(face->second.families);
        f.setStyleName(face->second.style);
    }
    return made_.emplace(key, f).first->second;
}

QFont FontBook::requested(const form::Font& wanted) const {
    QFont f;
    QStringList families;
    if (auto alias = aliases_.find(wanted.Name); alias != aliases_.end()) {
        families = alias->second.families;
        f.setStyleHint(alias->second.hint);
    }
    families.append(QString::fromStdString(wanted.Name));
    f.setFamilies(families);
    if (wanted.SizePoints > 0) {
        f.setPixelSize(static_cast<int>(std::lround(wanted.SizePoints * 96.0 / 72.0)));
    }
    f.setBold(wanted.Bold);
    f.setUnderline(wanted.Underline);
    // The face chosen has every letter the captions use, so Qt need not ask
    // fontconfig for fallback fonts, which costs milliseconds per family.
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

bool FontBook::hasLetters(const QFont& font) const {
    const QRawFont raw = QRawFont::fromFont(font);
    return std::all_of(letters_.begin(), letters_.end(),
                       [&raw](QChar c) { return raw.supportsCharacter(c); });
}

FontBook::Face FontBook::faceWithLetters(const QFont& font) const {
    if (hasLetters(font)) {
        return {font.families(), {}};
    }
    // Another upright face of the same family, heaviest first; asking it for
    // the requested weight lets Qt embolden a lighter one.
    const QString family = QRawFont::fromFont(font).familyName();
    QStringList styles = QFontDatabase::styles(family);
    std::stable_sort(styles.begin(), styles.end(), [&family](const QString& a, const QString& b) {
        return QFontDatabase::weight(family, a) > QFontDatabase::weight(family, b);
    });
    for (const QString& style : styles) {
        if (QFontDatabase::italic(family, style)) {
            continue;
        }
        QFont face = font;
        face.setFamilies({family});
        face.setStyleName(style);
        if (hasLetters(face)) {
            return {{family}, style};
        }
    }
    return {
        {font.styleHint() == QFont::Serif ? QStringLiteral("serif") : QStringLiteral("sans-serif")},
        {}};
}

} // namespace nonagra::qt
