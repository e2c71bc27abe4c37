#pragma once

#include <QAccessibleInterface>

namespace nonagra::qt {

class FormView;

// An accessible object with no QObject and no children, drawn in a form's
// window: a label, or a notification that only speaks.
class AccessibleLeaf : public QAccessibleInterface {
public:
    AccessibleLeaf(FormView& view, QAccessibleInterface& parent) : view_(view), parent_(parent) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return &parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    FormView& view() const { return view_; }

private:
    FormView& view_;
    QAccessibleInterface& parent_;
};

} // namespace nonagra::qt
