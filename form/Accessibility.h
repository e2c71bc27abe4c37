#pragma once

#include <functional>
#include <string>
#include <vector>

namespace nonagra::form {

class Control;
class Label;

// A mouse button that assistive technology may use on a label, with the words
// it is offered in. Using it is a press with that button and then the click.
struct LabelAction {
    short Button = 0; // a MouseButton
    std::string Name;
    std::string Description;
};

// What assistive technology is told about a form's labels, which have no
// widgets of their own for it to find. The window definitions fill it in; the
// adapter builds its accessible objects from it, and only when a tool asks.
// Widgets are named by Control::AccessibleName.
struct Accessibility {
    // Labels read as a table, row by row, each saying what DescribeCell says.
    std::string TableName;
    int TableColumns = 0;
    std::vector<Label*> TableCells;
    std::function<std::string(const Label&)> DescribeCell;
    // The cell whose description tells the state of another control (a cell's
    // note, say), so that its changes are announced as the cell's; or null.
    std::function<const Label*(const Control&)> CellTelling;
    std::vector<LabelAction> CellActions;

    // Labels used as buttons, named by their captions.
    std::vector<Label*> Buttons;
    std::function<bool(const Label&)> ButtonSelected;
    LabelAction ButtonAction;

    // Labels read as text: their captions.
    std::vector<Label*> Texts;

    // What a widget shows beside its name (a stepper: the text it steps), or "".
    std::function<std::string(const Control&)> ValueText;
    // What one event changed, said once whatever has the focus, given the
    // controls it wrote and the push button clicked; "" for nothing to say.
    std::function<std::string(const std::vector<const Control*>& written)> Summary;
    // The keys that are in no focus cycle, told by the control that has the
    // focus when the window opens.
    std::string KeysHint;
};

} // namespace nonagra::form
