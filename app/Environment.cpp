#include "app/Environment.h"

#include <cstdlib>

namespace nonagra::app {

std::string processVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace nonagra::app
