#include "platform/desktop/DesktopWorkspace.h"

#include "shared/ApplicationBundle.h"
#include "shared/BundleLayout.h"
#include "shared/ProgramLog.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool DesktopWorkspace::launchTask(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopWorkspace::launchApplication(const QString& applicationPath) {
    const auto bundle = ApplicationBundle::bundleWithPath(applicationPath);
    const auto executable =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleExecutable") : std::nullopt;
    if (!executable || executable->isEmpty() || executable->contains(u'/'))
        return false;
    return launchTask(BundleLayout::executable(applicationPath, *executable), {});
}

bool DesktopWorkspace::openURL(const QString& url) {
    // The text is already escaped: it is taken as it stands, and refused if it is no URL.
    const QUrl parsed = QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode);
    return parsed.isValid() && QDesktopServices::openUrl(parsed);
}
