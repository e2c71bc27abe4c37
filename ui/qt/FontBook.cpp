#include "ui/qt/FontBook.h"

#include <cmath>

namespace nonagra::qt {

void FontBook::alias(const std::string& name, QStringList families, QFont::StyleHint hint) {
    aliases_[name] = Alias{std::move(families), hint};
    made_.clear();
}

const QFont& FontBook::font(const form::Font& wanted) const {
    const Key key{wanted.Name, wanted.SizePoints, wanted.Bold, wanted.Underline};
    if (auto found = made_.find(key); found != made_.end()) {
        return found->second;
    }
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
    return made_.emplace(key, f).first->second;
}

} // namespace nonagra::qt
