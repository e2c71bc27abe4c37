#include "qt/AccessibleNotice.h"

#include "qt/FormView.h"

namespace nonagra::qt {

QWindow* AccessibleNotice::window() const {
    return view_.windowHandle();
}

QString AccessibleNotice::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? sentence_ : QString();
}

void AccessibleNotice::show() {
    QAccessibleEvent event(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

} // namespace nonagra::qt
