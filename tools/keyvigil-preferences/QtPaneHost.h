#pragma once

#include "platform/PaneHost.h"

#include <functional>

// The host's side of the pane: alerts as modal message boxes, and terminating as a request the
// host carries out once the pane's current call has returned.
class QtPaneHost final : public PaneHost {
public:
    explicit QtPaneHost(std::function<void()> terminate) : terminate_(std::move(terminate)) {}

    void runAlertPanel(const QString& title, const QString& message,
                       const QString& button) override;
    void terminate() override;
    qint64 processIdentifier() const override;

    bool terminateRequested() const { return terminateRequested_; }

private:
    std::function<void()> terminate_;
    bool terminateRequested_ = false;
};
