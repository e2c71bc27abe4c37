#include "qt/AccessibleForm.h"

#include "qt/FormView.h"

#include <QMetaObject>
#include <algorithm>

namespace nonagra::qt {

namespace {

QAccessibleInterface* formFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<FormView*>(object)) {
        return new AccessibleForm(*view);
    }
    return nullptr;
}

} // namespace

AccessibleForm::AccessibleForm(FormView& view)
    : QAccessibleWidget(&view, QAccessible::Window), view_(view),
      buttons_(static_cast<int>(view.form().Accessible.Buttons.size()),
               [this](int position) {
                   return new AccessibleLabel(view_, *this,
                                              *view_.form().Accessible.Buttons.at(position),
                                              AccessibleLabel::Kind::Button);
               }),
      texts_(static_cast<int>(view.form().Accessible.Texts.size()), [this](int position) {
          return new AccessibleLabel(view_, *this, *view_.form().Accessible.Texts.at(position),
                                     AccessibleLabel::Kind::Text);
      }) {
    if (!view.form().Accessible.TableCells.empty()) {
        table_ = new AccessibleTable(view, *this);
        QAccessible::registerAccessibleInterface(table_);
    }
}

AccessibleForm::~AccessibleForm() {
    if (table_ != nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(table_));
    }
}

int AccessibleForm::labelCount() const {
    return (table_ != nullptr ? 1 : 0) + buttons_.size() + texts_.size();
}

int AccessibleForm::childCount() const {
    return labelCount() + QAccessibleWidget::childCount();
}

// The table first, then the buttons and the texts, then the widgets.
QAccessibleInterface* AccessibleForm::child(int index) const {
    if (index < 0) {
        return nullptr;
    }
    if (table_ != nullptr) {
        if (index == 0) {
            return table_;
        }
        --index;
    }
    if (index < buttons_.size()) {
        return buttons_.at(index);
    }
    index -= buttons_.size();
    if (index < texts_.size()) {
        return texts_.at(index);
    }
    return QAccessibleWidget::child(index - texts_.size());
}

int AccessibleForm::indexOfChild(const QAccessibleInterface* child) const {
    const int tableCount = table_ != nullptr ? 1 : 0;
    if (child != nullptr && child == table_) {
        return 0;
    }
    if (const int button = buttons_.indexOf(child); button >= 0) {
        return tableCount + button;
    }
    if (const int text = texts_.indexOf(child); text >= 0) {
        return tableCount + buttons_.size() + text;
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : labelCount() + widget;
}

// Widgets tell their own changes; a label tells them through its object, if
// assistive technology has seen it. A handler writes a cell several times (the
// answer, then its notes cleared): a screen reader hears only where it ended.
void AccessibleForm::announce(const form::Control& control) {
    AccessibleLabel* item = table_ != nullptr ? table_->cellTelling(control) : nullptr;
    if (const auto* label = dynamic_cast<const form::Label*>(&control); item == nullptr && label) {
        item = buttons_.madeFor(*label);
        if (item == nullptr) {
            item = texts_.madeFor(*label);
        }
    }
    if (item == nullptr || std::find(pending_.begin(), pending_.end(), item) != pending_.end()) {
        return;
    }
    pending_.push_back(item);
    if (pending_.size() == 1) {
        QMetaObject::invokeMethod(
            &view_, [this] { announcePending(); }, Qt::QueuedConnection);
    }
}

void AccessibleForm::announcePending() {
    const std::vector<AccessibleLabel*> items = std::move(pending_);
    pending_.clear();
    for (AccessibleLabel* item : items) {
        item->announceChange();
    }
}

void installAccessibleForms() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(formFactory);
    }
}

void announceChange(FormView& view, const form::Control& control) {
    if (auto* form = dynamic_cast<AccessibleForm*>(QAccessible::queryAccessibleInterface(&view))) {
        form->announce(control);
    }
}

} // namespace nonagra::qt
