#pragma once

#include <QString>

// The application that shows the pane.
class PaneHost {
public:
    virtual ~PaneHost() = default;
    // Shows a modal alert with one button and returns once it is dismissed.
    virtual void runAlertPanel(const QString& title, const QString& message,
                               const QString& button) = 0;
    // Ends the application as soon as the current call returns.
    virtual void terminate() = 0;
    virtual qint64 processIdentifier() const = 0;
};
