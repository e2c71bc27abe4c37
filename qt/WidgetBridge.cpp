#include "qt/WidgetBridge.h"

#include "form/PushButton.h"
#include "form/ScrollBar.h"
#include "form/TextField.h"
#include "qt/Stepper.h"
#include "qt/Twips.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <stdexcept>

namespace nonagra::qt {

namespace {

QFont zoomed(QFont font, double zoom) {
    if (zoom != 1 && font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, nearest(font.pixelSize() * zoom)));
    }
    return font;
}

void syncField(QLineEdit& edit, const form::TextField& field) {
    edit.setText(QString::fromStdString(field.Text));
}

void syncButton(QPushButton& button, const form::PushButton& model) {
    button.setText(QString::fromStdString(model.Caption));
}

void syncBar(QScrollBar& bar, const form::ScrollBar& model) {
    const QSignalBlocker quiet(bar);
    bar.setRange(model.Min, model.Max);
    bar.setSingleStep(model.SmallChange);
    bar.setPageStep(model.LargeChange);
    bar.setValue(model.Value);
    bar.setSliderPosition(model.Value);
}

// An edit field the user cannot change: the game writes it, nothing reads
// input from it. Disabled, it keeps the white ground and greys its text.
QWidget* makeField(QWidget& host, const form::TextField& field, const FontBook& fonts,
                   double zoom) {
    auto* edit = new QLineEdit(&host);
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Active, QPalette::Base));
    edit->setPalette(palette);
    if (field.TextFont) {
        edit->setFont(zoomed(fonts.font(*field.TextFont), zoom));
    }
    syncField(*edit, field);
    return edit;
}

QWidget* makeButton(QWidget& host, form::PushButton& model, EventGate& gate, const FontBook& fonts,
                    double zoom) {
    auto* button = new QPushButton(&host);
    button->setAutoDefault(false);
    button->setFont(zoomed(fonts.font(model.TextFont), zoom));
    syncButton(*button, model);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&model, &gate] { gate.deliver([&model] { model.click(); }); });
    return button;
}

void act(form::ScrollBar& model, int action, int position) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        model.stepUp();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        model.stepDown();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        model.pageUp();
        break;
    case QAbstractSlider::SliderPageStepSub:
        model.pageDown();
        break;
    case QAbstractSlider::SliderToMinimum:
        model.Value = model.Min;
        break;
    case QAbstractSlider::SliderToMaximum:
        model.Value = model.Max;
        break;
    case QAbstractSlider::SliderMove:
        model.Value = static_cast<std::int16_t>(position);
        break;
    default:
        break;
    }
}

// Every step the user takes goes through the control, which clamps it and
// raises its change handler; the bar then shows the value the control holds.
QWidget* makeBar(QWidget& host, form::ScrollBar& model, EventGate& gate) {
    auto* bar = new Stepper(&host);
    syncBar(*bar, model);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar, &model, &gate](int action) {
        const int position = bar->sliderPosition();
        gate.deliver([&model, action, position] { act(model, action, position); });
        bar->setSliderPosition(model.Value);
    });
    return bar;
}

QWidget* make(QWidget& host, form::Control& control, EventGate& gate, const FontBook& fonts,
              double zoom) {
    if (auto* field = dynamic_cast<form::TextField*>(&control)) {
        return makeField(host, *field, fonts, zoom);
    }
    if (auto* button = dynamic_cast<form::PushButton*>(&control)) {
        return makeButton(host, *button, gate, fonts, zoom);
    }
    if (auto* bar = dynamic_cast<form::ScrollBar*>(&control)) {
        return makeBar(host, *bar, gate);
    }
    throw std::logic_error(control.name() + ": no widget for this kind of control");
}

} // namespace

void WidgetBridge::add(form::Control& control) {
    if (control.Visible) {
        create(control);
    } else {
        unshown_[&control] = &control;
    }
}

void WidgetBridge::create(form::Control& control) {
    QWidget* widget = make(host_, control, gate_, fonts_, zoom_);
    // Known as the control's before anything asks assistive technology about it.
    widgets_[&control] = widget;
    widget->setObjectName(QString::fromStdString(control.name()));
    if (!control.AccessibleName.empty()) {
        widget->setAccessibleName(QString::fromStdString(control.AccessibleName));
    }
    widget->setGeometry(widgetRect(control.Bounds, zoom_));
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setVisible(control.Visible);
    widget->setEnabled(control.Enabled);
}

QWidget* WidgetBridge::widgetOf(const form::Control& control) const {
    auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

const form::Control* WidgetBridge::controlOf(const QWidget& widget) const {
    for (const auto& [control, made] : widgets_) {
        if (made == &widget) {
            return control;
        }
    }
    return nullptr;
}

WidgetBridge::Synced WidgetBridge::sync(const form::Control& control) {
    if (auto unshown = unshown_.find(&control); unshown != unshown_.end()) {
        if (!control.Visible) {
            return Synced::Updated;
        }
        form::Control& shown = *unshown->second;
        unshown_.erase(unshown);
        create(shown);
        return Synced::Created;
    }
    QWidget* widget = widgetOf(control);
    if (widget == nullptr) {
        return Synced::NotMine;
    }
    widget->setVisible(control.Visible);
    widget->setEnabled(control.Enabled);
    if (auto* field = dynamic_cast<const form::TextField*>(&control)) {
        syncField(static_cast<QLineEdit&>(*widget), *field);
    } else if (auto* button = dynamic_cast<const form::PushButton*>(&control)) {
        syncButton(static_cast<QPushButton&>(*widget), *button);
    } else if (auto* bar = dynamic_cast<const form::ScrollBar*>(&control)) {
        syncBar(static_cast<QScrollBar&>(*widget), *bar);
    }
    return Synced::Updated;
}

} // namespace nonagra::qt
