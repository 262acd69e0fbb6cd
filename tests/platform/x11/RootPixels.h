#pragma once

// Include after the test framework, whose names Xlib's macros would replace.

#include "shared/PixelImage.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The whole screen as the user sees it, opaque, read from the root window.
inline PixelImage rootPixels(Display* display) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* shot = XGetImage(display, root, 0, 0, unsigned(attributes.width),
                             unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!shot)
        return {};
    PixelImage image(attributes.width, attributes.height);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.row(y)[x] = 0xFF000000u | std::uint32_t(XGetPixel(shot, x, y) & 0xFFFFFF);
    XDestroyImage(shot);
    return image;
}
