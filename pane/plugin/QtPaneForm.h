#pragma once

#include "pane/PaneForm.h"

#include <QPixmap>

class QWidget;

// An image as the widgets show it.
class QtPaneImage final : public PaneImage {
public:
    explicit QtPaneImage(QPixmap pixmap) : pixmap(std::move(pixmap)) {}
    const QPixmap pixmap;
};

class QtPaneImageLoader final : public PaneImageLoader {
public:
    std::unique_ptr<PaneImage> loadImage(const QString& path) override;
};

// The form over the pane's widgets, each found by its object name in the control table: check boxes
// are buttons, pop-ups combo boxes, the slider a slider whose whole range stands for 0.0 to 1.0.
// A pop-up's groups are set apart by a separator and their name, rows the logic never sees.
// Nothing set here sends a signal: only the user's own changes reach the actions.
class QtPaneForm final : public PaneForm {
public:
    explicit QtPaneForm(QWidget& view) : view_(view) {}

    bool state(Outlet outlet) const override;
    void setState(Outlet outlet, bool on) override;
    int indexOfSelectedItem(Outlet outlet) const override;
    void selectItemAtIndex(Outlet outlet, int index) override;
    QStringList itemTitles(Outlet outlet) const override;
    void addItemWithTitle(Outlet outlet, const QString& title) override;
    void removeItemAtIndex(Outlet outlet, int index) override;
    void setItems(Outlet outlet, const QList<PopupItem>& items) override;
    void setItemsFromMenu(Outlet outlet, Outlet menu) override;
    float floatValue(Outlet outlet) const override;
    void setFloatValue(Outlet outlet, float value) override;
    void setEnabled(Outlet outlet, bool enabled) override;
    void setStringValue(Outlet outlet, const QString& text) override;
    QString title(Outlet outlet) const override;
    void setHidden(Outlet outlet, bool hidden) override;
    void selectTabViewItem(Outlet tabView, Outlet item) override;
    void setImage(Outlet outlet, const PaneImage* image) override;

private:
    template <typename Widget> Widget* outlet(Outlet which) const;

    QWidget& view_;
};
