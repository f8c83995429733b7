// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program on the X display in DISPLAY and prints, in milliseconds,
// the time from just before its process starts to the first drawing into
// its first mapped top-level window (the X server's Damage report), then its
// resident set in KiB one second later, and ends it. The program under test
// needs no switch of its own. Run it on a display without a window manager.
//   firstframe PROGRAM [ARG...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: firstframe PROGRAM [ARG...]\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "firstframe: no X display\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "firstframe: the X server has no Damage extension\n");
        return 1;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    // Every new top-level window is watched from its creation, so that no
    // drawing is missed; the first one drawn once mapped counts.
    alarm(20);
    double painted = -1;
    std::set<xcb_window_t> mapped;
    while (painted < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_wait_for_event(connection), &std::free);
        if (!event)
            break;
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *create = reinterpret_cast<xcb_create_notify_event_t *>(event.get());
            xcb_damage_create(connection, xcb_generate_id(connection), create->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event.get());
            if (!map->override_redirect)
                mapped.insert(map->window);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event.get());
            if (mapped.count(notify->drawable))
                painted = now();
        }
    }
    if (painted < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::fprintf(stderr, "firstframe: no window was painted\n");
        return 1;
    }
    usleep(1000 * 1000);
    const long rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.1f %ld\n", painted - start, rss);
    xcb_disconnect(connection);
    return 0;
}
