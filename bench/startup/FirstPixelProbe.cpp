// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start from outside, as a player sees it: forks and runs the
// program, waits for its first top-level window to be mapped, then reads the
// window's pixels back from the X server until one of them is not black. On a
// server started with a black root window (Xvfb -br) that is the first moment
// the program has painted anything. Prints "first-pixel-ms N" (milliseconds
// from the fork) and ends the program.
//   first_pixel_probe PROGRAM [ARGUMENT...]
#include <xcb/xcb.h>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(20);
constexpr auto kPollInterval = std::chrono::microseconds(500);

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Whether any pixel of the window's contents differs from black. A window
// that cannot be read (not viewable yet, or already gone) counts as black.
bool showsNonBlackPixel(xcb_connection_t* connection, xcb_window_t window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry)
        return false;
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width,
                      geometry->height, UINT32_MAX),
        nullptr));
    if (!image)
        return false;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    // In a 24-bit visual the fourth byte of every pixel is padding.
    for (int i = 0; i < length; ++i) {
        if (i % 4 != 3 && data[i] != 0)
            return true;
    }
    return false;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int run(char** program)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "first_pixel_probe: cannot connect to the X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // Map notifications of the root's children are the program's top-level
    // windows appearing.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));

    const auto forked = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(program[0], program);
        std::perror("first_pixel_probe: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("first_pixel_probe: fork");
        return 2;
    }

    xcb_window_t window = XCB_NONE;
    double shownMs = -1;
    while (shownMs < 0 && Clock::now() - forked < kGiveUpAfter) {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            if (window == XCB_NONE && (event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                window = reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
        }
        if (window != XCB_NONE && showsNonBlackPixel(connection, window))
            shownMs = millisecondsSince(forked);
        else
            std::this_thread::sleep_for(kPollInterval);
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first_pixel_probe: %s ended before it showed a window\n", program[0]);
            xcb_disconnect(connection);
            return 1;
        }
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (shownMs < 0) {
        std::fprintf(stderr, "first_pixel_probe: %s showed no painted window\n", program[0]);
        return 1;
    }
    std::printf("first-pixel-ms %.1f\n", shownMs);
    return 0;
}

} // namespace
} // namespace velmora

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_pixel_probe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    return velmora::run(argv + 1);
}
