// Paints the settings window's eight previews of the upper-left window with the helper's own
// view, every shown key lit, so that the preview is exactly what the helper draws.
//   make_upper_left_pictures OUTPUT_FOLDER
#include "helper/indicators/IndicatorGeometry.h"
#include "helper/indicators/keyModifiersView.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::uint32_t kCapsLock = 0x400;
constexpr std::uint32_t kNumLock = 0x10000;
constexpr std::uint32_t kOtherKeys = 0x21B00;

// By the bits Caps Lock 1, Num Lock 2, other keys 4, as the pane picks them.
const char* const kNames[8] = {"upperLeft",         "upperLeftCaps",        "upperLeftNum",
                               "upperLeftCapsNum",  "upperLeftOther",       "upperLeftCapsOther",
                               "upperLeftNumOther", "upperLeftCapsNumOther"};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_upper_left_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    for (std::uint32_t bits = 0; bits < 8; ++bits) {
        const std::uint32_t mask =
            (bits & 1 ? kCapsLock : 0) | (bits & 2 ? kNumLock : 0) | (bits & 4 ? kOtherKeys : 0);
        // No key shown: no window, so a blank picture of the smaller window's size.
        const QSize size = upperLeftFrame(QRect(0, 0, 1440, 900), mask).frame.size();
        keyModifiersView view(QRect(QPoint(0, 0), size));
        view.setMaskAndOutlineColor(mask, keyModifiersView::lightGrayColor);
        view.setModifiers(mask);
        PixelImage pixels(size.width(), size.height());
        if (mask != 0)
            view.draw(pixels, 1.0);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < size.height(); ++y)
            std::copy_n(pixels.row(y), size.width(),
                        reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QString path = folder + u'/' + QLatin1String(kNames[bits]) + QStringLiteral(".tif");
        if (!image.save(path, "TIFF")) {
            std::fprintf(stderr, "cannot write %s (is the TIFF image plug-in installed?)\n",
                         qPrintable(path));
            return 1;
        }
    }
    return 0;
}
