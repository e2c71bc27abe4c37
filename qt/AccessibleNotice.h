#pragma once

#include <QAccessibleInterface>

namespace nonagra::qt {

class FormView;

// A notification that says a sentence when it is shown: what an event changed,
// for a screen reader that says nothing of a property change away from the
// focus and, with this toolkit, cannot read the new value of one. One object
// per sentence: a reader drops a second showing of one object as a duplicate.
class AccessibleNotice : public QAccessibleInterface {
public:
    AccessibleNotice(FormView& view, QAccessibleInterface& parent, QString sentence)
        : view_(view), parent_(parent), sentence_(std::move(sentence)) {}

    void show();

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    FormView& view_;
    QAccessibleInterface& parent_;
    QString sentence_;
};

} // namespace nonagra::qt
