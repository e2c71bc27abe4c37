#include "qt/BoardKeyMap.h"

#include <QKeyEvent>

namespace nonagra::qt {

bool fromKeypad(const QKeyEvent& event) {
    return event.modifiers().testFlag(Qt::KeypadModifier);
}

form::KeyStroke boardKey(const QKeyEvent& event) {
    using form::BoardKey;
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        if (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier) {
            return {BoardKey::Digit, key - Qt::Key_0, modifiers == Qt::ControlModifier};
        }
        return {};
    }
    if (fromKeypad(event)) {
        return {};
    }
    const bool control = modifiers == Qt::ControlModifier;
    if (modifiers != Qt::NoModifier && !(control && (key == Qt::Key_Home || key == Qt::Key_End))) {
        return {};
    }
    switch (key) {
    case Qt::Key_Left:
        return {BoardKey::Left};
    case Qt::Key_Right:
        return {BoardKey::Right};
    case Qt::Key_Up:
        return {BoardKey::Up};
    case Qt::Key_Down:
        return {BoardKey::Down};
    case Qt::Key_Home:
        return {control ? BoardKey::FirstCell : BoardKey::RowStart};
    case Qt::Key_End:
        return {control ? BoardKey::LastCell : BoardKey::RowEnd};
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return {BoardKey::Erase};
    default:
        return {};
    }
}

} // namespace nonagra::qt
