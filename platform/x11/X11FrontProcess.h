#pragma once

#include "platform/ProcessInfo.h"

#include <memory>

// The front process is the owner of the window the window manager marks active. The name is
// kept current by watching the root window's active-window property, so asking for it costs
// nothing.
class X11FrontProcess final : public ProcessInfo {
public:
    // displayName null: $DISPLAY.
    explicit X11FrontProcess(const char* displayName = nullptr);
    ~X11FrontProcess() override;

    const QString* frontProcessName() const override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
