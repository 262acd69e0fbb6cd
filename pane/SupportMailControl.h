#pragma once

#include "pane/Controls.h"
#include "pane/PaneContext.h"

#include <QCoreApplication>
#include <QString>

// "Email Support…": the support mail goes to the user's mail program. Where none takes it (no
// program is set for mailto links, or the opener fails), the General tab says so and offers the
// mail's text to copy or to save in a file, to send from any mail program.
class SupportMailControl {
    Q_DECLARE_TR_FUNCTIONS(SupportMailControl)

public:
    explicit SupportMailControl(PaneContext& pane) : pane_(pane) {}

    // The offer goes with each showing.
    void willSelect();
    // The email, copy or save button.
    void buttonPressed(Outlet button);

private:
    void email();
    void offerText(const QString& reason);
    void copy();
    void save();
    void say(const QString& message);

    PaneContext& pane_;
    // The whole mail while it is offered.
    QString text_;
};
