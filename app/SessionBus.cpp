#include "app/SessionBus.h"

#include <cstdlib>
#include <sys/stat.h>

namespace nonagra::app {

bool sessionBusKnown(const Environment& env) {
    if (!env("DBUS_SESSION_BUS_ADDRESS").empty()) {
        return true;
    }
    const std::string runtime = env("XDG_RUNTIME_DIR");
    struct stat status {};
    return !runtime.empty() && stat((runtime + "/bus").c_str(), &status) == 0 &&
           S_ISSOCK(status.st_mode);
}

void keepOffBusAutolaunch() {
    if (!sessionBusKnown(processVariable)) {
        // A transport libdbus does not know: the connection fails at once.
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
}

} // namespace nonagra::app
