#pragma once

#include "platform/ShellCompanionControl.h"

#include <QCoreApplication>

// The companion as GNOME Shell reports it (org.gnome.Shell.Extensions on the session bus), its
// files in the data folders, and the Shell's list of extensions to run (org.gnome.shell
// enabled-extensions, through gsettings).
class GnomeCompanionControl final : public ShellCompanionControl {
    Q_DECLARE_TR_FUNCTIONS(GnomeCompanionControl)

public:
    static const QString kUuid;

    CompanionStatus status() override;
    std::optional<QString> enable() override;
};
