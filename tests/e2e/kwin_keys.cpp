// Types keys into KWin as a keyboard would, through its fake-input interface, which KWin offers
// to a program a desktop entry names. Arguments: evdev key codes, each pressed and released;
// "-gap MS" sets the pause after each release (40 ms). Prints when each press and release was
// sent, in milliseconds since the epoch, as the notification recorder gives its times.
#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    if (std::strcmp(interface, "org_kde_kwin_fake_input") == 0 && version >= 4)
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

void globalRemove(void*, wl_registry*, std::uint32_t) {}

} // namespace

int main(int argc, char** argv) {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "kwin_keys: no compositor\n");
        return 1;
    }
    static const wl_registry_listener listener = {global, globalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    if (!fakeInput) {
        std::fprintf(stderr, "kwin_keys: KWin offers no fake input to this program\n");
        return 3;
    }
    org_kde_kwin_fake_input_authenticate(fakeInput, "kwin_keys", "tests");
    wl_display_roundtrip(display);
    int gap = 40;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-gap") == 0 && i + 1 < argc) {
            gap = std::atoi(argv[++i]);
            continue;
        }
        const std::uint32_t code = std::uint32_t(std::strtoul(argv[i], nullptr, 10));
        for (const std::uint32_t state : {1u, 0u}) {
            const auto sent = std::chrono::system_clock::now().time_since_epoch();
            org_kde_kwin_fake_input_keyboard_key(fakeInput, code, state);
            wl_display_roundtrip(display);
            std::printf("%s %u %.3f\n", state == 1 ? "press" : "release", code,
                        std::chrono::duration<double, std::milli>(sent).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(state == 1 ? 40 : gap));
        }
    }
    std::fflush(stdout);
    wl_display_disconnect(display);
    return 0;
}
