#pragma once

#include "pane/PaneForm.h"

class QWidget;

// The form over the pane's widgets, each found by its outlet's object name. Setting a state
// sends no signal: only the user's own changes reach the actions.
class QtPaneForm final : public PaneForm {
public:
    explicit QtPaneForm(QWidget& view) : view_(view) {}

    bool state(QLatin1StringView outlet) const override;
    void setState(QLatin1StringView outlet, bool on) override;
    void setStringValue(QLatin1StringView outlet, const QString& text) override;
    void setHidden(QLatin1StringView outlet, bool hidden) override;
    void selectTabViewItem(QLatin1StringView tabView, QLatin1StringView item) override;

private:
    template <typename Widget> Widget* outlet(QLatin1StringView name) const;

    QWidget& view_;
};
