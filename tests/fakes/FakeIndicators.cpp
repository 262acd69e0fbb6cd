#include "tests/fakes/FakeIndicators.h"

namespace {
QString outlineName(OutlineColor outline) {
    return outline == OutlineColor::LightGray ? QStringLiteral("LightGray")
                                              : QStringLiteral("Clear");
}
} // namespace

void FakeIndicators::buildStatusItem() {
    statusItem = true;
    statusItemClosed = false;
    journal_.record(QStringLiteral("indicators buildStatusItem"));
}

void FakeIndicators::removeStatusItem() {
    statusItem = false;
    journal_.record(QStringLiteral("indicators removeStatusItem"));
}

void FakeIndicators::menuBar(std::uint32_t active) {
    if (statusItem)
        statusItemClosed = active != 0;
    journal_.record(QStringLiteral("indicators menuBar %1").arg(hexWord(active)));
}

void FakeIndicators::closeCenterWindows() {
    capsCenterWindow = numCenterWindow = capsCenterShown = numCenterShown = false;
    journal_.record(QStringLiteral("indicators closeCenterWindows"));
}

void FakeIndicators::buildCapsCenterWindow() {
    capsCenterWindow = true;
    capsCenterShown = false;
    journal_.record(QStringLiteral("indicators buildCapsCenterWindow"));
}

void FakeIndicators::buildNumCenterWindow() {
    numCenterWindow = true;
    numCenterShown = false;
    journal_.record(QStringLiteral("indicators buildNumCenterWindow"));
}

void FakeIndicators::showCapsCenterWindow(bool show) {
    capsCenterShown = capsCenterWindow && show;
    journal_.record(QStringLiteral("indicators showCapsCenterWindow %1").arg(yesNo(show)));
}

void FakeIndicators::showNumCenterWindow(bool show) {
    numCenterShown = numCenterWindow && show;
    journal_.record(QStringLiteral("indicators showNumCenterWindow %1").arg(yesNo(show)));
}

void FakeIndicators::closeUpperLeftWindow() {
    upperLeftWindow = false;
    journal_.record(QStringLiteral("indicators closeUpperLeftWindow"));
}

void FakeIndicators::buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                                          std::uint32_t modifiers) {
    upperLeftWindow = true;
    upperLeftMask = mask;
    upperLeftOutline = outline;
    upperLeftModifiers = modifiers & mask;
    journal_.record(QStringLiteral("indicators buildUpperLeftWindow %1 %2 %3")
                        .arg(hexWord(mask), outlineName(outline), hexWord(modifiers)));
}

void FakeIndicators::setModifiers(std::uint32_t modifiers) {
    upperLeftModifiers = modifiers & upperLeftMask;
    journal_.record(QStringLiteral("indicators setModifiers %1").arg(hexWord(modifiers)));
}

void FakeIndicators::holdUpperLeftWindowInPlace() {
    journal_.record(QStringLiteral("indicators holdUpperLeftWindowInPlace"));
}
