#include "app/FileLimit.h"

#include <algorithm>
#include <sys/resource.h>

namespace nonagra::app {

std::optional<std::string> fileLimitProblem() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur >= static_cast<rlim_t>(filesNeeded)) {
        return std::nullopt;
    }
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= static_cast<rlim_t>(filesNeeded)) {
        limit.rlim_cur = static_cast<rlim_t>(filesNeeded);
        if (setrlimit(RLIMIT_NOFILE, &limit) == 0) {
            return std::nullopt;
        }
    }
    const rlim_t allowed = std::min(limit.rlim_cur, limit.rlim_max);
    return "cannot start: only " + std::to_string(allowed) +
           " files may be open at once (ulimit -n), and the game needs " +
           std::to_string(filesNeeded);
}

} // namespace nonagra::app
