#include "platform/desktop/ApplicationIcon.h"
#include "platform/desktop/ProcProcessManager.h"
#include "platform/desktop/SignalPipe.h"
#include "shared/BundleLayout.h"
#include "shared/CommandLine.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"
#include "shared/Translations.h"
#include "tools/help-viewer/HelpRequest.h"
#include "tools/help-viewer/HelpViewerWindow.h"

#include <QApplication>

#include <csignal>

#include <unistd.h>

int main(int argc, char* argv[]) {
    setProgramLogName("keyvigil.helpviewer");
    const ProgramDescription program{
        "Help Viewer", "",
        "Shows the pages of Keyvigil's help book that the settings window asks for."};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    QApplication app(argc, argv);
    // Keyvigil's icon and desktop entry: the viewer is part of the settings window's help.
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setDesktopFileName(QString(kApplicationIdentifier));
    Translations::install(BundleLayout::translations(
        BundleLayout::paneBundleAround(QCoreApplication::applicationDirPath())));
    QApplication::setApplicationDisplayName(
        QCoreApplication::translate("HelpViewerWindow", "Keyvigil Help"));

    const std::optional<ProcessSerialNumber> self = ProcProcessManager::serialNumberOf(getpid());
    if (!self || !HelpHandoffStore::recordViewer(*self))
        qCWarning(programLog, "could not record this viewer in the hand-off store; the settings "
                              "window will start another one for its next request");

    HelpViewerWindow window;
    SignalPipe events;
    // 'rapp' from the settings window: a new request is waiting in the store.
    events.handle(SIGHUP, [&window] { window.show(HelpHandoffStore::read()); });
    // 'quit'
    events.handle(SIGTERM, [] { QApplication::quit(); });
    window.show(HelpHandoffStore::read());

    const int status = app.exec();
    if (self)
        HelpHandoffStore::clearViewer(*self);
    return status;
}
