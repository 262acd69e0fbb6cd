#pragma once

#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>

typedef struct _XDisplay Display;

// Reproduces the server's keyboard auto-repeat. Raw key events carry no repeats, and the
// recording extension shows a server repeat as a release and a press, which a quick real
// re-press also looks like; the keyboard's own repeat controls (on or off, delay, interval,
// the per-key repeat set) say exactly when the server repeats. As the server does, only the
// key pressed last repeats, and its release ends the repeat. The timer runs only while a
// repeating key is held, so an idle keyboard costs no wake-ups.
class X11KeyRepeater {
public:
    // Called at each repeat; returns false when the key turns out to be up after all.
    using RepeatHandler = std::function<bool(unsigned keycode)>;

    explicit X11KeyRepeater(RepeatHandler handler);

    // Reads the core keyboard's repeat controls; call again when they change.
    void loadControls(Display* display);

    void keyPressed(unsigned keycode);
    void keyReleased(unsigned keycode);
    // The key that repeats while held, 0 when none.
    unsigned repeatingKey() const { return repeatKey_; }

private:
    bool repeats(unsigned keycode) const;
    void onTimeout();

    RepeatHandler handler_;
    QTimer timer_;
    unsigned repeatKey_ = 0;
    bool enabled_ = true;
    int delayMs_ = 660;
    int intervalMs_ = 40;
    std::array<std::uint8_t, 32> perKeyRepeat_{};
};
