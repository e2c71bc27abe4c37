#pragma once

#include "app/Environment.h"

#include <map>
#include <string>

namespace nonagra::app::test {

// An environment holding exactly these variables, in place of the process's.
inline Environment environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

} // namespace nonagra::app::test
