#include "platform/wayland/SeatKeyboard.h"

#include "platform/wayland/WaylandConnection.h"
#include "shared/ProgramLog.h"

#include <wayland-client.h>

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

namespace {

void ignoreSeatName(void*, wl_seat*, const char*) {}
void ignoreEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
void ignoreLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
void ignoreKey(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
void ignoreModifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                     std::uint32_t, std::uint32_t) {}

} // namespace

SeatKeyboard::SeatKeyboard(WaylandConnection& connection, KeymapHandler keymap,
                           RepeatHandler repeat)
    : keymapHandler_(std::move(keymap)), repeatHandler_(std::move(repeat)) {
    const WaylandConnection::Global* seat = connection.find("wl_seat");
    if (!seat)
        return;
    // Version 4 brings the repeat rate.
    seat_ = static_cast<wl_seat*>(wl_registry_bind(connection.registry(), seat->name,
                                                   &wl_seat_interface,
                                                   std::min<std::uint32_t>(seat->version, 5)));
    static const wl_seat_listener listener = {&SeatKeyboard::capabilities, ignoreSeatName};
    wl_seat_add_listener(seat_, &listener, this);
}

SeatKeyboard::~SeatKeyboard() {
    if (keyboard_)
        wl_keyboard_destroy(keyboard_);
    if (seat_)
        wl_seat_destroy(seat_);
}

void SeatKeyboard::capabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
    auto* self = static_cast<SeatKeyboard*>(data);
    const bool hasKeyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (hasKeyboard && !self->keyboard_) {
        self->keyboard_ = wl_seat_get_keyboard(seat);
        static const wl_keyboard_listener listener = {
            &SeatKeyboard::keymap,    ignoreEnter, ignoreLeave, ignoreKey, ignoreModifiers,
            &SeatKeyboard::repeatInfo};
        wl_keyboard_add_listener(self->keyboard_, &listener, self);
    } else if (!hasKeyboard && self->keyboard_) {
        wl_keyboard_destroy(self->keyboard_);
        self->keyboard_ = nullptr;
    }
}

void SeatKeyboard::keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd,
                          std::uint32_t size) {
    auto* self = static_cast<SeatKeyboard*>(data);
    if (format != WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 || size == 0 || size > kMaximumKeymapSize) {
        qCWarning(programLog,
                  "the compositor sent a keymap that cannot be used (format %u, %u "
                  "bytes): characters follow the last usable one",
                  format, size);
        close(fd);
        return;
    }
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    if (text == MAP_FAILED)
        return;
    self->keymapHandler_(static_cast<const char*>(text), size);
    munmap(text, size);
}

void SeatKeyboard::repeatInfo(void* data, wl_keyboard*, std::int32_t rate, std::int32_t delay) {
    Repeat repeat;
    repeat.enabled = rate > 0;
    repeat.delay = std::chrono::milliseconds(std::max(0, delay));
    repeat.interval = std::chrono::milliseconds(rate > 0 ? std::max(1, 1000 / rate) : 1000);
    static_cast<SeatKeyboard*>(data)->repeatHandler_(repeat);
}
