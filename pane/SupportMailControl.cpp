#include "pane/SupportMailControl.h"

#include "pane/PercentEscapes.h"
#include "pane/SupportMail.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"

#include <QDir>
#include <QSaveFile>

void SupportMailControl::willSelect() {
    text_.clear();
    pane_.platform.form.setHidden(Outlet::supportMailOffer, true);
}

void SupportMailControl::buttonPressed(Outlet button) {
    if (button == Outlet::emailTheAuthorButton)
        email();
    else if (button == Outlet::copySupportMailButton)
        copy();
    else if (button == Outlet::saveSupportMailButton)
        save();
}

void SupportMailControl::email() {
    // The mail shows the settings as they are saved.
    pane_.save(PaneContext::Moment::Visiting);
    const SupportMail mail = composeSupportMail(pane_.prefs(), pane_.platform.support);
    pane_.platform.workspace.openURL(addingPercentEscapes(mail.mailto()),
                                     [this](const QString& reason) { offerText(reason); });
}

void SupportMailControl::offerText(const QString& reason) {
    qCWarning(programLog).noquote()
        << QStringLiteral("the support mail was not opened: %1; its text is offered to copy or "
                          "save")
               .arg(reason);
    // Nothing needs to be left out of a text that goes by no link.
    text_ = composeSupportMail(pane_.prefs(), pane_.platform.support, kWholeMail).plainText();
    say(tr("The support mail could not be opened in a mail program: %1. Copy its text or save "
           "it in a file, and send it to %2 from any mail program.")
            .arg(reason, kSupportAddress));
}

void SupportMailControl::copy() {
    if (text_.isEmpty())
        return;
    pane_.platform.textExport.copyToClipboard(text_);
    // Without a clipboard manager, the text goes with the program that copied it.
    say(tr("The support mail is on the clipboard. Paste it into a new mail to %1 before you "
           "close this window.")
            .arg(kSupportAddress));
}

void SupportMailControl::save() {
    if (text_.isEmpty())
        return;
    const std::optional<QString> path = pane_.platform.textExport.chooseFileToSave(
        QDir::homePath() + u'/' + tr("Keyvigil support mail.txt"));
    if (!path)
        return;
    QSaveFile file(*path);
    const QByteArray bytes = text_.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        pane_.alert(tr("Support Mail Not Saved"),
                    tr("Keyvigil could not save the support mail in “%1”: %2.")
                        .arg(*path, file.errorString()));
        return;
    }
    say(tr("The support mail is saved in “%1”. Send it to %2, attached or pasted into a mail.")
            .arg(*path, kSupportAddress));
}

void SupportMailControl::say(const QString& message) {
    PaneForm& form = pane_.platform.form;
    form.setStringValue(Outlet::supportMailOfferMsg, message);
    form.setHidden(Outlet::supportMailOffer, false);
}
