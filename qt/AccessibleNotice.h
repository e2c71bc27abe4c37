#pragma once

#include "qt/AccessibleLeaf.h"

namespace nonagra::qt {

// A notification that says a sentence when it is shown: what an event changed,
// for a screen reader that says nothing of a property change away from the
// focus and, with this toolkit, cannot read the new value of one. One object
// per sentence: a reader drops a second showing of one object as a duplicate.
class AccessibleNotice : public AccessibleLeaf {
public:
    AccessibleNotice(FormView& view, QAccessibleInterface& parent, QString sentence)
        : AccessibleLeaf(view, parent), sentence_(std::move(sentence)) {}

    void show();

    QString text(QAccessible::Text t) const override;
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QString sentence_;
};

} // namespace nonagra::qt
