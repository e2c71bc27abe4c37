#include "qt/AccessibleNotice.h"

namespace nonagra::qt {

QString AccessibleNotice::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? sentence_ : QString();
}

void AccessibleNotice::show() {
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace nonagra::qt
