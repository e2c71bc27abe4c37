#pragma once

#include "form/Platform.h"

#include <QWidget>
#include <string>

namespace nonagra::qt {

// A modal message box without icon, its buttons in Hungarian ("OK", or "Igen"
// and "Nem" with "Igen" the default).
form::MessageAnswer askUser(QWidget* parent, const std::string& title, const std::string& text,
                            form::MessageButtons buttons);

} // namespace nonagra::qt
