#include "tools/keyvigil-preferences/QtPaneHost.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

void QtPaneHost::runAlertPanel(const QString& title, const QString& message,
                               const QString& button) {
    QMessageBox alert(QMessageBox::Warning, title, QString(message).replace(u'\r', u'\n'));
    alert.addButton(button, QMessageBox::AcceptRole);
    alert.exec();
}

void QtPaneHost::terminate() {
    terminateRequested_ = true;
    QTimer::singleShot(0, [this] { terminate_(); });
}

qint64 QtPaneHost::processIdentifier() const {
    return QCoreApplication::applicationPid();
}
