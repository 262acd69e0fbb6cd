#include "pane/HelpHandoff.h"
#include "pane/KeyvigilPref.h"
#include "pane/PercentEscapes.h"
#include "pane/SupportMail.h"

void KeyvigilPref::showHelp(Sender sender) {
    // A help button's title is the anchor of its topic on the book's start page.
    ::showHelp(kHelpBookName, std::nullopt, sender ? platform.form.title(*sender) : QString(),
               bundlePath_, platform);
}

void KeyvigilPref::emailTheAuthor() {
    // The button is in the pane's view, so the pane has been shown and has its store.
    if (!gPrefs)
        return;
    // The mail shows the settings as they are saved.
    saveSettings(Moment::Visiting);
    const QString mail = composeSupportMail(*gPrefs, platform.support);
    // Without a mail program nothing opens, and nothing is said.
    platform.workspace.openURL(addingPercentEscapes(mail));
}
