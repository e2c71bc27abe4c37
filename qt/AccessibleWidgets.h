#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class QPushButton;

namespace nonagra::qt {

class FormView;
class Stepper;

// A form's push button for assistive tools: pressed as a click would press
// it, and not at all while a modal window keeps input from it.
class AccessiblePushButton : public QAccessibleWidget {
public:
    explicit AccessiblePushButton(QPushButton& button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

private:
    QPushButton& button_;
};

// A stepper named with what it steps ("Szint választása: Közepes"). Every way
// a tool changes it (its actions, its value) is one of the bar's own actions,
// so it reaches the game as an arrow does, within the range.
class AccessibleStepper : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    AccessibleStepper(Stepper& bar, FormView& view);

    // Tells assistive technology a new name, if the stepped text changed.
    void announceChange();

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    bool refused() const;

    Stepper& bar_;
    FormView& view_;
    QString toldName_;
};

} // namespace nonagra::qt
