#pragma once

#include "form/Control.h"
#include "ui/qt/EventGate.h"
#include "ui/qt/FontBook.h"

#include <QWidget>
#include <unordered_map>

namespace nonagra::qt {

// The real Qt widgets for a form's text fields, push buttons and scroll bars:
// each is made from its control, sends its input to the control and follows
// the control's properties. The controls stay the state; a widget is a view.
class WidgetBridge {
public:
    WidgetBridge(QWidget& host, EventGate& gate, const FontBook& fonts)
        : host_(host), gate_(gate), fonts_(fonts) {}

    QWidget& add(form::Control& control);
    // Returns false for a control that has no widget here.
    bool sync(const form::Control& control);
    QWidget* widgetOf(const form::Control& control) const;

private:
    QWidget& host_;
    EventGate& gate_;
    const FontBook& fonts_;
    std::unordered_map<const form::Control*, QWidget*> widgets_;
};

} // namespace nonagra::qt
