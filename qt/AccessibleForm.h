#pragma once

#include "form/Control.h"
#include "qt/AccessibleLabel.h"
#include "qt/AccessibleNotice.h"
#include "qt/AccessibleTable.h"

#include <QAccessibleWidget>
#include <deque>
#include <vector>

namespace nonagra::qt {

class FormView;

// A form's window as assistive technology sees it: a frame named by its title
// holding the form's table, its label buttons and texts, then its widgets and,
// once something has been said, the notice that said it. Made only when a tool asks.
class AccessibleForm : public QAccessibleWidget {
public:
    explicit AccessibleForm(FormView& view);
    ~AccessibleForm() override;

    // Tells assistive technology what a property write changed in what it
    // knows, once the handler that wrote it has returned to the event loop.
    void announce(const form::Control& control);

    // Gives the accessible focus to the board's current cell.
    void focusCell();

    QAccessibleInterface* focusChild() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    int labelCount() const;
    void announcePending();
    QString summary(const std::vector<const form::Control*>& written) const;
    void say(const QString& sentence);

    FormView& view_;
    AccessibleTable* table_ = nullptr; // registered with Qt, which hands it out by id
    mutable AccessibleLabels buttons_;
    mutable AccessibleLabels texts_;
    // The latest notices, registered with Qt as the table is; the last one is
    // the window's child. Older ones live on a little for a reader still
    // working through its queue.
    std::deque<AccessibleNotice*> notices_;
    std::vector<AccessibleLabel*> pending_;
    std::vector<const form::Control*> written_;
};

// Lets Qt make an AccessibleForm for every form window it is asked about.
void installAccessibleForms();

// What FormView calls on every property write while assistive technology is active.
void announceChange(FormView& view, const form::Control& control);
// What FormView calls when the board takes the focus or its current cell moves:
// after the widget's own focus event, the cell is what has the focus.
void focusCurrentCell(FormView& view);

} // namespace nonagra::qt
