// A native Wayland window covering the whole screen (full-screen xdg-shell toplevel, grey), for
// the tests of Velmora in a Wayland session: Velmora, an X11 client through Xwayland, must see
// the pointer reach the screen's edge over it. Prints "ready" once its first frame is shown.
// With an argument (a text/uri-list), a press of the left button on it starts a drag of that
// list, as a native file manager's would; it prints "accepted" or "refused" as the target under
// the drag changes its mind, and "sent" when the list was handed to a target. Each key it gets
// pressed is printed as "key N" (its evdev code).
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include "xdg-shell-client-protocol.h"

static struct wl_compositor* compositor;
static struct wl_shm* shm;
static struct xdg_wm_base* wm_base;
static struct wl_surface* surface;
static struct wl_seat* seat;
static struct wl_data_device_manager* data_manager;
static const char* drag_list;  // the text/uri-list dragged, if any
static int ready;

static void on_keymap(void* data, struct wl_keyboard* keyboard, uint32_t format, int fd,
                      uint32_t size) {
    (void)data, (void)keyboard, (void)format, (void)size;
    close(fd);
}
static void on_keyboard_enter(void* data, struct wl_keyboard* keyboard, uint32_t serial,
                              struct wl_surface* entered, struct wl_array* keys) {
    (void)data, (void)keyboard, (void)serial, (void)entered, (void)keys;
}
static void on_keyboard_leave(void* data, struct wl_keyboard* keyboard, uint32_t serial,
                              struct wl_surface* left) {
    (void)data, (void)keyboard, (void)serial, (void)left;
}
static void on_key(void* data, struct wl_keyboard* keyboard, uint32_t serial, uint32_t time,
                   uint32_t key, uint32_t state) {
    (void)data, (void)keyboard, (void)serial, (void)time;
    if (state != WL_KEYBOARD_KEY_STATE_PRESSED) return;
    printf("key %u\n", key);
    fflush(stdout);
}
static void on_modifiers(void* data, struct wl_keyboard* keyboard, uint32_t serial,
                         uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group) {
    (void)data, (void)keyboard, (void)serial, (void)depressed, (void)latched, (void)locked,
        (void)group;
}
static const struct wl_keyboard_listener keyboard_listener = {
    on_keymap, on_keyboard_enter, on_keyboard_leave, on_key, on_modifiers, NULL};

// The keyboard once the seat has one (a headless compositor's comes with its first input device).
static void on_capabilities(void* data, struct wl_seat* with, uint32_t capabilities) {
    static struct wl_keyboard* keyboard;
    (void)data;
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) == 0 || keyboard != NULL) return;
    keyboard = wl_seat_get_keyboard(with);
    wl_keyboard_add_listener(keyboard, &keyboard_listener, NULL);
}
static const struct wl_seat_listener seat_listener = {on_capabilities, NULL};

static void on_global(void* data, struct wl_registry* registry, uint32_t name,
                      const char* interface, uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, wl_compositor_interface.name) == 0)
        compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 4);
    else if (strcmp(interface, wl_shm_interface.name) == 0)
        shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
    else if (strcmp(interface, xdg_wm_base_interface.name) == 0)
        wm_base = wl_registry_bind(registry, name, &xdg_wm_base_interface, 1);
    else if (strcmp(interface, wl_seat_interface.name) == 0) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
        wl_seat_add_listener(seat, &seat_listener, NULL);
    }
    else if (strcmp(interface, wl_data_device_manager_interface.name) == 0)
        data_manager = wl_registry_bind(registry, name, &wl_data_device_manager_interface, 3);
}
static void on_global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}
static const struct wl_registry_listener registry_listener = {on_global, on_global_remove};

static void on_ping(void* data, struct xdg_wm_base* base, uint32_t serial) {
    (void)data;
    xdg_wm_base_pong(base, serial);
}
static const struct xdg_wm_base_listener wm_base_listener = {on_ping};

static int width = 1280, height = 800;

static void draw(void) {
    const int stride = width * 4, size = stride * height;
    const int fd = memfd_create("cover", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0) exit(1);
    uint32_t* pixels = mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED) exit(1);
    for (int i = 0; i < width * height; ++i) pixels[i] = 0xff606060;
    munmap(pixels, size);
    struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
    struct wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_surface_attach(surface, buffer, 0, 0);
    wl_surface_damage(surface, 0, 0, width, height);
    wl_surface_commit(surface);
}

static void on_surface_configure(void* data, struct xdg_surface* xdg, uint32_t serial) {
    (void)data;
    xdg_surface_ack_configure(xdg, serial);
    draw();
    if (!ready) {
        ready = 1;
        printf("ready\n");
        fflush(stdout);
    }
}
static const struct xdg_surface_listener surface_listener = {on_surface_configure};

static void on_toplevel_configure(void* data, struct xdg_toplevel* toplevel, int32_t w, int32_t h,
                                  struct wl_array* states) {
    (void)data;
    (void)toplevel;
    (void)states;
    if (w > 0 && h > 0) {
        width = w;
        height = h;
    }
}
static void on_toplevel_close(void* data, struct xdg_toplevel* toplevel) {
    (void)data;
    (void)toplevel;
    exit(0);
}
static const struct xdg_toplevel_listener toplevel_listener = {.configure = on_toplevel_configure,
                                                               .close = on_toplevel_close};

// The drag source: hands the list to whatever target asks, in the one type offered.
static void on_target(void* data, struct wl_data_source* source, const char* type) {
    (void)data, (void)source, (void)type;
}
static void on_send(void* data, struct wl_data_source* source, const char* type, int32_t fd) {
    (void)data, (void)source, (void)type;
    const size_t length = strlen(drag_list);
    const int whole = write(fd, drag_list, length) == (ssize_t)length;
    close(fd);
    printf(whole ? "sent\n" : "send failed\n");
    fflush(stdout);
}
// How the drag ended, for the test's log.
static void ended(struct wl_data_source* source, const char* how) {
    printf("%s\n", how);
    fflush(stdout);
    wl_data_source_destroy(source);
}
static void on_cancelled(void* data, struct wl_data_source* source) {
    (void)data;
    ended(source, "cancelled");
}
static void on_drop_performed(void* data, struct wl_data_source* source) {
    (void)data, (void)source;
    printf("dropped\n");
    fflush(stdout);
}
static void on_finished(void* data, struct wl_data_source* source) {
    (void)data;
    ended(source, "finished");
}
static void on_action(void* data, struct wl_data_source* source, uint32_t action) {
    (void)data, (void)source;
    printf(action != 0 ? "accepted\n" : "refused\n");
    fflush(stdout);
}
static const struct wl_data_source_listener source_listener = {
    on_target, on_send, on_cancelled, on_drop_performed, on_finished, on_action};

static struct wl_data_device* data_device;

static void on_enter(void* data, struct wl_pointer* pointer, uint32_t serial,
                     struct wl_surface* entered, wl_fixed_t x, wl_fixed_t y) {
    (void)data, (void)pointer, (void)serial, (void)entered, (void)x, (void)y;
}
static void on_leave(void* data, struct wl_pointer* pointer, uint32_t serial,
                     struct wl_surface* left) {
    (void)data, (void)pointer, (void)serial, (void)left;
}
static void on_motion(void* data, struct wl_pointer* pointer, uint32_t time, wl_fixed_t x,
                      wl_fixed_t y) {
    (void)data, (void)pointer, (void)time, (void)x, (void)y;
}
static void on_button(void* data, struct wl_pointer* pointer, uint32_t serial, uint32_t time,
                      uint32_t button, uint32_t state) {
    (void)data, (void)pointer, (void)time;
    if (button != 0x110 || state != WL_POINTER_BUTTON_STATE_PRESSED) return;
    struct wl_data_source* source = wl_data_device_manager_create_data_source(data_manager);
    wl_data_source_add_listener(source, &source_listener, NULL);
    wl_data_source_offer(source, "text/uri-list");
    wl_data_source_set_actions(source, WL_DATA_DEVICE_MANAGER_DND_ACTION_COPY);
    wl_data_device_start_drag(data_device, source, surface, NULL, serial);
}
static void on_axis(void* data, struct wl_pointer* pointer, uint32_t time, uint32_t axis,
                    wl_fixed_t value) {
    (void)data, (void)pointer, (void)time, (void)axis, (void)value;
}
static const struct wl_pointer_listener pointer_listener = {.enter = on_enter,
                                                            .leave = on_leave,
                                                            .motion = on_motion,
                                                            .button = on_button,
                                                            .axis = on_axis};


int main(int argc, char** argv) {
    drag_list = argc > 1 ? argv[1] : NULL;
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (compositor == NULL || shm == NULL || wm_base == NULL) {
        fprintf(stderr, "the compositor lacks wl_compositor, wl_shm or xdg_wm_base\n");
        return 1;
    }
    if (drag_list != NULL) {
        if (seat == NULL || data_manager == NULL) {
            fprintf(stderr, "the compositor lacks wl_seat or wl_data_device_manager\n");
            return 1;
        }
        wl_pointer_add_listener(wl_seat_get_pointer(seat), &pointer_listener, NULL);
        data_device = wl_data_device_manager_get_data_device(data_manager, seat);
    }
    xdg_wm_base_add_listener(wm_base, &wm_base_listener, NULL);
    surface = wl_compositor_create_surface(compositor);
    struct xdg_surface* xdg = xdg_wm_base_get_xdg_surface(wm_base, surface);
    xdg_surface_add_listener(xdg, &surface_listener, NULL);
    struct xdg_toplevel* toplevel = xdg_surface_get_toplevel(xdg);
    xdg_toplevel_add_listener(toplevel, &toplevel_listener, NULL);
    xdg_toplevel_set_title(toplevel, "velmora-cover");
    xdg_toplevel_set_fullscreen(toplevel, NULL);
    wl_surface_commit(surface);
    while (wl_display_dispatch(display) != -1) {
    }
    return 0;
}
