// Starts a program and measures, on the running X display, the wall time from
// exec until its window is mapped and painted, the CPU time the program has
// used when it falls idle after that, and its peak RSS. "Painted" is the first
// moment a probe pixel of the window's client area holds the expected colour;
// "idle" is when none of its threads has run for 100 ms.
// Usage: startwatch [-TERM] <x> <y> <rrggbb> <program...>
// With -TERM the program is ended by SIGTERM rather than SIGKILL, so that a
// tool it runs under, such as callgrind, writes its report.
// Prints "<milliseconds to the first frame> <CPU milliseconds> <peak RSS in KiB>".
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return r ? r->atom : 0;
}

std::vector<xcb_window_t> clients(xcb_connection_t* c, xcb_window_t root, xcb_atom_t list) {
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, list, XCB_ATOM_WINDOW, 0, 4096),
                               nullptr),
        &std::free);
    if (!r) {
        return {};
    }
    const auto* w = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
    const auto count = static_cast<std::size_t>(xcb_get_property_value_length(r.get())) / 4;
    std::vector<xcb_window_t> windows(count);
    std::copy_n(w, count, windows.begin());
    return windows;
}

long pidOf(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pidAtom) {
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!r || xcb_get_property_value_length(r.get()) != 4) {
        return -1;
    }
    return *static_cast<std::uint32_t*>(xcb_get_property_value(r.get()));
}

// The probe pixel as 0xRRGGBB, or -1 while the window cannot be read.
long probe(xcb_connection_t* c, xcb_window_t w, int x, int y) {
    Reply<xcb_get_image_reply_t> r(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, x, y, 1, 1, ~0u),
                            nullptr),
        &std::free);
    if (!r || xcb_get_image_data_length(r.get()) < 4) {
        return -1;
    }
    const std::uint8_t* p = xcb_get_image_data(r.get());
    return (p[2] << 16) | (p[1] << 8) | p[0];
}

// The time all threads of a process have run so far, in nanoseconds.
long long ranNs(pid_t pid) {
    long long total = 0;
    std::error_code gone;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", gone)) {
        long long ns = 0;
        if (std::ifstream(task.path() / "schedstat") >> ns) {
            total += ns;
        }
    }
    return total;
}

void waitForIdle(pid_t pid, std::chrono::steady_clock::time_point deadline) {
    long long last = ranNs(pid);
    auto quietSince = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const long long now = ranNs(pid);
        if (now != last) {
            last = now;
            quietSince = std::chrono::steady_clock::now();
        } else if (std::chrono::steady_clock::now() - quietSince > std::chrono::milliseconds(100)) {
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool term = argc > 1 && std::strcmp(argv[1], "-TERM") == 0;
    if (term) {
        --argc;
        ++argv;
    }
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s [-TERM] x y rrggbb program [args...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const long expected = std::strtol(argv[3], nullptr, 16);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t list = atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(term ? 300 : 20);
    xcb_window_t window = 0;
    double ms = -1;
    while (std::chrono::steady_clock::now() < deadline) {
        if (window == 0) {
            for (xcb_window_t w : clients(c, root, list)) {
                if (pidOf(c, w, pidAtom) == child) {
                    window = w;
                }
            }
        }
        if (window != 0 && probe(c, window, x, y) == expected) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(250));
    }
    if (ms >= 0) {
        waitForIdle(child, deadline);
    }
    // Killed by the signal, the program runs no more code of its own: its CPU
    // time stays what it was at idle.
    kill(child, term ? SIGTERM : SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(c);
    if (ms < 0) {
        std::fprintf(stderr, "%s: no painted window\n", argv[4]);
        return 1;
    }
    const auto cpuMs = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    std::printf("%.1f %.1f %ld\n", ms, cpuMs(usage.ru_utime) + cpuMs(usage.ru_stime),
                usage.ru_maxrss);
    return 0;
}
