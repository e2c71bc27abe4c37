#include "qt/AccessibleWidgets.h"

#include "qt/FormView.h"
#include "qt/ModalGuard.h"
#include "qt/Stepper.h"

#include <QMetaObject>
#include <QPushButton>

namespace nonagra::qt {

AccessiblePushButton::AccessiblePushButton(QPushButton& button)
    : QAccessibleWidget(&button, QAccessible::Button), button_(button) {}

QString AccessiblePushButton::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && button_.accessibleName().isEmpty()) {
        return button_.text().remove(QLatin1Char('&'));
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessiblePushButton::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button_.isDown();
    return state;
}

QStringList AccessiblePushButton::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

// Queued as a label's action is: the click may open a modal box, and the tool
// waits for this call to return.
void AccessiblePushButton::doAction(const QString& name) {
    if (!button_.isEnabled() || blockedByModal(button_)) {
        return;
    }
    if (name != pressAction()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    QMetaObject::invokeMethod(
        &button_,
        [&button = button_] {
            if (button.isEnabled() && !blockedByModal(button)) {
                button.click();
            }
        },
        Qt::QueuedConnection);
}

AccessibleStepper::AccessibleStepper(Stepper& bar, FormView& view)
    : QAccessibleWidget(&bar, QAccessible::ScrollBar), bar_(bar), view_(view) {
    // Made while the bar is being built, it does not know its text yet.
    if (view_.controlOf(bar_) != nullptr) {
        toldName_ = text(QAccessible::Name);
    }
}

QString AccessibleStepper::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {
        return QString::number(bar_.value());
    }
    if (t != QAccessible::Name) {
        return QAccessibleWidget::text(t);
    }
    const form::Accessibility& seen = view_.form().Accessible;
    const form::Control* control = view_.controlOf(bar_);
    const std::string shown =
        seen.ValueText && control != nullptr ? seen.ValueText(*control) : std::string();
    const QString name = bar_.accessibleName();
    return shown.empty() ? name : name + QStringLiteral(": ") + QString::fromStdString(shown);
}

void AccessibleStepper::announceChange() {
    const QString name = text(QAccessible::Name);
    if (toldName_.isNull()) {
        toldName_ = name;
    } else if (name != toldName_) {
        toldName_ = name;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void* AccessibleStepper::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

bool AccessibleStepper::refused() const {
    return !bar_.isEnabled() || blockedByModal(bar_);
}

QStringList AccessibleStepper::actionNames() const {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
}

void AccessibleStepper::doAction(const QString& name) {
    if (refused()) {
        return;
    }
    if (name == increaseAction()) {
        bar_.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    } else if (name == decreaseAction()) {
        bar_.triggerAction(QAbstractSlider::SliderSingleStepSub);
    } else {
        QAccessibleWidget::doAction(name);
    }
}

QVariant AccessibleStepper::currentValue() const {
    return bar_.value();
}

// Moving the bar's position is its own move action, which the game takes; a
// value outside the range stops at its end, as the arrows do.
void AccessibleStepper::setCurrentValue(const QVariant& value) {
    bool number = false;
    const int wanted = value.toInt(&number);
    if (!number || refused() || wanted == bar_.value()) {
        return;
    }
    bar_.setSliderPosition(std::clamp(wanted, bar_.minimum(), bar_.maximum()));
}

QVariant AccessibleStepper::maximumValue() const {
    return bar_.maximum();
}

QVariant AccessibleStepper::minimumValue() const {
    return bar_.minimum();
}

QVariant AccessibleStepper::minimumStepSize() const {
    return bar_.singleStep();
}

} // namespace nonagra::qt
