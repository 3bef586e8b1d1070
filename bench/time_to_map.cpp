// Starts a program, waits until it maps its first top-level window on the X display, and prints
// the milliseconds that took and the program's resident memory (KiB) at that moment; then ends it.
// Usage: time_to_map PROGRAM [ARGS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: time_to_map PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "time_to_map: no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // Wait for the first map; a program that ends first, or takes more than a minute, failed.
    bool mapped = false;
    while (!mapped) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) != 0 ||
                waitpid(child, nullptr, WNOHANG) != 0 ||
                std::chrono::steady_clock::now() - start > std::chrono::minutes(1)) {
                std::fprintf(stderr, "time_to_map: %s showed no window\n", argv[1]);
                kill(child, SIGKILL);
                return 1;
            }
            usleep(200);
            continue;
        }
        mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        std::free(event);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(), rss);
    return 0;
}
