#pragma once

#include "form/BoardKeys.h"

class QKeyEvent;

namespace nonagra::qt {

// A key as the board reads it. Digits come from the main row or the keypad on
// any layout; Ctrl with a digit is a note, since Shift with a digit types a
// symbol on a Hungarian keyboard. Other keypad keys are left alone: they are
// the screen reader's own commands when its key grab comes too late.
form::KeyStroke boardKey(const QKeyEvent& event);

// Keys marked as the keypad's; a stepper ignores them, so that a screen
// reader's keypad command never changes a level or puzzle.
bool fromKeypad(const QKeyEvent& event);

} // namespace nonagra::qt
