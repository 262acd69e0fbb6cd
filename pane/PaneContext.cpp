#include "pane/PaneContext.h"

#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"

#include <cerrno>
#include <cstring>

void PaneContext::beginVisit() {
    gPrefs = std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kApplicationIdentifier));
    said_.clear();
}

bool PaneContext::save(Moment moment) {
    if (gPrefs->synchronize())
        return true;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    const QString kept = moment == Moment::Visiting
                             ? tr("This window keeps your changes and saves them again when you "
                                  "change something or close it.")
                             : tr("The changes made in this window are lost.");
    alert(tr("Settings Not Saved"), tr("Keyvigil could not save your settings in “%1”: "
                                       "%2.\r\rThe settings saved there before are kept. %3")
                                        .arg(gPrefs->prefsPath(), reason, kept));
    return false;
}

void PaneContext::alert(const QString& title, const QString& message) {
    if (said_.contains(message))
        return;
    said_.append(message);
    qCWarning(programLog).noquote()
        << title + QStringLiteral(": ") +
               QString(message).replace(QStringLiteral("\r\r"), QStringLiteral(" "));
    platform.host.runAlertPanel(title, message, tr("OK"));
}
