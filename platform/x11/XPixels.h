#pragma once

#include "shared/PixelImage.h"

#include <X11/Xlib.h>

// Our pixel words and an X visual's pixels, both ways, and the names our windows carry; shared
// by the indicator windows and the tray icon.
namespace XPixels {

// Whether the visual's pixels are our words as they are (red, green, blue at 0xFF0000, 0xFF00,
// 0xFF; the alpha, where the visual has one, in the top byte).
bool takesWords(const Visual* visual);

// An image of `pixels` for a `depth` window of `visual`: over the picture's own words where the
// visual takes them (`over` set; the image then holds no memory of its own and must be dropped
// with `destroyImage` before the picture's buffer changes), else with a buffer of its own that
// `write` fills. Null when Xlib cannot make one.
XImage* createImage(Display* display, Visual* visual, int depth, const PixelImage& pixels,
                    bool* over);
void destroyImage(XImage* image, bool over);

// `pixels` into an image of the same size whose pixels are not our words, each channel cut to
// the visual's bits.
void write(const PixelImage& pixels, XImage* image);
// An image read from the server, as opaque words.
PixelImage read(XImage* image);

// The names the helper's windows have always had, which window-manager rules may name, and the
// process and machine that own the window.
void nameWindow(Display* display, unsigned long window);

} // namespace XPixels
