#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace nonagra::app::test {

// A fresh directory, removed with everything in it at the end of its scope.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "nonagra-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        path_ = pattern;
    }
    ~TempDir() {
        for (const int fd : sockets_) {
            close(fd);
        }
        std::filesystem::remove_all(path_);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return path_.string(); }

    // A Unix socket that accepts connections under this name, while the
    // directory lives.
    std::string listen(const std::string& name) {
        const std::string socketPath = (path_ / name).string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd, 1) != 0) {
            throw std::runtime_error("listen on " + socketPath);
        }
        sockets_.push_back(fd);
        return socketPath;
    }

private:
    std::filesystem::path path_;
    std::vector<int> sockets_;
};

} // namespace nonagra::app::test
