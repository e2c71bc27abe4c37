#pragma once

#include <QApplication>
#include <QWidget>

namespace nonagra::qt {

// Whether a modal window other than this widget's own keeps input from it. An
// assistive tool's action there does nothing, as a mouse click there does.
inline bool blockedByModal(const QWidget& widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != widget.window();
}

} // namespace nonagra::qt
