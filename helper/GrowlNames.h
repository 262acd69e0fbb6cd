#pragma once

#include <QCoreApplication>
#include <QLatin1StringView>

// The notifications the helper registers and posts, and the name it registers under. A name is
// the notification's identity, the same in every language; the user reads its translation.
namespace GrowlNames {
inline constexpr QLatin1StringView applicationName{"Keyvigil"};
inline constexpr QLatin1StringView capsLockOn{QT_TRANSLATE_NOOP("Notifications", "CAPS LOCK On")};
inline constexpr QLatin1StringView capsLockOff{QT_TRANSLATE_NOOP("Notifications", "CAPS LOCK Off")};
inline constexpr QLatin1StringView numLockOn{QT_TRANSLATE_NOOP("Notifications", "NUM LOCK On")};
inline constexpr QLatin1StringView numLockOff{QT_TRANSLATE_NOOP("Notifications", "NUM LOCK Off")};
inline constexpr QLatin1StringView tooManyCapsTyped{
    QT_TRANSLATE_NOOP("Notifications", "Too Many CAPS Typed")};

// What the user reads for a notification's name.
inline QString title(QLatin1StringView name) {
    return QCoreApplication::translate("Notifications", name.data());
}

// The text under "Too Many CAPS Typed": the number of capitals in a row that warns, printed as
// the signed number that was stored.
inline QString capsCountWarning(int warnCount) {
    return QCoreApplication::translate("Notifications", "%n CAPS typed.", nullptr, warnCount);
}
} // namespace GrowlNames
