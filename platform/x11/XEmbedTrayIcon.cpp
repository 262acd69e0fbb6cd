#include "platform/x11/XEmbedTrayIcon.h"

#include <QCursor>

XEmbedTrayIcon::XEmbedTrayIcon() {
    icon_.setContextMenu(&menu_);
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger)
                             menu_.popup(QCursor::pos());
                     });
}

void XEmbedTrayIcon::show(const QString& imagePath, const QString& toolTip) {
    // The tray redraws on every change; most modifier changes leave the picture as it is.
    if (imagePath != imagePath_) {
        imagePath_ = imagePath;
        auto picture = pictures_.find(imagePath);
        if (picture == pictures_.end())
            picture = pictures_.insert(imagePath, QIcon(imagePath));
        icon_.setIcon(*picture);
    }
    if (icon_.toolTip() != toolTip)
        icon_.setToolTip(toolTip);
    if (!icon_.isVisible())
        icon_.show();
}

void XEmbedTrayIcon::setMenu(std::vector<StatusMenuEntry> entries) {
    menu_.clear();
    for (StatusMenuEntry& entry : entries) {
        QAction* action = menu_.addAction(entry.text);
        QObject::connect(action, &QAction::triggered, action, std::move(entry.triggered));
    }
}
