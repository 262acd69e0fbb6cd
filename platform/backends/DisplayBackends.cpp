#include "platform/backends/DisplayBackends.h"

#include "shared/ProgramLog.h"

#ifdef KEYVIGIL_HAVE_X11
#include "platform/x11/X11Backend.h"
#include "platform/x11/X11Bell.h"
#endif

#include <vector>

namespace DisplayBackends {

std::span<const BackendEntry> table() {
    static const std::vector<BackendEntry> entries = [] {
        std::vector<BackendEntry> list;
#ifdef KEYVIGIL_HAVE_X11
        list.push_back({QStringLiteral("X11"), BackendEntry::Server::X11, "xcb",
                        [](const DisplaySession&) { return X11Backend::displayProblem(); },
                        [] { return std::unique_ptr<DisplayBackend>(new X11Backend); }});
#endif
        return list;
    }();
    return entries;
}

const BackendEntry* chooseForSession(BackendUse use) {
    const BackendChoice choice = chooseBackend(DisplaySession::fromEnvironment(), table(), use);
    for (const QString& line : choice.lines) {
        if (choice.entry)
            qCInfo(programLog).noquote() << line;
        else
            qCCritical(programLog).noquote() << line;
    }
    if (choice.entry && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", choice.entry->qpaPlatform);
    return choice.entry;
}

std::unique_ptr<AlertSound> toolkitAlertSound() {
#ifdef KEYVIGIL_HAVE_X11
    if (Display* display = X11Bell::toolkitDisplay())
        return std::make_unique<X11Bell>(display);
#endif
    return nullptr;
}

} // namespace DisplayBackends
