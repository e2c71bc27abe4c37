#pragma once

#include "form/Accessibility.h"
#include "form/Label.h"
#include "qt/AccessibleLeaf.h"

#include <QAccessibleActionInterface>
#include <functional>
#include <vector>

namespace nonagra::qt {

// A label as assistive technology sees it: text, a button or a table cell, as
// the form's accessibility description lists it. A label has no QObject, so
// this object is registered with Qt by id and belongs to its parent's owner.
class AccessibleLabel : public AccessibleLeaf, public QAccessibleActionInterface {
public:
    enum class Kind { Text, Button, Cell };

    AccessibleLabel(FormView& view, QAccessibleInterface& parent, form::Label& label, Kind kind);

    const form::Label& label() const { return label_; }
    // Tells assistive technology what changed since this was made or last told.
    void announceChange();

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString& name) const override;
    QString localizedActionDescription(const QString& name) const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const form::Accessibility& seen() const;
    std::vector<form::LabelAction> offered() const;

    form::Label& label_;
    Kind kind_;
    QString toldName_;
    QAccessible::State toldState_;
};

// The accessible objects of a list of labels, each made on first use.
class AccessibleLabels {
public:
    using Make = std::function<AccessibleLabel*(int position)>;

    AccessibleLabels(int count, Make make);
    ~AccessibleLabels();
    AccessibleLabels(const AccessibleLabels&) = delete;
    AccessibleLabels& operator=(const AccessibleLabels&) = delete;

    int size() const { return static_cast<int>(made_.size()); }
    AccessibleLabel* at(int position);
    // The object of a label if it has been made; assistive technology knows no other.
    AccessibleLabel* madeFor(const form::Label& label) const;
    int indexOf(const QAccessibleInterface* item) const;

private:
    Make make_;
    std::vector<AccessibleLabel*> made_;
};

} // namespace nonagra::qt
