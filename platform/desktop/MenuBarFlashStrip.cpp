#include "platform/desktop/MenuBarFlashStrip.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

MenuBarFlashStrip::MenuBarFlashStrip(OverlayWindows& overlays) {
    strip_.setObjectName(QStringLiteral("keyvigilMenuBarFlash"));
    overlays.makeOverlay(strip_, OverlayPlacement::TopEdge, true);
    strip_.setFocusPolicy(Qt::NoFocus);
    strip_.setAutoFillBackground(true);
    QPalette palette = strip_.palette();
    palette.setColor(QPalette::Window, Qt::black);
    strip_.setPalette(palette);
    hideTimer_.setSingleShot(true);
    QObject::connect(&hideTimer_, &QTimer::timeout, &strip_, [this] { strip_.hide(); });
}

void MenuBarFlashStrip::flashMenuBar(int) {
    inverted_ = !inverted_;
    if (inverted_)
        invert();
    else
        restore();
}

void MenuBarFlashStrip::invert() {
    hideTimer_.stop();
    if (strip_.isVisible())
        return; // still up from the last flash
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area(screen->geometry().topLeft(), QSize(screen->geometry().width(), kHeight));
    // With no window given, the grab is relative to the screen.
    QImage image = screen->grabWindow(0, 0, 0, area.width(), area.height()).toImage();
    if (!image.isNull())
        image.invertPixels();
    strip_.setPixmap(QPixmap::fromImage(image));
    strip_.setGeometry(area);
    strip_.show();
    shown_.start();
}

void MenuBarFlashStrip::restore() {
    const auto left = kMinimumVisible.count() - shown_.elapsed();
    if (!strip_.isVisible() || !shown_.isValid() || left <= 0) {
        strip_.hide();
        return;
    }
    hideTimer_.start(std::chrono::milliseconds(left));
}
