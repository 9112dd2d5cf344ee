// Moves the pointer, presses buttons and keys in KWin through its fake-input protocol, one command
// a line on standard input ("move DX DY", "button 0|1", "key EVDEV_CODE 0|1", "tap EVDEV_CODE": a
// press and its release at once), answering "ok" once KWin has taken each. KWin grants the
// protocol to any client with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1. The pointer moves as a mouse
// moves it, by relative motion, which KWin passes on to the window under it as a mouse's: Xwayland
// 22 tells X programs that the pointer left their window straight onto a native one only after
// such motion (after absolute motion alone, a tablet's, it tells them nothing). KWin keeps the
// pointer within the screen, as this does (WIDTH HEIGHT, the arguments): the pointer starts in
// the top-left corner, placed there absolutely once.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

#include "fake-input-client-protocol.h"

static struct org_kde_kwin_fake_input* fake_input;

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface,
                                      version < 4 ? version : 4);
}
static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}
static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static int clamp(int v, int high) { return v < 0 ? 0 : v > high ? high : v; }

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: velmora_wayland_fake_input WIDTH HEIGHT\n");
        return 1;
    }
    const int width = atoi(argv[1]), height = atoi(argv[2]);
    int x = 0, y = 0;
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (fake_input == NULL) {
        fprintf(stderr, "the compositor offers no org_kde_kwin_fake_input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake_input, "velmora-tests", "end-to-end tests");
    wl_display_roundtrip(display);
    org_kde_kwin_fake_input_pointer_motion_absolute(fake_input, 0, 0);
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);
    char line[128];
    while (fgets(line, sizeof line, stdin) != NULL) {
        int a = 0, b = 0;
        if (sscanf(line, "move %d %d", &a, &b) == 2) {
            const int dx = clamp(x + a, width - 1) - x, dy = clamp(y + b, height - 1) - y;
            x += dx;
            y += dy;
            if (dx != 0 || dy != 0)
                org_kde_kwin_fake_input_pointer_motion(fake_input, wl_fixed_from_int(dx),
                                                       wl_fixed_from_int(dy));
        } else if (sscanf(line, "button %d", &a) == 1) {
            org_kde_kwin_fake_input_button(fake_input, 0x110, a ? 1 : 0);  // BTN_LEFT
        } else if (sscanf(line, "key %d %d", &a, &b) == 2) {
            org_kde_kwin_fake_input_keyboard_key(fake_input, (uint32_t)a, b ? 1 : 0);
        } else if (sscanf(line, "tap %d", &a) == 1) {
            org_kde_kwin_fake_input_keyboard_key(fake_input, (uint32_t)a, 1);
            org_kde_kwin_fake_input_keyboard_key(fake_input, (uint32_t)a, 0);
        } else {
            fprintf(stderr, "unknown command: %s", line);
            return 1;
        }
        if (wl_display_roundtrip(display) < 0) return 1;
        printf("ok\n");
        fflush(stdout);
    }
    return 0;
}
