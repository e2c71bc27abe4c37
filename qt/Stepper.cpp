#include "qt/Stepper.h"

#include "qt/BoardKeyMap.h"
#include "qt/EdgeRing.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

namespace nonagra::qt {

bool Stepper::event(QEvent* event) {
    // The scroll bar takes the wheel in event() itself, not in wheelEvent().
    if (event->type() == QEvent::Wheel) {
        event->accept();
        return true;
    }
    return QScrollBar::event(event);
}

void Stepper::keyPressEvent(QKeyEvent* event) {
    if (fromKeypad(*event)) {
        event->ignore();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void Stepper::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    fillEdgeRing(painter, rect(), 2, focusRingColour(palette()));
}

} // namespace nonagra::qt
