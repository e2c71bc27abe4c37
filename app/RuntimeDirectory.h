#pragma once

#include "app/Environment.h"

#include <string>

namespace nonagra::app {

// Qt looks into the runtime directory for a Flatpak marker when it starts,
// and without XDG_RUNTIME_DIR it creates /tmp/runtime-<user> for that. The
// directory this names instead is one that already meets the XDG rules (a
// directory of this user's, 0700, not a link): /run/user/<uid> as logind
// makes it, else the home directory. "" when XDG_RUNTIME_DIR is set, or when
// neither qualifies.
std::string runtimeDirectoryToLend(const Environment& env);

// Sets XDG_RUNTIME_DIR to that directory, if there is one.
void lendRuntimeDirectory();

} // namespace nonagra::app
