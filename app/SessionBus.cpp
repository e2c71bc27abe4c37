#include "app/SessionBus.h"

#include <cstddef>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace nonagra::app {

namespace {

std::string runtimeBus(const Environment& env) {
    const std::string runtime = env("XDG_RUNTIME_DIR");
    return runtime.empty() ? std::string() : runtime + "/bus";
}

// A D-Bus address value with its %xx escapes undone.
std::string unescaped(std::string_view value) {
    const auto digit = [](char c) {
        return c >= 'a' ? c - 'a' + 10 : c >= 'A' ? c - 'A' + 10 : c - '0';
    };
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size()) {
            out += static_cast<char>(digit(value[i + 1]) * 16 + digit(value[i + 2]));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

// Fills in a Unix socket address; false when the name does not fit.
bool socketAt(const std::string& path, bool abstract, sockaddr_un& socket, socklen_t& length) {
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof socket.sun_path) {
        return false;
    }
    socket = {};
    socket.sun_family = AF_UNIX;
    path.copy(socket.sun_path + offset, path.size());
    // A path ends in its NUL, an abstract name starts with one.
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
    return true;
}

// The socket the first entry of an address names; nothing for other transports.
bool unixSocket(std::string_view address, sockaddr_un& socket, socklen_t& length) {
    address = address.substr(0, address.find(';'));
    if (!address.starts_with("unix:")) {
        return false;
    }
    address.remove_prefix(5);
    while (!address.empty()) {
        const std::string_view pair = address.substr(0, address.find(','));
        address.remove_prefix(std::min(address.size(), pair.size() + 1));
        const bool abstract = pair.starts_with("abstract=");
        if (!abstract && !pair.starts_with("path=")) {
            continue;
        }
        return socketAt(unescaped(pair.substr(pair.find('=') + 1)), abstract, socket, length);
    }
    return false;
}

} // namespace

bool sessionBusKnown(const Environment& env) {
    if (!env("DBUS_SESSION_BUS_ADDRESS").empty()) {
        return true;
    }
    const std::string bus = runtimeBus(env);
    struct stat status {};
    return !bus.empty() && stat(bus.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
           status.st_uid == getuid();
}

bool sessionBusAnswers(const Environment& env, std::chrono::milliseconds deadline) {
    sockaddr_un socketAddress{};
    socklen_t length = 0;
    const std::string address = env("DBUS_SESSION_BUS_ADDRESS");
    if (address.empty() ? !socketAt(runtimeBus(env), false, socketAddress, length)
                        : !unixSocket(address, socketAddress, length)) {
        return true;
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    // A daemon that does not accept leaves a full backlog: the connection
    // fails at once rather than waiting.
    std::string hello = std::string(1, '\0') + "AUTH EXTERNAL ";
    for (const char digit : std::to_string(getuid())) {
        constexpr std::string_view hex = "0123456789abcdef";
        hello += hex[static_cast<unsigned char>(digit) >> 4];
        hello += hex[static_cast<unsigned char>(digit) & 15];
    }
    hello += "\r\n";
    char answer[3] = {};
    pollfd readable{fd, POLLIN, 0};
    const bool answered =
        connect(fd, reinterpret_cast<const sockaddr*>(&socketAddress), length) == 0 &&
        send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(hello.size()) &&
        poll(&readable, 1, static_cast<int>(deadline.count())) == 1 &&
        recv(fd, answer, sizeof answer, 0) == static_cast<ssize_t>(sizeof answer) &&
        std::string_view(answer, sizeof answer) == "OK ";
    close(fd);
    return answered;
}

void keepOffBusAutolaunch() {
    if (!sessionBusKnown(processVariable) || !sessionBusAnswers(processVariable, busDeadline)) {
        // A transport libdbus does not know: the connection fails at once.
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
}

} // namespace nonagra::app
