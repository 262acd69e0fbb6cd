#pragma once

#include <functional>

// Whether a tray is running that a status icon can show in, and word when one starts. The toolkit
// decides once per process how its tray icons reach a tray, at the first icon; the status item
// waits for this to say yes before it makes one.
class TrayWatcher {
public:
    virtual ~TrayWatcher() = default;

    virtual bool available() const = 0;
    // Runs from the event loop each time available() turns true; replaces the previous handler.
    virtual void setAppearedHandler(std::function<void()> handler) = 0;
};
