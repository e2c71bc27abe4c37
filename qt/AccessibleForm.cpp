#include "qt/AccessibleForm.h"

#include "qt/AccessibleWidgets.h"
#include "qt/FormView.h"
#include "qt/Stepper.h"

#include <QMetaObject>
#include <QPushButton>
#include <algorithm>

namespace nonagra::qt {

namespace {

// The form windows, and the push buttons and steppers on them.
QAccessibleInterface* formFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<FormView*>(object)) {
        return new AccessibleForm(*view);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    auto* view = widget != nullptr ? dynamic_cast<FormView*>(widget->window()) : nullptr;
    if (view == nullptr) {
        return nullptr;
    }
    if (auto* bar = dynamic_cast<Stepper*>(widget)) {
        return new AccessibleStepper(*bar, *view);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return new AccessiblePushButton(*button);
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
    for (AccessibleNotice* notice : notices_) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notice));
    }
}

void AccessibleForm::say(const QString& sentence) {
    constexpr std::size_t kept = 8;
    notices_.push_back(new AccessibleNotice(view_, *this, sentence));
    QAccessible::registerAccessibleInterface(notices_.back());
    if (notices_.size() > kept) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(notices_.front()));
        notices_.pop_front();
    }
    notices_.back()->show();
}

void AccessibleForm::focusCell() {
    if (table_ == nullptr || !view_.onBoard()) {
        return;
    }
    QAccessibleEvent event(table_->child(view_.cursor().position()), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* AccessibleForm::focusChild() const {
    if (table_ != nullptr && view_.onBoard()) {
        return table_->child(view_.cursor().position());
    }
    return QAccessibleWidget::focusChild();
}

int AccessibleForm::labelCount() const {
    return (table_ != nullptr ? 1 : 0) + buttons_.size() + texts_.size();
}

int AccessibleForm::childCount() const {
    return labelCount() + QAccessibleWidget::childCount() + (notices_.empty() ? 0 : 1);
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
    index -= texts_.size();
    if (index == QAccessibleWidget::childCount() && !notices_.empty()) {
        return notices_.back();
    }
    return QAccessibleWidget::child(index);
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
    if (child != nullptr && !notices_.empty() && child == notices_.back()) {
        return childCount() - 1;
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : labelCount() + widget;
}

// Widgets tell their own changes; a label tells them through its object, if
// assistive technology has seen it. A handler writes a cell several times (the
// answer, then its notes cleared): a screen reader hears only where it ended.
void AccessibleForm::announce(const form::Control& control) {
    if (written_.empty()) {
        QMetaObject::invokeMethod(
            &view_, [this] { announcePending(); }, Qt::QueuedConnection);
    }
    if (std::find(written_.begin(), written_.end(), &control) == written_.end()) {
        written_.push_back(&control);
    }
    AccessibleLabel* item = table_ != nullptr ? table_->cellTelling(control) : nullptr;
    if (const auto* label = dynamic_cast<const form::Label*>(&control); item == nullptr && label) {
        item = buttons_.madeFor(*label);
        if (item == nullptr) {
            item = texts_.madeFor(*label);
        }
    }
    if (item != nullptr && std::find(pending_.begin(), pending_.end(), item) == pending_.end()) {
        pending_.push_back(item);
    }
}

// Then the event is said once: what the form sums it up as, and the focused
// cell as it now reads if the event changed it. The sentence goes first: a
// reader that falls behind drops what comes after a new puzzle's many changes.
void AccessibleForm::announcePending() {
    const std::vector<AccessibleLabel*> items = std::move(pending_);
    const std::vector<const form::Control*> written = std::move(written_);
    pending_.clear();
    written_.clear();
    const QString sentence = summary(written);
    if (!sentence.isEmpty()) {
        say(sentence);
    }
    for (AccessibleLabel* item : items) {
        item->announceChange();
    }
    for (const form::Control* control : view_.form().widgets()) {
        QWidget* widget = view_.widgetOf(*control);
        if (auto* stepper = widget != nullptr ? dynamic_cast<AccessibleStepper*>(
                                                    QAccessible::queryAccessibleInterface(widget))
                                              : nullptr) {
            stepper->announceChange();
        }
    }
}

QString AccessibleForm::summary(const std::vector<const form::Control*>& written) const {
    const form::Accessibility& seen = view_.form().Accessible;
    QString sentence = QString::fromStdString(seen.Summary ? seen.Summary(written) : "");
    if (!view_.onBoard()) {
        return sentence;
    }
    const form::Label& current = view_.cursor().current();
    const bool changed = std::any_of(written.begin(), written.end(), [&](const form::Control* c) {
        const form::Label* cell = seen.CellTelling ? seen.CellTelling(*c) : nullptr;
        return c == &current || cell == &current;
    });
    if (changed) {
        const QString cell = QString::fromStdString(seen.DescribeCell(current));
        sentence = sentence.isEmpty() ? cell : sentence + QStringLiteral(". ") + cell;
    }
    return sentence;
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

void focusCurrentCell(FormView& view) {
    QMetaObject::invokeMethod(
        &view,
        [&view] {
            if (auto* form =
                    dynamic_cast<AccessibleForm*>(QAccessible::queryAccessibleInterface(&view))) {
                form->focusCell();
            }
        },
        Qt::QueuedConnection);
}

} // namespace nonagra::qt
