// Starts a program and prints how many milliseconds pass until its first window is mapped
// on the X server: numora-mapwait PROGRAM [ARGS...]. Run it without a window manager, so
// top-level windows map as children of the root window. The program is ended afterwards.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: numora-mapwait PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "numora-mapwait: cannot open the display\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "numora-mapwait: cannot start %s\n", argv[1]);
        return 1;
    }
    int status = 1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            const double ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - start).count();
            std::printf("%.1f\n", ms);
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
