// Time from an XTEST Caps Lock press to a lock indicator's pixel on the screen, for whichever
// program draws that indicator. One 1 x 1 XGetImage of the root window per poll, in a tight loop.
//
//   pixel_latency PRESSES GAP_MS X,Y,W,H [X,Y,W,H ...]
//
// Each region is calibrated first: the region is read with Caps Lock off and again with it on,
// and the differing pixel nearest the middle of the changed area is the one watched. Then each
// press switches Caps Lock on (or off), and the program notes how long each watched pixel takes
// to reach its on (or off) value. Prints one JSON object per line: the calibration, then one per
// press with the milliseconds per region (null: not seen within a second).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Watched {
    int x = 0, y = 0, w = 0, h = 0;
    int px = -1, py = -1; // the watched pixel, absolute
    unsigned long off = 0, on = 0;
};

std::vector<unsigned long> readRegion(Display* display, const Watched& r) {
    std::vector<unsigned long> pixels;
    XImage* image = XGetImage(display, DefaultRootWindow(display), r.x, r.y, unsigned(r.w),
                              unsigned(r.h), AllPlanes, ZPixmap);
    if (!image)
        return pixels;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            pixels.push_back(XGetPixel(image, x, y));
    XDestroyImage(image);
    return pixels;
}

unsigned long readPixel(Display* display, int x, int y) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return ~0ul;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

void tap(Display* display, KeyCode key) {
    XTestFakeKeyEvent(display, key, True, 0);
    XTestFakeKeyEvent(display, key, False, 0);
    XSync(display, False);
}

// Picks the changed pixel nearest the centre of the changed area.
bool calibrate(Display* display, KeyCode capsLock, Watched& r) {
    const auto off = readRegion(display, r);
    tap(display, capsLock);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const auto on = readRegion(display, r);
    tap(display, capsLock);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    if (off.empty() || off.size() != on.size())
        return false;
    int minX = r.w, minY = r.h, maxX = -1, maxY = -1;
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x)
            if (off[std::size_t(y * r.w + x)] != on[std::size_t(y * r.w + x)]) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
            }
    if (maxX < 0)
        return false;
    const int cx = (minX + maxX) / 2, cy = (minY + maxY) / 2;
    long best = -1;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x) {
            const std::size_t i = std::size_t(y * r.w + x);
            const long d = long(x - cx) * (x - cx) + long(y - cy) * (y - cy);
            if (off[i] != on[i] && (best < 0 || d < best)) {
                best = d;
                r.px = r.x + x, r.py = r.y + y;
                r.off = off[i], r.on = on[i];
            }
        }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: pixel_latency PRESSES GAP_MS X,Y,W,H [X,Y,W,H ...]\n");
        return 2;
    }
    const int presses = std::atoi(argv[1]);
    const auto gap = std::chrono::milliseconds(std::atoi(argv[2]));
    std::vector<Watched> regions;
    for (int i = 3; i < argc; ++i) {
        Watched r;
        if (std::sscanf(argv[i], "%d,%d,%d,%d", &r.x, &r.y, &r.w, &r.h) != 4 || r.w <= 0 ||
            r.h <= 0) {
            std::fprintf(stderr, "pixel_latency: bad region %s\n", argv[i]);
            return 2;
        }
        regions.push_back(r);
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "pixel_latency: cannot open the display\n");
        return 1;
    }
    const KeyCode capsLock = XKeysymToKeycode(display, XK_Caps_Lock);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    for (std::size_t i = 0; i < regions.size(); ++i) {
        Watched& r = regions[i];
        const bool found = calibrate(display, capsLock, r);
        std::printf("{\"region\": %zu, \"found\": %s, \"x\": %d, \"y\": %d, \"off\": %lu, "
                    "\"on\": %lu}\n",
                    i, found ? "true" : "false", r.px, r.py, r.off, r.on);
        if (!found)
            return 1;
    }

    for (int press = 0; press < 2 * presses; ++press) {
        const bool switchingOn = press % 2 == 0;
        std::vector<double> ms(regions.size(), -1.0);
        std::size_t left = regions.size();
        const Clock::time_point pressed = Clock::now();
        tap(display, capsLock);
        while (left > 0 && Clock::now() - pressed < std::chrono::seconds(1)) {
            for (std::size_t i = 0; i < regions.size(); ++i) {
                if (ms[i] >= 0)
                    continue;
                const Watched& r = regions[i];
                if (readPixel(display, r.px, r.py) == (switchingOn ? r.on : r.off)) {
                    ms[i] =
                        std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
                    --left;
                }
            }
        }
        std::string line = std::string("{\"press\": ") + std::to_string(press / 2) +
                           ", \"on\": " + (switchingOn ? "true" : "false") + ", \"ms\": [";
        for (std::size_t i = 0; i < ms.size(); ++i) {
            char figure[32];
            std::snprintf(figure, sizeof figure, "%s%.4f", i ? ", " : "", ms[i]);
            line += ms[i] >= 0 ? figure : (i ? ", null" : "null");
        }
        std::printf("%s]}\n", line.c_str());
        std::this_thread::sleep_for(gap);
    }
    XCloseDisplay(display);
    return 0;
}
