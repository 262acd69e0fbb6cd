#include "platform/gnome/CompanionVersion.h"

QString companionVersionProblem(unsigned ours, unsigned companions) {
    if (ours == companions)
        return {};
    const QString newer = companions > ours ? QStringLiteral("the companion is newer than "
                                                             "Keyvigil")
                                            : QStringLiteral("the companion is older than "
                                                             "Keyvigil");
    return QStringLiteral("the GNOME Shell companion speaks interface version %1 and Keyvigil "
                          "%2 (%3): install them together, then log out and in again")
        .arg(companions)
        .arg(ours)
        .arg(newer);
}
