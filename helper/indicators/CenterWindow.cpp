#include "helper/indicators/CenterWindow.h"

#include "shared/ProgramLog.h"

#include <QFileInfo>

namespace {

QString ifFile(const QString& path) {
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace

CenterWindow::CenterWindow(const QString& imagePath, const QSize& size, double opacity,
                           OverlayWindows& overlays, bool clickThrough)
    : size_(size), opacity_(opacity) {
    QString base = imagePath;
    if (base.endsWith(QLatin1String(".svg")))
        base.chop(4);
    drawn_[0] = ifFile(base + QLatin1String(".pixels"));
    drawn_[1] = ifFile(base + QLatin1String("@2x.pixels"));
    if (!hasImage())
        qCWarning(programLog).noquote()
            << "the picture" << base + QLatin1String(".pixels")
            << "is missing: its window over the middle of the screen stays empty";
    window_ = overlays.makeOverlay(*this, OverlayPlacement::Centre, clickThrough);
}

CenterWindow::~CenterWindow() = default;

void CenterWindow::draw(PixelImage& image, double scale) const {
    if (!hasImage())
        return;
    const bool sharp = scale > 1.0 && !drawn_[1].isEmpty();
    PixelImage drawn = PixelImage::load(sharp || drawn_[0].isEmpty() ? drawn_[1] : drawn_[0]);
    if (drawn.isNull())
        return;
    image.copyFrom(drawn.size() == image.size() ? drawn
                                                : drawn.scaled(image.width(), image.height()));
}
