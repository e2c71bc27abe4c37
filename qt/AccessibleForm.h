#pragma once

#include "form/Control.h"
#include "qt/AccessibleLabel.h"
#include "qt/AccessibleTable.h"

#include <QAccessibleWidget>
#include <vector>

namespace nonagra::qt {

class FormView;

// A form's window as assistive technology sees it: a frame named by its title
// holding the form's table, its label buttons and texts, and then its widgets.
// Made only when a tool asks for it.
class AccessibleForm : public QAccessibleWidget {
public:
    explicit AccessibleForm(FormView& view);
    ~AccessibleForm() override;

    // Tells assistive technology what a property write changed in what it
    // knows, once the handler that wrote it has returned to the event loop.
    void announce(const form::Control& control);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    int labelCount() const;
    void announcePending();

    FormView& view_;
    AccessibleTable* table_ = nullptr; // registered with Qt, which hands it out by id
    mutable AccessibleLabels buttons_;
    mutable AccessibleLabels texts_;
    std::vector<AccessibleLabel*> pending_;
};

// Lets Qt make an AccessibleForm for every form window it is asked about.
void installAccessibleForms();

// What FormView calls on every property write while assistive technology is active.
void announceChange(FormView& view, const form::Control& control);

} // namespace nonagra::qt
