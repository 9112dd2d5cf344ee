// velmora_map_probe PID TITLE ACTION: times how soon a window of process PID named TITLE is
// mapped, from the X server's MapNotify. The benchmarks time the panel's reveal with it. An
// empty TITLE stands for the untitled panel of the Windows program under Wine, told from its
// untitled edge strip and tooltips by its size (at least 100 x 300).
//   move X Y    the pointer moved there (XTest, as a device moves it); prints the ms until mapped
//   glide X Y   XTest moves 8 ms apart, as a mouse sweeps: 380, 230 and 80 px left of X,Y, then
//               X,Y and 4, 8 and 12 px below it; prints the ms from the move onto X,Y
//   warp X Y    the pointer warped there (what keyboard pointer tools do); prints the ms
//   wait        prints "ready" once it listens, then the wall-clock time (ns since the epoch) of
//               the map; the caller moves the pointer in between (a compositor's own input)
//
// Polling with xdotool costs 12-16 ms a look here, and starting xte as much: as much as the
// latency being measured. Exit status: 0 mapped, 1 not within 5 s, 2 no display or bad usage.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/XcbDisplay_posix.h"

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::string Property(xcb_connection_t* c, xcb_window_t w, xcb_atom_t name, xcb_atom_t type) {
    Reply<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, name, type, 0, 1024), nullptr),
        &std::free);
    if (!r || r->type == XCB_ATOM_NONE) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(r.get())),
                       xcb_get_property_value_length(r.get()));
}

struct Wanted {
    xcb_atom_t pid, netName, utf8;
    unsigned long processId;
    std::string title;
};

bool IsWanted(xcb_connection_t* c, xcb_window_t w, const Wanted& wanted) {
    std::string pid = Property(c, w, wanted.pid, XCB_ATOM_CARDINAL);
    if (pid.size() != 4) return false;
    std::uint32_t value;
    std::memcpy(&value, pid.data(), 4);
    if (value != wanted.processId) return false;
    std::string name = Property(c, w, wanted.netName, wanted.utf8);
    if (name.empty()) name = Property(c, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
    if (name != wanted.title) return false;
    if (!name.empty()) return true;
    Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr),
                                      &std::free);
    return g && g->width >= 100 && g->height >= 300;
}

// A reparenting window manager maps its frame, not the program's window: the frame holds it, or
// holds a wrapper that holds it (KWin).
bool MapsWanted(xcb_connection_t* c, xcb_window_t w, const Wanted& wanted, int depth = 2) {
    if (IsWanted(c, w, wanted)) return true;
    if (depth == 0) return false;
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr),
                                       &std::free);
    if (!tree) return false;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        if (MapsWanted(c, children[i], wanted, depth - 1)) return true;
    return false;
}

// Waits for the wanted window's MapNotify; the time it was read, or nothing by the deadline.
// With a glide, its later moves are sent on the way.
std::optional<std::chrono::steady_clock::time_point> WaitForMap(
    xcb_connection_t* c, const Wanted& wanted, const std::function<void()>& onTick) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            // Stamped as it is read, before the round trips that tell whose window it is.
            const auto when = Clock::now();
            bool found =
                (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                MapsWanted(c, reinterpret_cast<xcb_map_notify_event_t*>(event)->window, wanted);
            std::free(event);
            if (found) return when;
        }
        if (xcb_connection_has_error(c) || Clock::now() >= deadline) return std::nullopt;
        poll(&fd, 1, onTick ? 1 : 50);
        if (onTick) onTick();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string action = argc > 3 ? argv[3] : "";
    const bool moves = action == "move" || action == "glide" || action == "warp";
    if (!(moves && argc == 6) && !(action == "wait" && argc == 4)) {
        std::fprintf(stderr, "usage: %s PID TITLE move|glide|warp X Y | wait\n", argv[0]);
        return 2;
    }
    const velmora::platform::XcbDisplay display = velmora::platform::ConnectToDisplay();
    if (display.connection == nullptr) return 2;
    xcb_connection_t* c = display.connection;
    const xcb_window_t root = display.root;
    const auto atoms =
        velmora::platform::InternAtoms<3>(c, {"_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING"});
    Wanted wanted{atoms[0], atoms[1], atoms[2], std::strtoul(argv[1], nullptr, 10), argv[2]};
    std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));

    if (action == "wait") {
        std::puts("ready");
        std::fflush(stdout);
        auto mapped = WaitForMap(c, wanted, nullptr);
        if (!mapped) return 1;
        // The caller's clock is the wall clock.
        auto wall = std::chrono::system_clock::now() -
                    std::chrono::duration_cast<std::chrono::system_clock::duration>(
                        std::chrono::steady_clock::now() - *mapped);
        std::printf("%lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                               wall.time_since_epoch())
                                               .count()));
        return 0;
    }

    const int x = std::atoi(argv[4]), y = std::atoi(argv[5]);
    auto moveTo = [&](int toX, int toY) {
        if (action == "warp")
            xcb_warp_pointer(c, XCB_NONE, root, 0, 0, 0, 0, toX, toY);
        else
            xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, toX, toY, 0);
        xcb_flush(c);
    };
    const auto every = std::chrono::milliseconds(8);
    if (action == "glide")
        for (int before : {380, 230, 80}) {
            moveTo(std::max(0, x - before), y);
            std::this_thread::sleep_for(every);
        }
    const auto start = std::chrono::steady_clock::now();
    moveTo(x, y);
    int step = 0;
    std::function<void()> glide;
    if (action == "glide")
        glide = [&] {
            if (step < 3 && std::chrono::steady_clock::now() - start >= every * (step + 1))
                moveTo(x, y + 4 * ++step);
        };
    auto mapped = WaitForMap(c, wanted, glide);
    if (!mapped) return 1;
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(*mapped - start).count());
    return 0;
}
