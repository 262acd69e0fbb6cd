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

// The form over the pane's widgets, each found by its outlet's object name: check boxes are
// buttons, pop-ups combo boxes, the slider a slider whose whole range stands for 0.0 to 1.0.
// Nothing set here sends a signal: only the user's own changes reach the actions.
class QtPaneForm final : public PaneForm {
public:
    explicit QtPaneForm(QWidget& view) : view_(view) {}

    bool state(QLatin1StringView outlet) const override;
    void setState(QLatin1StringView outlet, bool on) override;
    int indexOfSelectedItem(QLatin1StringView outlet) const override;
    void selectItemAtIndex(QLatin1StringView outlet, int index) override;
    QStringList itemTitles(QLatin1StringView outlet) const override;
    void addItemWithTitle(QLatin1StringView outlet, const QString& title) override;
    void removeItemAtIndex(QLatin1StringView outlet, int index) override;
    void setItemsFromMenu(QLatin1StringView outlet, QLatin1StringView menu) override;
    float floatValue(QLatin1StringView outlet) const override;
    void setFloatValue(QLatin1StringView outlet, float value) override;
    void setEnabled(QLatin1StringView outlet, bool enabled) override;
    void setStringValue(QLatin1StringView outlet, const QString& text) override;
    QString title(QLatin1StringView outlet) const override;
    void setHidden(QLatin1StringView outlet, bool hidden) override;
    void selectTabViewItem(QLatin1StringView tabView, QLatin1StringView item) override;
    void setImage(QLatin1StringView outlet, const PaneImage* image) override;

private:
    template <typename Widget> Widget* outlet(QLatin1StringView name) const;

    QWidget& view_;
};
