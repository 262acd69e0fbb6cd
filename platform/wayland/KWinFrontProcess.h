#pragma once

#include "platform/ProcessInfo.h"

#include <QDBusContext>
#include <QObject>
#include <QString>

#include <optional>

// The active window's process on KDE Plasma. KWin tells no other program which window is
// active, but runs scripts it is given over D-Bus: a small one of ours reports each activation
// back to this object. Only calls from KWin itself are taken.
class KWinFrontProcess final : public QObject, public ProcessInfo, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.keyvigil.FrontWindow")
public:
    KWinFrontProcess();
    ~KWinFrontProcess() override;

    // Whether KWin took the script.
    bool isWatching() const { return !pluginName_.isEmpty(); }
    const QString* frontProcessName() const override { return frontName_ ? &*frontName_ : nullptr; }

    // The script KWin runs, reporting to `service` (this process's bus name).
    static QString script(const QString& service);

public slots:
    // pid 0: no window is active.
    Q_SCRIPTABLE void Active(int pid);

private:
    QString scriptPath_;
    QString pluginName_;
    std::optional<QString> frontName_;
};
