// The keyboard on the board: moving the current cell and the clicks a key stands for.
#include "form/BoardKeys.h"

#include <algorithm>

namespace nonagra::form {

bool BoardCursor::move(BoardKey key) {
    if (!usable()) {
        return false;
    }
    const int columns = board_.TableColumns;
    const int rows = static_cast<int>(board_.TableCells.size()) / columns;
    int row = position_ / columns;
    int column = position_ % columns;
    switch (key) {
    case BoardKey::Left:
        column = std::max(column - 1, 0);
        break;
    case BoardKey::Right:
        column = std::min(column + 1, columns - 1);
        break;
    case BoardKey::Up:
        row = std::max(row - 1, 0);
        break;
    case BoardKey::Down:
        row = std::min(row + 1, rows - 1);
        break;
    case BoardKey::RowStart:
        column = 0;
        break;
    case BoardKey::RowEnd:
        column = columns - 1;
        break;
    case BoardKey::FirstCell:
        row = 0;
        column = 0;
        break;
    case BoardKey::LastCell:
        row = rows - 1;
        column = columns - 1;
        break;
    default:
        return false;
    }
    const int moved = row * columns + column;
    const bool changed = moved != position_;
    position_ = moved;
    return changed;
}

Label* BoardCursor::buttonOf(int digit) const {
    if (digit < 1 || digit > static_cast<int>(board_.Buttons.size())) {
        return nullptr;
    }
    return board_.Buttons[static_cast<std::size_t>(digit - 1)];
}

bool BoardCursor::selected(const Label& button) const {
    return board_.ButtonSelected && board_.ButtonSelected(button);
}

// A given takes no click, so a key there does nothing at all, not even the
// selection. Erasing selects the cell's own digit, as a mouse player must
// before the left click that takes an answer away.
std::vector<LabelInput> BoardCursor::inputFor(const KeyStroke& stroke) const {
    if (!usable() || !current().takesInput()) {
        return {};
    }
    Label& cell = current();
    Label* button = nullptr;
    short cellButton = LeftButton;
    switch (stroke.key) {
    case BoardKey::Digit:
        button = buttonOf(stroke.digit);
        cellButton = stroke.note ? RightButton : LeftButton;
        break;
    case BoardKey::Erase:
        if (cell.Caption.get().empty()) {
            return {};
        }
        for (Label* candidate : board_.Buttons) {
            if (candidate->Caption.get() == cell.Caption.get()) {
                button = candidate;
            }
        }
        break;
    default:
        return {};
    }
    if (button == nullptr) {
        return {};
    }
    std::vector<LabelInput> inputs;
    if (!selected(*button)) {
        inputs.push_back({button, LeftButton});
    }
    inputs.push_back({&cell, cellButton});
    return inputs;
}

} // namespace nonagra::form
