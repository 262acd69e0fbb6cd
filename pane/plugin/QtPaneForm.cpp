#include "pane/plugin/QtPaneForm.h"

#include "shared/ProgramLog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

template <typename Widget> Widget* QtPaneForm::outlet(QLatin1StringView name) const {
    auto* widget = view_.findChild<Widget*>(QString(name));
    if (!widget)
        qCWarning(programLog, "the pane's interface has no control \"%s\"", name.data());
    return widget;
}

bool QtPaneForm::state(QLatin1StringView name) const {
    const auto* button = outlet<QAbstractButton>(name);
    return button && button->isChecked();
}

void QtPaneForm::setState(QLatin1StringView name, bool on) {
    if (auto* button = outlet<QAbstractButton>(name)) {
        const QSignalBlocker quiet(button);
        button->setChecked(on);
    }
}

void QtPaneForm::setStringValue(QLatin1StringView name, const QString& text) {
    QWidget* widget = outlet<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(QString(text).replace(u'&', QStringLiteral("&&"))); // no mnemonic
}

void QtPaneForm::setHidden(QLatin1StringView name, bool hidden) {
    if (QWidget* widget = outlet<QWidget>(name))
        widget->setHidden(hidden);
}

void QtPaneForm::selectTabViewItem(QLatin1StringView tabView, QLatin1StringView item) {
    auto* tabs = outlet<QTabWidget>(tabView);
    QWidget* page = outlet<QWidget>(item);
    if (tabs && page)
        tabs->setCurrentWidget(page);
}
