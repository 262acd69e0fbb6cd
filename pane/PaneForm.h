#pragma once

#include "pane/Controls.h"

#include <QString>
#include <QStringList>

#include <memory>

// A pop-up item as the logic lists it: `title` is what the logic stores and looks items up by,
// `label` what the user reads. An item whose group differs from the one before it begins a new
// group, shown under the group's name when it has one.
struct PopupItem {
    QString title;
    QString label;
    QString group;
};

// An image the platform loaded for the form to show.
class PaneImage {
public:
    virtual ~PaneImage() = default;
};

// The pane's controls as the logic sees them, each named by its outlet in the control table.
// The widgets implement it; tests record it. Nothing set here sends an action: only the user's
// changes do.
class PaneForm {
public:
    virtual ~PaneForm() = default;

    // Check boxes.
    virtual bool state(Outlet outlet) const = 0;
    virtual void setState(Outlet outlet, bool on) = 0;

    // Pop-up menus. -1: nothing selected. Selecting an index out of range selects nothing.
    // Indexes and titles count the items only, never a group's separator or name.
    virtual int indexOfSelectedItem(Outlet outlet) const = 0;
    virtual void selectItemAtIndex(Outlet outlet, int index) = 0;
    virtual QStringList itemTitles(Outlet outlet) const = 0;
    virtual void addItemWithTitle(Outlet outlet, const QString& title) = 0;
    virtual void removeItemAtIndex(Outlet outlet, int index) = 0;
    // Replaces every item; nothing is selected after.
    virtual void setItems(Outlet outlet, const QList<PopupItem>& items) = 0;
    // Replaces the items with a fresh copy of a template menu's; nothing is selected after.
    virtual void setItemsFromMenu(Outlet outlet, Outlet menu) = 0;

    // Sliders.
    virtual float floatValue(Outlet outlet) const = 0;
    virtual void setFloatValue(Outlet outlet, float value) = 0;

    virtual void setEnabled(Outlet outlet, bool enabled) = 0;
    // A text field's text, or a button's title.
    virtual void setStringValue(Outlet outlet, const QString& text) = 0;
    // A button's title, which it keeps even when it shows only an icon.
    virtual QString title(Outlet outlet) const = 0;
    virtual void setHidden(Outlet outlet, bool hidden) = 0;
    virtual void selectTabViewItem(Outlet tabView, Outlet item) = 0;
    // Null shows nothing.
    virtual void setImage(Outlet outlet, const PaneImage* image) = 0;
};

// Loads images from files; null when a file cannot be read.
class PaneImageLoader {
public:
    virtual ~PaneImageLoader() = default;
    virtual std::unique_ptr<PaneImage> loadImage(const QString& path) = 0;
};
