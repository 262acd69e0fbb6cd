#include "helper/indicators/QtIndicators.h"

#include "helper/indicators/IndicatorGeometry.h"
#include "shared/ProgramLog.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr QSize capsCenterSize{500, 500};
constexpr QSize numCenterSize{268, 335};
constexpr double capsCenterAlpha = 0.4;

QScreen* mainScreen() {
    return QGuiApplication::primaryScreen();
}

// A window kept off screen (another surface shows it) has nothing to raise.
void raiseOnScreen(QWidget& window) {
    if (!window.testAttribute(Qt::WA_DontShowOnScreen))
        window.raise();
}

} // namespace

QtIndicators::QtIndicators(const QString& resourcesPath, KVObject& KVHelperObject,
                           OverlayWindows& overlays, StatusIconHost& statusHosts)
    : statusItem(resourcesPath, KVHelperObject, statusHosts), resourcesPath_(resourcesPath),
      KVHelperObject_(KVHelperObject), overlays_(overlays) {}

QtIndicators::~QtIndicators() {
    closeUpperLeftWindow();
    closeCenterWindows();
    removeStatusItem();
}

QString QtIndicators::imageNamed(const QString& resourcesPath, const QString& name) {
    return resourcesPath + '/' + name + ".svg";
}

void QtIndicators::buildStatusItem() {
    statusItem.build();
}

void QtIndicators::removeStatusItem() {
    statusItem.remove();
}

void QtIndicators::menuBar(std::uint32_t active) {
    statusItem.show(active);
}

void QtIndicators::closeCenterWindows() {
    capsCenterWindow.reset();
    numCenterWindow.reset();
}

void QtIndicators::buildCapsCenterWindow() {
    capsCenterWindow = std::make_unique<CenterWindow>(imageNamed(resourcesPath_, "CapsLockCenter"),
                                                      capsCenterSize);
    overlays_.makeOverlay(*capsCenterWindow, OverlayPlacement::Centre, true);
    capsCenterWindow->setAttribute(Qt::WA_TranslucentBackground);
    capsCenterWindow->setWindowOpacity(capsCenterAlpha);
}

void QtIndicators::buildNumCenterWindow() {
    numCenterWindow =
        std::make_unique<CenterWindow>(imageNamed(resourcesPath_, "NumLockCenter"), numCenterSize);
    overlays_.makeOverlay(*numCenterWindow, OverlayPlacement::Centre, false);
}

void QtIndicators::showCentered(QWidget* window, bool show) {
    if (!window)
        return;
    // Shown or hidden once the modifier change has been handled: mapping a window of this size
    // takes about a millisecond, which the upper-left window and the tray, updated later in the
    // same change, should not wait for. Queued calls keep their order; a window closed before
    // its turn takes its call with it.
    QMetaObject::invokeMethod(
        window,
        [window, show, &overlays = overlays_] {
            if (!show) {
                window->hide();
                return;
            }
            // Centred anew each time, on the screen the user works on now (the primary where the
            // display server does not say): that, or the screens, may have changed since.
            QRect area = overlays.workingScreenGeometry();
            if (area.isEmpty())
                if (const QScreen* screen = mainScreen())
                    area = screen->availableGeometry();
            if (!area.isEmpty())
                window->move(centeredOrigin(area, window->size()));
            window->show();
            raiseOnScreen(*window);
        },
        Qt::QueuedConnection);
}

void QtIndicators::showCapsCenterWindow(bool show) {
    showCentered(capsCenterWindow.get(), show);
}

void QtIndicators::showNumCenterWindow(bool show) {
    showCentered(numCenterWindow.get(), show);
}

void QtIndicators::closeUpperLeftWindow() {
    upperLHView = nullptr;
    upperLHcorner.reset();
}

void QtIndicators::buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                                        std::uint32_t modifiers, int scale) {
    const QScreen* screen = mainScreen();
    const QRect screenFrame = screen ? screen->geometry() : QRect();
    // In the screen's own units: the toolkit multiplies them by its pixel ratio.
    const UpperLeftFrame placement = upperLeftFrame(screenFrame, mask, scale);
    ourScreenHeight = static_cast<float>(screenFrame.height());
    upperLHWindowOrigin = QPointF(0, placement.originY);
    upperLHTopLeft = placement.frame.topLeft();

    upperLHcorner = std::make_unique<QWidget>();
    overlays_.makeOverlay(*upperLHcorner, OverlayPlacement::TopLeft, false);
    upperLHcorner->setAttribute(Qt::WA_TranslucentBackground);
    upperLHcorner->setGeometry(placement.frame);

    upperLHView =
        new keyModifiersView(QRect(QPoint(0, 0), placement.frame.size()), upperLHcorner.get());
    upperLHView->setScale(placement.scale);
    upperLHcorner->show();
    raiseOnScreen(*upperLHcorner);

    upperLHView->setMaskAndOutlineColor(mask, outline == OutlineColor::LightGray
                                                  ? keyModifiersView::lightGrayColor
                                                  : keyModifiersView::clearColor);
    upperLHView->setModifiers(modifiers);
}

void QtIndicators::holdUpperLeftWindowInPlace() {
    if (upperLHcorner)
        KVHelperObject_.setUpperLHWindowAndOrigin(upperLHcorner.get(), upperLHTopLeft);
}

void QtIndicators::setModifiers(std::uint32_t modifiers) {
    if (upperLHView)
        upperLHView->setModifiers(modifiers);
}
