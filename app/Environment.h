#pragma once

#include <functional>
#include <string>

namespace nonagra::app {

// Reads an environment variable; "" when it is unset.
using Environment = std::function<std::string(const char* name)>;

// The process's own environment.
std::string processVariable(const char* name);

} // namespace nonagra::app
