// Watches a pixel of a wlroots compositor's first output through screen copies, one per frame,
// and prints "on MS" or "off MS" (CLOCK_REALTIME, milliseconds) each time the pixel turns red or
// stops being red, for the given number of seconds.
//   wayland_pixel_latency X Y SECONDS
#include "screencopy-client-protocol.h"

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <sys/mman.h>
#include <unistd.h>

namespace {

zwlr_screencopy_manager_v1* copies = nullptr;
wl_output* output = nullptr;
wl_shm* shm = nullptr;

struct Frame {
    std::uint32_t format = 0, width = 0, height = 0, stride = 0;
    bool ready = false, failed = false;
};

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    if (!std::strcmp(interface, zwlr_screencopy_manager_v1_interface.name))
        copies = static_cast<zwlr_screencopy_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_screencopy_manager_v1_interface, 1));
    else if (!std::strcmp(interface, wl_output_interface.name) && !output)
        output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 1));
    else if (!std::strcmp(interface, wl_shm_interface.name))
        shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
}

void globalRemoved(void*, wl_registry*, std::uint32_t) {}

const zwlr_screencopy_frame_v1_listener frameListener = {
    [](void* data, zwlr_screencopy_frame_v1*, std::uint32_t format, std::uint32_t width,
       std::uint32_t height, std::uint32_t stride) {
        *static_cast<Frame*>(data) = {format, width, height, stride, false, false};
    },
    [](void*, zwlr_screencopy_frame_v1*, std::uint32_t) {},
    [](void* data, zwlr_screencopy_frame_v1*, std::uint32_t, std::uint32_t, std::uint32_t) {
        static_cast<Frame*>(data)->ready = true;
    },
    [](void* data, zwlr_screencopy_frame_v1*) { static_cast<Frame*>(data)->failed = true; },
};

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: wayland_pixel_latency X Y SECONDS\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const double until = nowMs() + std::atof(argv[3]) * 1e3;
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    static const wl_registry_listener registryListener = {global, globalRemoved};
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, nullptr);
    wl_display_roundtrip(display);
    if (!copies || !output || !shm) {
        std::fprintf(stderr, "wayland_pixel_latency: the compositor offers no screen copies\n");
        return 1;
    }
    // One small region around the pixel: its copy costs the compositor next to nothing.
    constexpr int kSide = 8;
    void* memory = MAP_FAILED;
    wl_buffer* buffer = nullptr;
    std::size_t bytes = 0;
    int lit = -1;
    while (nowMs() < until) {
        Frame frame;
        auto* copy =
            zwlr_screencopy_manager_v1_capture_output_region(copies, 0, output, x, y, kSide, kSide);
        zwlr_screencopy_frame_v1_add_listener(copy, &frameListener, &frame);
        wl_display_roundtrip(display);
        if (!buffer) {
            bytes = std::size_t(frame.stride) * frame.height;
            const int fd = memfd_create("pixel", MFD_CLOEXEC);
            if (fd < 0 || ftruncate(fd, off_t(bytes)) != 0)
                return 1;
            memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            wl_shm_pool* pool = wl_shm_create_pool(shm, fd, int(bytes));
            buffer = wl_shm_pool_create_buffer(pool, 0, int(frame.width), int(frame.height),
                                               int(frame.stride), frame.format);
            wl_shm_pool_destroy(pool);
            close(fd);
        }
        zwlr_screencopy_frame_v1_copy(copy, buffer);
        while (!frame.ready && !frame.failed && wl_display_dispatch(display) >= 0) {
        }
        const double at = nowMs();
        zwlr_screencopy_frame_v1_destroy(copy);
        if (frame.failed)
            continue;
        // XRGB or ARGB in the machine's order: red is the third byte.
        const auto* pixel = static_cast<const unsigned char*>(memory);
        const int red = pixel[2] > 200 && pixel[1] < 60 && pixel[0] < 60;
        if (red != lit && lit != -1)
            std::printf("%s %.3f\n", red ? "on" : "off", at);
        lit = red;
        std::fflush(stdout);
    }
    return 0;
}
