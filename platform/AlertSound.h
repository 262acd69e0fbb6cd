#pragma once

// The system alert: the short sound a desktop makes when something cannot be done.
class AlertSound {
public:
    virtual ~AlertSound() = default;
    virtual void beep() = 0;
};
