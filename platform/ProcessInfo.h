#pragma once

#include <QString>

// What the process manager reports about the running system.
class ProcessInfo {
public:
    virtual ~ProcessInfo() = default;
    // Name of the front process, or null when there is none. Must be cheap: it is asked on
    // every key press, so implementations keep it current rather than looking it up.
    virtual const QString* frontProcessName() const = 0;
};
