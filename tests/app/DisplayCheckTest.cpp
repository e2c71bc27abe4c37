// Whether the program finds a display it can draw on, before Qt starts.
#include "app/DisplayCheck.h"

#include "tests/app/FakeEnvironment.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace nonagra::app::test {
namespace {

// A world with an X server on :5 of the given depth (0: none) and a Wayland
// compositor or none.
struct World {
    World(int depth, bool wayland) : depth(depth), wayland(wayland) {}
    int depth;
    bool wayland;
    std::vector<std::string> xAsked;

    DisplayProbes probes() {
        return {
            [this](const std::string& display) {
                xAsked.push_back(display);
                return display == ":5" && depth > 0 ? XScreen{true, depth, {}, nullptr} : XScreen{};
            },
            [this](const Environment&) { return wayland; }};
    }
};

bool found(std::map<std::string, std::string> variables, int depth, bool wayland = false) {
    World world(depth, wayland);
    return !DisplayCheck(environment(std::move(variables)), world.probes()).problem();
}

TEST(DisplayCheck, FindsADisplayWhereQtWouldOpenOne) {
    EXPECT_TRUE(found({{"DISPLAY", ":5"}}, 24));
    EXPECT_TRUE(found({{"DISPLAY", ":5"}}, 16));
    EXPECT_FALSE(found({{"DISPLAY", ":6"}}, 24));
    EXPECT_FALSE(found({}, 24, true));
    EXPECT_TRUE(found({{"WAYLAND_DISPLAY", "wayland-1"}}, 0, true));
    EXPECT_TRUE(found({{"XDG_SESSION_TYPE", "wayland"}}, 0, true));
    EXPECT_TRUE(found({{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ":5"}}, 24));
}

TEST(DisplayCheck, QtQpaPlatformNamesThePlatformsTried) {
    EXPECT_TRUE(found({{"QT_QPA_PLATFORM", "offscreen"}}, 0));
    EXPECT_TRUE(found({{"QT_QPA_PLATFORM", "minimal:enable_fonts"}}, 0));
    EXPECT_FALSE(found({{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "w"}}, 0, true));
    EXPECT_FALSE(found({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":5"}}, 24));
    EXPECT_TRUE(found({{"QT_QPA_PLATFORM", "wayland-egl;XCB:nograb"}, {"DISPLAY", ":5"}}, 24));
    EXPECT_TRUE(found({{"QT_QPA_PLATFORM", "wayland;xcb"}}, 0, true));
    EXPECT_FALSE(found({{"QT_QPA_PLATFORM", ";xcb;"}}, 0));
}

TEST(DisplayCheck, SaysWhichOfTheTwoIsMissing) {
    World world(8, false);
    const auto shallow = DisplayCheck(environment({{"DISPLAY", ":5"}}), world.probes()).problem();
    ASSERT_TRUE(shallow);
    EXPECT_NE(shallow->find("display :5 has 8-bit colour"), std::string::npos) << *shallow;
    EXPECT_EQ(world.xAsked, std::vector<std::string>{":5"});

    const auto none = DisplayCheck(environment({}), World(0, false).probes()).problem();
    ASSERT_TRUE(none);
    EXPECT_NE(none->find("graphical display is needed"), std::string::npos) << *none;
    EXPECT_EQ(none->find('\n'), std::string::npos);

    // A server that is there but refuses us is not "none found".
    DisplayProbes refusing{
        [](const std::string&) {
            return XScreen{false, 0, "the X server of display :5 refused", nullptr};
        },
        [](const Environment&) { return false; }};
    const auto refused = DisplayCheck(environment({{"DISPLAY", ":5"}}), refusing).problem();
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, "the X server of display :5 refused");

    // A Wayland compositor draws where the 8-bit X server cannot.
    EXPECT_TRUE(found({{"DISPLAY", ":5"}, {"WAYLAND_DISPLAY", "w"}}, 8, true));
}

TEST(DisplayCheck, AWaylandSocketIsFoundWhereClientsLookForIt) {
    TempDir runtime;
    const std::string absolute = runtime.listen("wayland-0");
    runtime.listen("wayland-7");
    const std::string dir = runtime.path();
    EXPECT_TRUE(waylandReachable(environment({{"XDG_RUNTIME_DIR", dir}})));
    EXPECT_TRUE(waylandReachable(
        environment({{"XDG_RUNTIME_DIR", dir}, {"WAYLAND_DISPLAY", "wayland-7"}})));
    EXPECT_TRUE(waylandReachable(environment({{"WAYLAND_DISPLAY", absolute}})));
    EXPECT_TRUE(waylandReachable(environment({{"WAYLAND_SOCKET", "3"}})));
    EXPECT_FALSE(waylandReachable(
        environment({{"XDG_RUNTIME_DIR", dir}, {"WAYLAND_DISPLAY", "wayland-8"}})));
    EXPECT_FALSE(waylandReachable(environment({{"WAYLAND_DISPLAY", "wayland-7"}})));
    EXPECT_FALSE(
        waylandReachable(environment({{"WAYLAND_DISPLAY", dir + "/" + std::string(120, 'w')}})));
}

TEST(DisplayCheck, AnXServerThatIsNotThereIsUnreachable) {
    EXPECT_FALSE(probeX(":65535").reachable);
}

} // namespace
} // namespace nonagra::app::test
