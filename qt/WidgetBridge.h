#pragma once

#include "form/Control.h"
#include "qt/EventGate.h"
#include "qt/FontBook.h"

#include <QWidget>
#include <unordered_map>

namespace nonagra::qt {

// The real Qt widgets for a form's text fields, push buttons and scroll bars:
// each is made from its control, sends its input to the control and follows
// the control's properties. The controls stay the state; a widget is a view.
// A hidden control gets its widget only when it is first shown, so fields that
// merely hold state cost nothing at start-up.
class WidgetBridge {
public:
    // `zoom` scales the widgets' places and fonts, for a window drawn
    // smaller than its definition (Fit.h).
    WidgetBridge(QWidget& host, EventGate& gate, const FontBook& fonts, double zoom)
        : host_(host), gate_(gate), fonts_(fonts), zoom_(zoom) {}

    enum class Synced { NotMine, Updated, Created };

    void add(form::Control& control);
    Synced sync(const form::Control& control);
    QWidget* widgetOf(const form::Control& control) const;
    const form::Control* controlOf(const QWidget& widget) const;

private:
    QWidget& host_;
    EventGate& gate_;
    const FontBook& fonts_;
    double zoom_;
    void create(form::Control& control);

    std::unordered_map<const form::Control*, QWidget*> widgets_;
    std::unordered_map<const form::Control*, form::Control*> unshown_;
};

} // namespace nonagra::qt
