#include "pane/plugin/QtPaneForm.h"

#include "shared/ProgramLog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QTabWidget>

#include <cmath>

std::unique_ptr<PaneImage> QtPaneImageLoader::loadImage(const QString& path) {
    QPixmap pixmap(path);
    if (pixmap.isNull())
        return nullptr;
    return std::make_unique<QtPaneImage>(std::move(pixmap));
}

template <typename Widget> Widget* QtPaneForm::outlet(Outlet which) const {
    const QLatin1StringView name = Controls::name(which);
    auto* widget = view_.findChild<Widget*>(QString(name));
    if (!widget)
        qCWarning(programLog, "the pane's interface has no control \"%s\" of the kind expected",
                  name.data());
    return widget;
}

bool QtPaneForm::state(Outlet name) const {
    const auto* button = outlet<QAbstractButton>(name);
    return button && button->isChecked();
}

void QtPaneForm::setState(Outlet name, bool on) {
    if (auto* button = outlet<QAbstractButton>(name)) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
    }
}

namespace {

// Roles of a pop-up's rows: the title the logic knows an item by, when it differs from the text
// shown, and the mark of a row that only shows a group (a separator or a group's name).
constexpr int kTitleRole = Qt::UserRole;
constexpr int kGroupRowRole = Qt::UserRole + 1;

bool isGroupRow(const QComboBox& popup, int row) {
    return popup.itemData(row, kGroupRowRole).toBool();
}

// The row of the item at `index`, counting items only; -1 for none.
int rowOfItem(const QComboBox& popup, int index) {
    for (int row = 0; index >= 0 && row < popup.count(); ++row) {
        if (!isGroupRow(popup, row) && index-- == 0)
            return row;
    }
    return -1;
}

int itemOfRow(const QComboBox& popup, int row) {
    if (row < 0 || row >= popup.count() || isGroupRow(popup, row))
        return -1;
    int index = 0;
    for (int before = 0; before < row; ++before)
        index += isGroupRow(popup, before) ? 0 : 1;
    return index;
}

// A group's name: not selectable, in bold, in the text's own colour rather than greyed out.
void addGroupName(QComboBox& popup, const QString& name) {
    popup.addItem(name);
    const int row = popup.count() - 1;
    auto* model = qobject_cast<QStandardItemModel*>(popup.model());
    if (QStandardItem* item = model ? model->item(row) : nullptr)
        item->setFlags(Qt::NoItemFlags);
    QFont bold = popup.font();
    bold.setBold(true);
    popup.setItemData(row, bold, Qt::FontRole);
    popup.setItemData(row, popup.palette().color(QPalette::Active, QPalette::Text),
                      Qt::ForegroundRole);
    popup.setItemData(row, true, kGroupRowRole);
}

} // namespace

int QtPaneForm::indexOfSelectedItem(Outlet name) const {
    const auto* popup = outlet<QComboBox>(name);
    return popup ? itemOfRow(*popup, popup->currentIndex()) : -1;
}

void QtPaneForm::selectItemAtIndex(Outlet name, int index) {
    if (auto* popup = outlet<QComboBox>(name)) {
        const QSignalBlocker quiet(popup);
        popup->setCurrentIndex(rowOfItem(*popup, index));
    }
}

QStringList QtPaneForm::itemTitles(Outlet name) const {
    QStringList titles;
    if (const auto* popup = outlet<QComboBox>(name)) {
        for (int row = 0; row < popup->count(); ++row) {
            if (isGroupRow(*popup, row))
                continue;
            const QVariant title = popup->itemData(row, kTitleRole);
            titles.append(title.isValid() ? title.toString() : popup->itemText(row));
        }
    }
    return titles;
}

void QtPaneForm::addItemWithTitle(Outlet name, const QString& title) {
    if (auto* popup = outlet<QComboBox>(name)) {
        const QSignalBlocker quiet(popup);
        popup->addItem(title);
    }
}

void QtPaneForm::removeItemAtIndex(Outlet name, int index) {
    if (auto* popup = outlet<QComboBox>(name)) {
        const QSignalBlocker quiet(popup);
        popup->removeItem(rowOfItem(*popup, index));
    }
}

void QtPaneForm::setItems(Outlet name, const QList<PopupItem>& items) {
    auto* popup = outlet<QComboBox>(name);
    if (!popup)
        return;
    const QSignalBlocker quiet(popup);
    popup->clear();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const PopupItem& item = items[i];
        if (i > 0 && item.group != items[i - 1].group) {
            popup->insertSeparator(popup->count());
            popup->setItemData(popup->count() - 1, true, kGroupRowRole);
            if (!item.group.isEmpty())
                addGroupName(*popup, item.group);
        }
        popup->addItem(item.label, item.title);
        // Read out with the group's name, which a screen reader does not otherwise reach.
        if (!item.group.isEmpty())
            popup->setItemData(popup->count() - 1,
                               QStringLiteral("%1, %2").arg(item.label, item.group),
                               Qt::AccessibleTextRole);
    }
    popup->setCurrentIndex(-1);
}

void QtPaneForm::setItemsFromMenu(Outlet name, Outlet menu) {
    auto* popup = outlet<QComboBox>(name);
    const auto* source = outlet<QComboBox>(menu);
    if (!popup || !source)
        return;
    const QSignalBlocker quiet(popup);
    popup->clear();
    for (int i = 0; i < source->count(); ++i)
        popup->addItem(source->itemText(i));
    popup->setCurrentIndex(-1);
}

float QtPaneForm::floatValue(Outlet name) const {
    const auto* slider = outlet<QSlider>(name);
    if (!slider || slider->maximum() == slider->minimum())
        return 0.0f;
    return float(slider->value() - slider->minimum()) /
           float(slider->maximum() - slider->minimum());
}

void QtPaneForm::setFloatValue(Outlet name, float value) {
    if (auto* slider = outlet<QSlider>(name)) {
        const QSignalBlocker quiet(slider);
        const float clamped = std::clamp(value, 0.0f, 1.0f);
        slider->setValue(slider->minimum() +
                         int(std::lround(clamped * float(slider->maximum() - slider->minimum()))));
    }
}

void QtPaneForm::setEnabled(Outlet name, bool enabled) {
    if (QWidget* widget = outlet<QWidget>(name))
        widget->setEnabled(enabled);
}

void QtPaneForm::setStringValue(Outlet name, const QString& text) {
    QWidget* widget = outlet<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        // An "&" is shown as it is; a button whose interface file asks for it takes its title's
        // first letter as its mnemonic.
        button->setText(
            (button->property("titleMnemonic").toBool() ? QStringLiteral("&") : QString()) +
            QString(text).replace(u'&', QStringLiteral("&&")));
}

QString QtPaneForm::title(Outlet name) const {
    if (const auto* button = outlet<QAbstractButton>(name))
        return button->text();
    return {};
}

void QtPaneForm::setHidden(Outlet name, bool hidden) {
    if (QWidget* widget = outlet<QWidget>(name))
        widget->setHidden(hidden);
}

void QtPaneForm::selectTabViewItem(Outlet tabView, Outlet item) {
    auto* tabs = outlet<QTabWidget>(tabView);
    QWidget* page = outlet<QWidget>(item);
    if (tabs && page)
        tabs->setCurrentWidget(page);
}

void QtPaneForm::setImage(Outlet name, const PaneImage* image) {
    auto* label = outlet<QLabel>(name);
    if (!label)
        return;
    const auto* picture = dynamic_cast<const QtPaneImage*>(image);
    if (!picture) {
        label->clear();
        return;
    }
    // The real window is tiny: shown enlarged, pixel for pixel.
    constexpr int kScale = 8;
    label->setPixmap(picture->pixmap.scaled(picture->pixmap.size() * kScale, Qt::KeepAspectRatio,
                                            Qt::FastTransformation));
}
