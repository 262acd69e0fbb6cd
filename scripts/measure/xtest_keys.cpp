// Types on an X display through XTEST and stamps each press with CLOCK_REALTIME. One
// long-running process reads commands from stdin, so no press pays for a process start.
//
//   press KEYSYM   press and release a key; prints "pressed <ms>" taken right after the press
//                  left for the server
//   type TEXT      types letters, capitals with Shift held; prints "typed <keys>"
//   soak KEYS      goes on with the soak pattern for at least KEYS keys, as fast as the server
//                  takes them; prints the counts so far and this chunk's rate
//   taps N RATE    taps N small letters at RATE a second, each press and its release flushed
//                  apart as a typist's are; prints "tapped <N> <seconds>"
//   quit
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

double realtimeMs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double monotonicSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

class Typist {
public:
    explicit Typist(Display* display) : display_(display) {
        shift_ = XKeysymToKeycode(display, XK_Shift_L);
        capsLock_ = XKeysymToKeycode(display, XK_Caps_Lock);
        for (int i = 0; i < 26; ++i)
            letters_[i] = XKeysymToKeycode(display, XK_a + i);
    }

    // Returns the time the press left for the server.
    double press(KeyCode key) {
        XTestFakeKeyEvent(display_, key, True, 0);
        XFlush(display_);
        const double pressed = realtimeMs();
        XTestFakeKeyEvent(display_, key, False, 0);
        XSync(display_, False);
        return pressed;
    }

    int type(const std::string& text) {
        int keys = 0;
        for (const char c : text) {
            if (!std::isalpha(static_cast<unsigned char>(c)))
                continue;
            const bool capital = std::isupper(static_cast<unsigned char>(c));
            if (capital)
                send(shift_, true);
            tap(letters_[std::tolower(static_cast<unsigned char>(c)) - 'a']);
            if (capital)
                send(shift_, false);
            ++keys;
        }
        XSync(display_, False);
        return keys;
    }

    // The soak pattern, block by block: a run of 1 to 8 Shift-typed letters and one small
    // letter; every 40th block instead switches Caps Lock on, types two letters, switches it
    // off and types one. Runs of 5 or more are the ones that warn with the default threshold.
    void soak(long wanted) {
        const long startKeys = keys_;
        const long startEvents = events_;
        const double started = monotonicSeconds();
        while (keys_ - startKeys < wanted) {
            if (block_ % 40 == 39) {
                tap(capsLock_);
                tap(nextLetter());
                tap(nextLetter());
                tap(capsLock_);
                tap(nextLetter());
                keys_ += 3;
                ++capsLockOn_;
            } else {
                const int run = 1 + static_cast<int>(block_ % 8);
                send(shift_, true);
                for (int i = 0; i < run; ++i)
                    tap(nextLetter());
                send(shift_, false);
                tap(nextLetter());
                keys_ += run + 1;
                if (run >= 5)
                    ++longRuns_;
            }
            ++block_;
        }
        XSync(display_, False);
        const double seconds = monotonicSeconds() - started;
        std::printf("soak keys=%ld events=%ld long_runs=%ld caps_lock_on=%ld chunk_keys=%ld "
                    "chunk_events=%ld chunk_seconds=%.3f\n",
                    keys_, events_, longRuns_, capsLockOn_, keys_ - startKeys,
                    events_ - startEvents, seconds);
    }

    // Keys held for a fifth of the pace, released, and the next press on the pace's beat.
    double taps(long count, double rate) {
        const double started = monotonicSeconds();
        const auto period = std::chrono::duration<double>(1.0 / rate);
        for (long i = 0; i < count; ++i) {
            const KeyCode key = nextLetter();
            XTestFakeKeyEvent(display_, key, True, 0);
            XFlush(display_);
            std::this_thread::sleep_for(period / 5);
            XTestFakeKeyEvent(display_, key, False, 0);
            XFlush(display_);
            const double next = started + double(i + 1) / rate;
            const double now = monotonicSeconds();
            if (next > now)
                std::this_thread::sleep_for(std::chrono::duration<double>(next - now));
        }
        XSync(display_, False);
        return monotonicSeconds() - started;
    }

private:
    void send(KeyCode key, bool down) {
        XTestFakeKeyEvent(display_, key, down ? True : False, 0);
        // A round trip now and then lets the server set the pace without an unbounded queue.
        if (++events_ % 64 == 0)
            XSync(display_, False);
    }

    void tap(KeyCode key) {
        send(key, true);
        send(key, false);
    }

    KeyCode nextLetter() { return letters_[letterIndex_++ % 26]; }

    Display* display_;
    KeyCode shift_ = 0;
    KeyCode capsLock_ = 0;
    KeyCode letters_[26] = {};
    long block_ = 0;
    long keys_ = 0;
    long events_ = 0;
    long longRuns_ = 0;
    long capsLockOn_ = 0;
    unsigned letterIndex_ = 0;
};

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xtest_keys: cannot open the display\n");
        return 1;
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "xtest_keys: no XTEST on this display\n");
        return 1;
    }
    Typist typist(display);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("ready\n");

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command, argument;
        words >> command;
        std::getline(words >> std::ws, argument);
        if (command == "press") {
            const KeySym sym = XStringToKeysym(argument.c_str());
            const KeyCode key = sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
            if (!key) {
                std::printf("error no key %s\n", argument.c_str());
                continue;
            }
            std::printf("pressed %.3f\n", typist.press(key));
        } else if (command == "type") {
            std::printf("typed %d\n", typist.type(argument));
        } else if (command == "soak") {
            typist.soak(std::stol(argument));
        } else if (command == "taps") {
            long count = 0;
            double rate = 0;
            if (std::sscanf(argument.c_str(), "%ld %lf", &count, &rate) != 2 || rate <= 0) {
                std::printf("error taps needs a count and a rate\n");
                continue;
            }
            std::printf("tapped %ld %.3f\n", count, typist.taps(count, rate));
        } else if (command == "quit") {
            break;
        } else {
            std::printf("error unknown command %s\n", command.c_str());
        }
    }
    XCloseDisplay(display);
    return 0;
}
