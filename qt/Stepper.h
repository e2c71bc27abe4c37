#pragma once

#include <QScrollBar>

namespace nonagra::qt {

// A small vertical scroll bar that steps a number: arrows, paging and keys
// step it, the mouse wheel does not, since a wheel turned over it by chance
// would change the level or puzzle and discard the board. It shows a ring
// while it has the focus, which the style alone does not draw.
class Stepper : public QScrollBar {
public:
    explicit Stepper(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace nonagra::qt
