#pragma once

#include "platform/Indicators.h"
#include "tests/fakes/Journal.h"

// Keeps which indicators exist and which centre windows show, and records every call.
class FakeIndicators : public Indicators {
public:
    explicit FakeIndicators(Journal& journal) : journal_(journal) {}

    bool hasStatusItem() const override { return statusItem; }
    void buildStatusItem() override;
    void removeStatusItem() override;
    void menuBar(std::uint32_t active) override;

    void closeCenterWindows() override;
    void buildCapsCenterWindow() override;
    void buildNumCenterWindow() override;
    void showCapsCenterWindow(bool show) override;
    void showNumCenterWindow(bool show) override;

    bool hasUpperLeftWindow() const override { return upperLeftWindow; }
    void closeUpperLeftWindow() override;
    void buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                              std::uint32_t modifiers) override;
    void setModifiers(std::uint32_t modifiers) override;
    void holdUpperLeftWindowInPlace() override;

    bool statusItem = false;
    bool statusItemClosed = false; // the icon: KVClosed when true, KVOpen when false
    bool capsCenterWindow = false;
    bool numCenterWindow = false;
    bool capsCenterShown = false;
    bool numCenterShown = false;
    bool upperLeftWindow = false;
    std::uint32_t upperLeftMask = 0;
    OutlineColor upperLeftOutline = OutlineColor::Clear;
    std::uint32_t upperLeftModifiers = 0;

private:
    Journal& journal_;
};
