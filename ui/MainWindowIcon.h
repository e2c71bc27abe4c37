// The main window's icon, a small picture of the board.
#pragma once

#include "form/Icon.h"

namespace nonagra::ui {

form::Icon mainWindowIcon();

} // namespace nonagra::ui
