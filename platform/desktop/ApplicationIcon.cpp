#include "platform/desktop/ApplicationIcon.h"

#include "shared/Identifiers.h"

QIcon applicationIcon() {
    return QIcon::fromTheme(QString(kApplicationIdentifier),
                            QIcon(QStringLiteral(":/keyvigil/org.keyvigil.Keyvigil.svg")));
}
