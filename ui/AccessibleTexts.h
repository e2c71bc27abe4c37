// What assistive technology reads in the main window beyond its captions.
#pragma once

#include <string>
#include <vector>

namespace nonagra {

class FoMenu;

namespace form {
class Control;
}

namespace ui {

// A cell as a screen reader says it: where it lies, its digit or that it is
// empty, whether the digit is a given, and the notes it holds.
std::string cellText(int cell, const std::string& caption, bool given,
                     const std::vector<std::string>& notes);

// What one event changed, said once: the level and puzzle after a change of
// either, that "Feladom" wrote the solution in, or the digit now selected.
// `written` holds the controls the event wrote and the push button clicked.
std::string eventSummary(const FoMenu& menu, const std::vector<const form::Control*>& written);

// The names of the controls, the board as a table of cells with the two mouse
// buttons as its actions, and the digit buttons.
void describeMainWindow(FoMenu& menu);

} // namespace ui
} // namespace nonagra
