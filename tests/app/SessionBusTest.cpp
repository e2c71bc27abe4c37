// A session bus is used where one exists, and never started where none does.
#include "app/SessionBus.h"

#include "tests/app/FakeEnvironment.h"
#include "tests/app/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace nonagra::app::test {
namespace {

TEST(SessionBus, IsKnownByItsAddressOrItsSocketInTheRuntimeDirectory) {
    TempDir withSocket;
    withSocket.listen("bus");
    TempDir withFile;
    std::ofstream(withFile.path() + "/bus") << "not a socket";

    EXPECT_TRUE(sessionBusKnown(environment({{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/x"}})));
    EXPECT_TRUE(sessionBusKnown(environment({{"XDG_RUNTIME_DIR", withSocket.path()}})));
    EXPECT_FALSE(sessionBusKnown(environment({{"XDG_RUNTIME_DIR", withFile.path()}})));
    EXPECT_FALSE(sessionBusKnown(environment({})));
}

TEST(SessionBus, AKnownAddressStaysAndAMissingOneCannotAutolaunch) {
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus", 1);
    keepOffBusAutolaunch();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");

    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("XDG_RUNTIME_DIR");
    keepOffBusAutolaunch();
    const std::string address = processVariable("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_FALSE(address.empty());
    EXPECT_NE(address.rfind("autolaunch:", 0), 0U);
}

} // namespace
} // namespace nonagra::app::test
