#pragma once

#include <QScrollBar>

namespace nonagra::qt {

// A small vertical scroll bar that steps a number: arrows, paging and keys
// step it, the mouse wheel does not, since a wheel turned over it by chance
// would change the level or puzzle and discard the board. It shows a ring
// while it has the focus, which the style alone does not draw. Keypad keys
// leave it alone: a screen reader's keypad commands reach the focused control
// when the reader claims them too late, and a step discards the board.
class Stepper : public QScrollBar {
public:
    explicit Stepper(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace nonagra::qt
