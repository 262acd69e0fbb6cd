#pragma once

#include <cstdint>

enum class OutlineColor { Clear, LightGray };

// The on-screen indicators the settings load builds and the keyboard monitor drives.
class Indicators {
public:
    virtual ~Indicators() = default;

    virtual bool hasStatusItem() const = 0;
    virtual void buildStatusItem() = 0;
    virtual void removeStatusItem() = 0;
    virtual void menuBar(std::uint32_t active) = 0;

    virtual void closeCenterWindows() = 0;
    virtual void buildCapsCenterWindow() = 0;
    virtual void buildNumCenterWindow() = 0;
    // Centres the window and brings it to the front, or takes it off the screen.
    virtual void showCapsCenterWindow(bool show) = 0;
    virtual void showNumCenterWindow(bool show) = 0;

    virtual bool hasUpperLeftWindow() const = 0;
    virtual void closeUpperLeftWindow() = 0;
    // `scale`: how many times its smallest size the window is, 1 to 3.
    virtual void buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                                      std::uint32_t modifiers, int scale = 1) = 0;
    virtual void setModifiers(std::uint32_t modifiers) = 0;
    // Puts the upper-left window back wherever anything moves it, until it is closed.
    virtual void holdUpperLeftWindowInPlace() = 0;
};
