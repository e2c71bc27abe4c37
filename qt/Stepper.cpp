#include "qt/Stepper.h"

#include "qt/BoardKeyMap.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>

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
    // The colour in which the style frames a focused button.
    QPen ring(palette().color(QPalette::Highlight).darker(125), 2);
    ring.setJoinStyle(Qt::MiterJoin);
    QPainter painter(this);
    painter.setPen(ring);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

} // namespace nonagra::qt
