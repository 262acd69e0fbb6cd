#include "pane/plugin/QtPaneForm.h"

#include "shared/ProgramLog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
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

int QtPaneForm::indexOfSelectedItem(Outlet name) const {
    const auto* popup = outlet<QComboBox>(name);
    return popup ? popup->currentIndex() : -1;
}

void QtPaneForm::selectItemAtIndex(Outlet name, int index) {
    if (auto* popup = outlet<QComboBox>(name)) {
        const QSignalBlocker quiet(popup);
        popup->setCurrentIndex(index >= 0 && index < popup->count() ? index : -1);
    }
}

QStringList QtPaneForm::itemTitles(Outlet name) const {
    QStringList titles;
    if (const auto* popup = outlet<QComboBox>(name)) {
        for (int i = 0; i < popup->count(); ++i)
            titles.append(popup->itemText(i));
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
        popup->removeItem(index);
    }
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
