#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class WaylandConnection;
struct wl_keyboard;
struct wl_seat;

// The seat's keyboard as an ordinary client sees it: the compositor's keymap and its repeat
// rate, which every client receives. Key events come only to the focused client, and this one
// never has the focus.
class SeatKeyboard {
public:
    struct Repeat {
        bool enabled = true;
        std::chrono::milliseconds delay{600};
        std::chrono::milliseconds interval{40};
    };
    // The keymap's text (not zero-terminated) and its length.
    using KeymapHandler = std::function<void(const char* text, std::size_t length)>;
    using RepeatHandler = std::function<void(const Repeat&)>;

    // Keymaps larger than this are refused: they come from another process.
    static constexpr std::size_t kMaximumKeymapSize = 4 * 1024 * 1024;

    SeatKeyboard(WaylandConnection& connection, KeymapHandler keymap, RepeatHandler repeat);
    ~SeatKeyboard();
    SeatKeyboard(const SeatKeyboard&) = delete;
    SeatKeyboard& operator=(const SeatKeyboard&) = delete;

    bool hasSeat() const { return seat_ != nullptr; }

private:
    static void capabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
    static void keymap(void* data, wl_keyboard* keyboard, std::uint32_t format, std::int32_t fd,
                       std::uint32_t size);
    static void repeatInfo(void* data, wl_keyboard* keyboard, std::int32_t rate,
                           std::int32_t delay);

    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    KeymapHandler keymapHandler_;
    RepeatHandler repeatHandler_;
};
