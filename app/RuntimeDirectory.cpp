#include "app/RuntimeDirectory.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace nonagra::app {

namespace {

// What Qt checks before it takes a runtime directory without a word.
bool qualifies(const std::string& path) {
    struct stat status {};
    return !path.empty() && lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == geteuid() && (status.st_mode & 07777) == 0700;
}

} // namespace

std::string runtimeDirectoryToLend(const Environment& env) {
    if (!env("XDG_RUNTIME_DIR").empty()) {
        return {};
    }
    for (const std::string& candidate : {"/run/user/" + std::to_string(geteuid()), env("HOME")}) {
        if (qualifies(candidate)) {
            return candidate;
        }
    }
    return {};
}

void lendRuntimeDirectory() {
    if (const std::string lent = runtimeDirectoryToLend(processVariable); !lent.empty()) {
        setenv("XDG_RUNTIME_DIR", lent.c_str(), 1);
    }
}

} // namespace nonagra::app
