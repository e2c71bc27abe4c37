#pragma once

#include "form/Accessibility.h"
#include "form/Label.h"

#include <vector>

namespace nonagra::form {

// The keys the board answers to, named apart from any toolkit.
enum class BoardKey {
    None,
    Left,
    Right,
    Up,
    Down,
    RowStart,  // Home
    RowEnd,    // End
    FirstCell, // Ctrl+Home
    LastCell,  // Ctrl+End
    Digit,     // 1-9; with the note modifier a note
    Erase,     // Delete, Backspace
};

struct KeyStroke {
    BoardKey key = BoardKey::None;
    int digit = 0;
    bool note = false;
};

// A mouse player's input on a label: a press with this button, then its click.
struct LabelInput {
    Label* label = nullptr;
    short button = LeftButton;
    bool operator==(const LabelInput&) const = default;
};

// The current cell of a board read as a table (the form's accessibility
// description: its cells row by row, its digit buttons in digit order), and
// the mouse input each key stands for. Keys add no rule of their own: a digit
// is the click on its button (unless already selected) and then the click on
// the cell, so whatever the handlers do with the mouse they do with the keys.
class BoardCursor {
public:
    explicit BoardCursor(const Accessibility& board) : board_(board) {}

    bool usable() const { return !board_.TableCells.empty() && board_.TableColumns > 0; }
    int position() const { return position_; } // 0-based, row by row
    Label& current() const { return *board_.TableCells.at(static_cast<std::size_t>(position_)); }

    // Moves the current cell, stopping at the edges; whether it moved.
    bool move(BoardKey key);
    // What a mouse player would do for this key on the current cell, in order.
    std::vector<LabelInput> inputFor(const KeyStroke& stroke) const;

private:
    Label* buttonOf(int digit) const;
    bool selected(const Label& button) const;

    const Accessibility& board_;
    int position_ = 0;
};

} // namespace nonagra::form
