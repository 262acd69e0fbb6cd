#pragma once

#include "platform/KeyboardAccess.h"

#include <QString>

// Keyboard access on Linux: the keyboards found through udev's database, their lock lights in
// /sys/class/leds, and the changes made by keyvigil-keyboard-access, run as root through pkexec.
class LinuxKeyboardAccess final : public KeyboardAccess {
public:
    // `program` is keyvigil-keyboard-access's full path. The system's configuration (/etc, /run)
    // is read under `systemRoot`, which is empty but in tests.
    LinuxKeyboardAccess(DesktopSession session, const QString& program,
                        const QString& systemRoot = {});

    DesktopSession session() const override { return session_; }
    KeyboardAccessMethod method() const override;
    bool keyboardsReadable() override;
    bool lockLightsReadable() override;
    bool granted() override;
    std::optional<QString> grant() override;
    std::optional<QString> revoke() override;

private:
    std::optional<QString> run(const QString& command);
    bool listedInInputGroup() const;

    DesktopSession session_;
    QString program_;
    QString root_;
};
