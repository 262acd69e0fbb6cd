#pragma once

#include <QLatin1StringView>
#include <QString>

// The pane's controls as the logic sees them, each named by its outlet. The widgets implement
// it; tests record it.
class PaneForm {
public:
    virtual ~PaneForm() = default;
    // A check box's state.
    virtual bool state(QLatin1StringView outlet) const = 0;
    virtual void setState(QLatin1StringView outlet, bool on) = 0;
    // A text field's text, or a button's title.
    virtual void setStringValue(QLatin1StringView outlet, const QString& text) = 0;
    virtual void setHidden(QLatin1StringView outlet, bool hidden) = 0;
    virtual void selectTabViewItem(QLatin1StringView tabView, QLatin1StringView item) = 0;
};
