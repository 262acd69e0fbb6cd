#include "pane/plugin/KeyvigilPrefView.h"

#include "ui_KeyvigilPref.h"

#include <QStyle>
#include <QToolButton>

KeyvigilPrefView::KeyvigilPrefView(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::KeyvigilPrefView>()) {
    ui_->setupUi(this);
    // The help buttons keep their topic's anchor as their title and show the help icon.
    const QIcon help = QIcon::fromTheme(QStringLiteral("help-contents"),
                                        style()->standardIcon(QStyle::SP_DialogHelpButton));
    for (QToolButton* button : findChildren<QToolButton*>())
        if (button->objectName().endsWith(QLatin1StringView("HelpButton")))
            button->setIcon(help);
}

KeyvigilPrefView::~KeyvigilPrefView() = default;
