#include "helper/indicators/ScreenIndicators.h"

#include "helper/indicators/IndicatorGeometry.h"

namespace {

constexpr QSize capsCenterSize{500, 500};
constexpr QSize numCenterSize{268, 335};
constexpr double capsCenterAlpha = 0.4;

} // namespace

ScreenIndicators::ScreenIndicators(const QString& resourcesPath, KVObject& KVHelperObject,
                                   OverlayWindows& overlays, StatusIconHost& statusHosts)
    : statusItem(resourcesPath, KVHelperObject, statusHosts), resourcesPath_(resourcesPath),
      KVHelperObject_(KVHelperObject), overlays_(overlays) {}

ScreenIndicators::~ScreenIndicators() {
    closeUpperLeftWindow();
    closeCenterWindows();
    removeStatusItem();
}

QString ScreenIndicators::imageNamed(const QString& resourcesPath, const QString& name) {
    return resourcesPath + '/' + name + ".svg";
}

void ScreenIndicators::buildStatusItem() {
    statusItem.build();
}

void ScreenIndicators::removeStatusItem() {
    statusItem.remove();
}

void ScreenIndicators::menuBar(std::uint32_t active) {
    statusItem.show(active);
}

void ScreenIndicators::closeCenterWindows() {
    capsCenterWindow.reset();
    numCenterWindow.reset();
}

void ScreenIndicators::buildCapsCenterWindow() {
    // See-through and click-through: it covers what the user is typing into.
    capsCenterWindow =
        std::make_unique<CenterWindow>(imageNamed(resourcesPath_, "CapsLockCenter"), capsCenterSize,
                                       capsCenterAlpha, overlays_, true);
}

void ScreenIndicators::buildNumCenterWindow() {
    numCenterWindow = std::make_unique<CenterWindow>(imageNamed(resourcesPath_, "NumLockCenter"),
                                                     numCenterSize, 1.0, overlays_, false);
}

void ScreenIndicators::showCentered(CenterWindow* window, bool show) {
    if (!window)
        return;
    // Shown or hidden once the modifier change has been handled: drawing a window of this size
    // takes about a millisecond, which the upper-left window and the tray, updated later in the
    // same change, should not wait for. Queued calls keep their order; a window closed before
    // its turn takes its call with it.
    QMetaObject::invokeMethod(
        window,
        [window, show, &overlays = overlays_] {
            if (!show) {
                window->window().hide();
                return;
            }
            // Centred anew each time, on the screen the user works on now (the primary where the
            // display server does not say): that, or the screens, may have changed since.
            QRect area = overlays.workingScreenGeometry();
            if (area.isEmpty())
                area = overlays.availableScreenGeometry();
            window->window().show(area.isEmpty() ? QPoint() : centeredOrigin(area, window->size()));
        },
        Qt::QueuedConnection);
}

void ScreenIndicators::showCapsCenterWindow(bool show) {
    showCentered(capsCenterWindow.get(), show);
}

void ScreenIndicators::showNumCenterWindow(bool show) {
    showCentered(numCenterWindow.get(), show);
}

void ScreenIndicators::closeUpperLeftWindow() {
    upperLHcorner.reset();
    upperLHView.reset();
}

void ScreenIndicators::buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                                            std::uint32_t modifiers, int scale) {
    closeUpperLeftWindow();
    const QRect screenFrame = overlays_.screenGeometry();
    // In the screen's points: the display server's backend multiplies them by its scale.
    const UpperLeftFrame placement = upperLeftFrame(screenFrame, mask, scale);
    ourScreenHeight = static_cast<float>(screenFrame.height());
    upperLHWindowOrigin = QPointF(0, placement.originY);
    upperLHTopLeft = placement.frame.topLeft();

    upperLHView = std::make_unique<keyModifiersView>(placement.frame);
    upperLHView->setScale(placement.scale);
    upperLHView->setMaskAndOutlineColor(mask, outline == OutlineColor::LightGray
                                                  ? keyModifiersView::lightGrayColor
                                                  : keyModifiersView::clearColor);
    upperLHView->setModifiers(modifiers);
    upperLHcorner = overlays_.makeOverlay(*upperLHView, OverlayPlacement::TopLeft, false);
    upperLHcorner->show(upperLHTopLeft);
}

void ScreenIndicators::holdUpperLeftWindowInPlace() {
    if (upperLHcorner)
        KVHelperObject_.setUpperLHWindowAndOrigin(upperLHcorner.get(), upperLHTopLeft);
}

void ScreenIndicators::setModifiers(std::uint32_t modifiers) {
    // Drawn and sent to the screen now, ahead of whatever else the change brings: a lock's
    // state is what this window is for.
    if (upperLHView && upperLHView->setModifiers(modifiers))
        upperLHcorner->repaint();
}
