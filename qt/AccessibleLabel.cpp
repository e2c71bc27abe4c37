#include "qt/AccessibleLabel.h"

#include "qt/DeviceLayout.h"
#include "qt/FormView.h"
#include "qt/LabelInput.h"
#include "qt/ModalGuard.h"

#include <QMetaObject>
#include <QWidget>
#include <algorithm>

namespace nonagra::qt {

AccessibleLabel::AccessibleLabel(FormView& view, QAccessibleInterface& parent, form::Label& label,
                                 Kind kind)
    : AccessibleLeaf(view, parent), label_(label), kind_(kind), toldName_(text(QAccessible::Name)),
      toldState_(state()) {}

const form::Accessibility& AccessibleLabel::seen() const {
    return view().form().Accessible;
}

QString AccessibleLabel::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) {
        return {};
    }
    if (kind_ == Kind::Cell && seen().DescribeCell) {
        return QString::fromStdString(seen().DescribeCell(label_));
    }
    return QString::fromStdString(label_.AccessibleName.empty() ? label_.Caption.get()
                                                                : label_.AccessibleName);
}

QRect AccessibleLabel::rect() const {
    const QRect drawn = view().rectOf(label_);
    if (drawn.isNull()) {
        return {};
    }
    return {view().mapToGlobal(drawn.topLeft()), drawn.size()};
}

QAccessible::Role AccessibleLabel::role() const {
    switch (kind_) {
    case Kind::Button:
        return QAccessible::Button;
    case Kind::Cell:
        return QAccessible::Cell;
    case Kind::Text:
        break;
    }
    return QAccessible::StaticText;
}

QAccessible::State AccessibleLabel::state() const {
    QAccessible::State state;
    state.invisible = !label_.Visible;
    state.disabled = !label_.Enabled;
    if (kind_ == Kind::Button) {
        // A toggle button: the selected digit's is pressed (checked).
        const bool on = seen().ButtonSelected && seen().ButtonSelected(label_);
        state.checkable = true;
        state.checked = on;
        state.pressed = on;
        state.selectable = true;
        state.selected = on;
    }
    return state;
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

std::vector<form::LabelAction> AccessibleLabel::offered() const {
    if (!label_.takesInput()) {
        return {};
    }
    switch (kind_) {
    case Kind::Cell:
        return seen().CellActions;
    case Kind::Button:
        return {seen().ButtonAction};
    case Kind::Text:
        break;
    }
    return {};
}

QStringList AccessibleLabel::actionNames() const {
    QStringList names;
    for (const form::LabelAction& action : offered()) {
        names << QString::fromStdString(action.Name);
    }
    return names;
}

QString AccessibleLabel::localizedActionName(const QString& name) const {
    return actionNames().contains(name) ? name : QString();
}

QString AccessibleLabel::localizedActionDescription(const QString& name) const {
    for (const form::LabelAction& action : offered()) {
        if (QString::fromStdString(action.Name) == name) {
            return QString::fromStdString(action.Description);
        }
    }
    return {};
}

// As the mouse does it: the press, then the click if the label still takes
// input. Queued, because a handler may show a modal message box, and the
// assistive tool waits for this call to return. Behind a modal window it does
// nothing, then as when it is run.
void AccessibleLabel::doAction(const QString& name) {
    if (blockedByModal(view())) {
        return;
    }
    for (const form::LabelAction& action : offered()) {
        if (QString::fromStdString(action.Name) != name) {
            continue;
        }
        const short button = action.Button;
        QMetaObject::invokeMethod(
            &view(),
            [&view = view(), &label = label_, button] {
                if (!blockedByModal(view)) {
                    pressAndClick(view.gate(), label, button);
                }
            },
            Qt::QueuedConnection);
        return;
    }
}

void AccessibleLabel::announceChange() {
    const QString name = text(QAccessible::Name);
    if (name != toldName_) {
        toldName_ = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    const QAccessible::State now = state();
    QAccessible::State changed;
    changed.disabled = now.disabled != toldState_.disabled;
    changed.invisible = now.invisible != toldState_.invisible;
    changed.selected = now.selected != toldState_.selected;
    changed.checked = now.checked != toldState_.checked;
    changed.pressed = now.pressed != toldState_.pressed;
    toldState_ = now;
    if (changed.disabled || changed.invisible || changed.selected || changed.checked ||
        changed.pressed) {
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (changed.selected) {
        // The AT-SPI bridge tells a selection from this event, not from the state change.
        QAccessibleEvent event(this, now.selected ? QAccessible::SelectionAdd
                                                  : QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&event);
    }
}

AccessibleLabels::AccessibleLabels(int count, Make make)
    : make_(std::move(make)), made_(static_cast<std::size_t>(count), nullptr) {}

AccessibleLabels::~AccessibleLabels() {
    for (AccessibleLabel* item : made_) {
        if (item != nullptr) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        }
    }
}

AccessibleLabel* AccessibleLabels::at(int position) {
    AccessibleLabel*& item = made_.at(static_cast<std::size_t>(position));
    if (item == nullptr) {
        item = make_(position);
        QAccessible::registerAccessibleInterface(item);
    }
    return item;
}

AccessibleLabel* AccessibleLabels::madeFor(const form::Label& label) const {
    const auto found = std::find_if(made_.begin(), made_.end(), [&label](AccessibleLabel* item) {
        return item != nullptr && &item->label() == &label;
    });
    return found == made_.end() ? nullptr : *found;
}

int AccessibleLabels::indexOf(const QAccessibleInterface* item) const {
    const auto found = std::find(made_.begin(), made_.end(), item);
    return found == made_.end() ? -1 : static_cast<int>(found - made_.begin());
}

} // namespace nonagra::qt
