#pragma once

// Inverts the menu bar on one call and restores it on the next.
class MenuBarFlasher {
public:
    virtual ~MenuBarFlasher() = default;
    virtual void flashMenuBar(int menuID) = 0;
};
