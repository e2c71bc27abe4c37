// A session bus is used where one exists, and never started where none does.
#include "app/SessionBus.h"

#include "tests/app/FakeEnvironment.h"
#include "tests/app/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

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

    // As after sudo -E: libdbus passes over another user's socket and would autolaunch.
    if (getuid() == 0) {
        ASSERT_EQ(chown((withSocket.path() + "/bus").c_str(), 1, 1), 0);
        EXPECT_FALSE(sessionBusKnown(environment({{"XDG_RUNTIME_DIR", withSocket.path()}})));
    }
}

// A daemon on a socket of its own that reads one request and writes this
// answer, or none.
class Daemon {
public:
    explicit Daemon(std::string answer) {
        path_ = dir_.path() + "/bus";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof address.sun_path - 1);
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            listen(fd_, 1) != 0) {
            throw std::runtime_error("listen");
        }
        if (!answer.empty()) {
            thread_ = std::thread([this, answer] {
                const int client = accept(fd_, nullptr, nullptr);
                char request[64];
                if (client >= 0 && read(client, request, sizeof request) > 0) {
                    EXPECT_EQ(std::string(request + 1, 14), "AUTH EXTERNAL ");
                    EXPECT_EQ(write(client, answer.data(), answer.size()),
                              static_cast<ssize_t>(answer.size()));
                }
                close(client);
            });
        }
    }
    ~Daemon() {
        if (thread_.joinable()) {
            thread_.join();
        }
        close(fd_);
    }
    const std::string& path() const { return path_; }
    std::string dir() const { return dir_.path(); }

private:
    TempDir dir_;
    std::string path_;
    int fd_ = -1;
    std::thread thread_;
};

bool answers(std::map<std::string, std::string> variables) {
    return sessionBusAnswers(environment(std::move(variables)), std::chrono::milliseconds(200));
}

TEST(SessionBus, OnlyABusThatAcceptsUsInTimeIsUsed) {
    {
        Daemon accepting("OK 0123456789abcdef\r\n");
        EXPECT_TRUE(
            answers({{"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + accepting.path() + ",guid=1"}}));
    }
    {
        Daemon accepting("OK 0123456789abcdef\r\n");
        EXPECT_TRUE(answers({{"XDG_RUNTIME_DIR", accepting.dir()}}));
    }
    {
        Daemon refusing("REJECTED EXTERNAL\r\n");
        EXPECT_FALSE(answers({{"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + refusing.path()}}));
    }
    {
        // Stopped, or a socket nobody serves: it never answers.
        Daemon silent("");
        EXPECT_FALSE(answers({{"XDG_RUNTIME_DIR", silent.dir()}}));
    }
    EXPECT_FALSE(answers({{"DBUS_SESSION_BUS_ADDRESS", "unix:abstract=/nonagra/no-such-bus"}}));
    EXPECT_TRUE(answers({{"DBUS_SESSION_BUS_ADDRESS", "tcp:host=localhost,port=1"}}));
}

TEST(SessionBus, AnAnsweringBusStaysAndAnyOtherCannotAutolaunch) {
    const auto kept = [](const std::string& address) {
        setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        keepOffBusAutolaunch();
        return processVariable("DBUS_SESSION_BUS_ADDRESS") == address;
    };
    Daemon accepting("OK 0123456789abcdef\r\n");
    EXPECT_TRUE(kept("unix:path=" + accepting.path()));
    EXPECT_FALSE(kept("unix:path=/nonexistent/bus"));

    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("XDG_RUNTIME_DIR");
    keepOffBusAutolaunch();
    const std::string address = processVariable("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_FALSE(address.empty());
    EXPECT_NE(address.rfind("autolaunch:", 0), 0U);
}

} // namespace
} // namespace nonagra::app::test
