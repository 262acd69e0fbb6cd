#include <QSysInfo>

#include "platform/x11/XPixels.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <unistd.h>

namespace {

int shiftOf(unsigned long mask) {
    return mask ? std::countr_zero(mask) : 0;
}

std::uint32_t channelOf(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    const unsigned long most = mask >> shiftOf(mask);
    return std::uint32_t(((pixel & mask) >> shiftOf(mask)) * 255 / most);
}

unsigned long pixelOf(std::uint32_t channel, unsigned long mask) {
    const int bits = std::popcount(mask);
    return (channel >> (8 - std::min(8, bits))) << shiftOf(mask) & mask;
}

// The machine's byte order, which the words are in; Xlib converts where the server's differs.
constexpr int kHostByteOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;

} // namespace

namespace XPixels {

bool takesWords(const Visual* visual) {
    return visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
           visual->blue_mask == 0xFF;
}

XImage* createImage(Display* display, Visual* visual, int depth, const PixelImage& pixels,
                    bool* over) {
    XImage* image = XCreateImage(display, visual, unsigned(depth), ZPixmap, 0, nullptr,
                                 unsigned(pixels.width()), unsigned(pixels.height()), 32, 0);
    if (!image)
        return nullptr;
    *over = image->bits_per_pixel == 32 && takesWords(visual);
    if (*over) {
        image->data = const_cast<char*>(reinterpret_cast<const char*>(pixels.bits()));
        image->byte_order = kHostByteOrder;
        image->bytes_per_line = pixels.width() * 4;
    } else {
        image->data = static_cast<char*>(
            std::malloc(std::size_t(image->bytes_per_line) * unsigned(pixels.height())));
        if (!image->data) {
            XDestroyImage(image);
            return nullptr;
        }
    }
    return image;
}

void destroyImage(XImage* image, bool over) {
    if (!image)
        return;
    if (over)
        image->data = nullptr; // the picture's
    XDestroyImage(image);
}

void write(const PixelImage& pixels, XImage* image) {
    const unsigned long red = image->red_mask, green = image->green_mask, blue = image->blue_mask;
    for (int y = 0; y < pixels.height(); ++y) {
        const std::uint32_t* row = pixels.row(y);
        for (int x = 0; x < pixels.width(); ++x)
            XPutPixel(image, x, y,
                      pixelOf(row[x] >> 16 & 0xFF, red) | pixelOf(row[x] >> 8 & 0xFF, green) |
                          pixelOf(row[x] & 0xFF, blue));
    }
}

PixelImage read(XImage* image) {
    PixelImage pixels(image->width, image->height);
    const unsigned long red = image->red_mask, green = image->green_mask, blue = image->blue_mask;
    for (int y = 0; y < pixels.height(); ++y) {
        std::uint32_t* row = pixels.row(y);
        for (int x = 0; x < pixels.width(); ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            row[x] = PixelImage::argb(255, int(channelOf(p, red)), int(channelOf(p, green)),
                                      int(channelOf(p, blue)));
        }
    }
    return pixels;
}

void nameWindow(Display* display, unsigned long window) {
    XClassHint names{const_cast<char*>("Keyvigil Helper"), const_cast<char*>("Keyvigil Helper")};
    XSetClassHint(display, window, &names);
    XStoreName(display, window, "Keyvigil Helper");
    const long pid = long(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    const QByteArray host = QSysInfo::machineHostName().toLocal8Bit();
    XChangeProperty(display, window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(host.constData()), int(host.size()));
}

} // namespace XPixels
