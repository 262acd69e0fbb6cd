#include "platform/desktop/MenuBarFlashStrip.h"

MenuBarFlashStrip::MenuBarFlashStrip(OverlayWindows& overlays)
    : overlays_(overlays), strip_(overlays.makeOverlay(*this, OverlayPlacement::TopEdge, true)) {
    hideTimer_.setSingleShot(true);
    QObject::connect(&hideTimer_, &QTimer::timeout, [this] {
        strip_->hide();
        inverted_ = {};
    });
}

MenuBarFlashStrip::~MenuBarFlashStrip() {
    strip_.reset();
}

void MenuBarFlashStrip::flashMenuBar(int) {
    flashed_ = !flashed_;
    if (flashed_)
        invert();
    else
        restore();
}

void MenuBarFlashStrip::invert() {
    hideTimer_.stop();
    if (strip_->isVisible())
        return; // still up from the last flash
    const QRect screen = overlays_.screenGeometry();
    if (screen.isEmpty())
        return;
    size_ = QSize(screen.width(), kHeight);
    inverted_ = overlays_.grabTopEdge(kHeight);
    inverted_.invert();
    strip_->show(screen.topLeft());
    shown_.start();
}

void MenuBarFlashStrip::restore() {
    const auto left = kMinimumVisible.count() - shown_.elapsed();
    if (!strip_->isVisible() || !shown_.isValid() || left <= 0) {
        strip_->hide();
        inverted_ = {};
        return;
    }
    hideTimer_.start(std::chrono::milliseconds(left));
}

void MenuBarFlashStrip::draw(PixelImage& image, double) const {
    if (inverted_.isNull())
        image.fill(QRect(0, 0, image.width(), image.height()), PixelImage::argb(255, 0, 0, 0));
    else
        image.copyFrom(inverted_.scaled(image.width(), image.height()));
}
