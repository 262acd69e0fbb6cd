#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <memory>

// An image the platform loaded for the form to show.
class PaneImage {
public:
    virtual ~PaneImage() = default;
};

// The pane's controls as the logic sees them, each named by its outlet. The widgets implement
// it; tests record it. Nothing set here sends an action: only the user's changes do.
class PaneForm {
public:
    virtual ~PaneForm() = default;

    // Check boxes.
    virtual bool state(QLatin1StringView outlet) const = 0;
    virtual void setState(QLatin1StringView outlet, bool on) = 0;

    // Pop-up menus. -1: nothing selected. Selecting an index out of range selects nothing.
    virtual int indexOfSelectedItem(QLatin1StringView outlet) const = 0;
    virtual void selectItemAtIndex(QLatin1StringView outlet, int index) = 0;
    virtual QStringList itemTitles(QLatin1StringView outlet) const = 0;
    virtual void addItemWithTitle(QLatin1StringView outlet, const QString& title) = 0;
    virtual void removeItemAtIndex(QLatin1StringView outlet, int index) = 0;
    // Replaces the items with a fresh copy of a template menu's; nothing is selected after.
    virtual void setItemsFromMenu(QLatin1StringView outlet, QLatin1StringView menu) = 0;

    // Sliders.
    virtual float floatValue(QLatin1StringView outlet) const = 0;
    virtual void setFloatValue(QLatin1StringView outlet, float value) = 0;

    virtual void setEnabled(QLatin1StringView outlet, bool enabled) = 0;
    // A text field's text, or a button's title.
    virtual void setStringValue(QLatin1StringView outlet, const QString& text) = 0;
    // A button's title, which it keeps even when it shows only an icon.
    virtual QString title(QLatin1StringView outlet) const = 0;
    virtual void setHidden(QLatin1StringView outlet, bool hidden) = 0;
    virtual void selectTabViewItem(QLatin1StringView tabView, QLatin1StringView item) = 0;
    // Null shows nothing.
    virtual void setImage(QLatin1StringView outlet, const PaneImage* image) = 0;
};

// Loads images from files; null when a file cannot be read.
class PaneImageLoader {
public:
    virtual ~PaneImageLoader() = default;
    virtual std::unique_ptr<PaneImage> loadImage(const QString& path) = 0;
};
