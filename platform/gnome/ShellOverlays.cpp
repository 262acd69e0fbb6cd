#include "platform/gnome/ShellOverlays.h"

#include "platform/gnome/ShellCompanion.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {

QString placementName(OverlayPlacement placement) {
    switch (placement) {
    case OverlayPlacement::TopLeft:
        return QStringLiteral("top-left");
    case OverlayPlacement::TopEdge:
        return QStringLiteral("top-edge");
    case OverlayPlacement::Centre:
        break;
    }
    return QStringLiteral("centre");
}

} // namespace

ShellOverlays::ShellOverlays(ShellCompanion& companion) : companion_(companion) {}

ShellOverlays::~ShellOverlays() {
    for (auto& [window, overlay] : overlays_) {
        window->removeEventFilter(this);
        companion_.hide(overlay.id);
    }
}

void ShellOverlays::makeOverlay(QWidget& window, OverlayPlacement placement, bool) {
    // The companion's pictures never take a click.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    overlays_[&window] = {QStringLiteral("overlay-%1").arg(++made_), placement, 0};
    window.installEventFilter(this);
    QObject::connect(&window, &QObject::destroyed, this, [this, &window] {
        const auto found = overlays_.find(&window);
        if (found == overlays_.end())
            return;
        companion_.hide(found->second.id);
        overlays_.erase(found);
    });
}

bool ShellOverlays::eventFilter(QObject* watched, QEvent* event) {
    const auto found = overlays_.find(static_cast<QWidget*>(watched));
    if (found == overlays_.end())
        return false;
    QWidget& window = *found->first;
    switch (event->type()) {
    case QEvent::Show:
        found->second.scale = companion_.monitor().scale;
        send(window, found->second);
        break;
    case QEvent::Hide:
        companion_.hide(found->second.id);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (window.isVisible())
            send(window, found->second);
        break;
    case QEvent::UpdateRequest:
        // Sent after the toolkit has handled the request, so the widgets' state is current.
        QMetaObject::invokeMethod(
            this,
            [this, target = &window] {
                if (const auto again = overlays_.find(target);
                    again != overlays_.end() && target->isVisible())
                    send(*target, again->second);
            },
            Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void ShellOverlays::send(QWidget& window, Overlay& overlay) {
    const QSize size = window.size();
    if (size.isEmpty())
        return;
    const double scale = overlay.scale > 0 ? overlay.scale : 1.0;
    QImage image(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(window.windowOpacity());
        window.render(&painter, QPoint(), QRegion(),
                      window.testAttribute(Qt::WA_TranslucentBackground)
                          ? QWidget::DrawChildren
                          : QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    // A top-left window's place counts from its screen's corner, as the companion places it on
    // the monitor the user works on.
    const QPoint origin = window.screen() ? window.screen()->geometry().topLeft() : QPoint();
    companion_.show(overlay.id, placementName(overlay.placement), window.pos() - origin, size,
                    image);
}

void ShellOverlays::showAgain() {
    for (auto& [window, overlay] : overlays_)
        if (window->isVisible()) {
            overlay.scale = companion_.monitor().scale;
            send(*window, overlay);
        }
}
