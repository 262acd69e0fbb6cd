#include "helper/indicators/KVObject.h"

#include "platform/OverlayWindows.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

KVObject::KVObject(PrefsSource prefs, Launcher launcher)
    : prefs_(std::move(prefs)), launcher_(std::move(launcher)) {
    pauseTimer_.setSingleShot(true);
    // Woken once, at the end: the pause costs nothing while it lasts.
    pauseTimer_.setTimerType(Qt::VeryCoarseTimer);
    connect(&pauseTimer_, &QTimer::timeout, this, &KVObject::resumeWarnings);
}

void KVObject::pauseWarnings(std::chrono::milliseconds length) {
    pausedUntil_ = QDateTime::currentDateTime().addMSecs(length.count());
    pauseTimer_.start(length);
    if (pauseHandler)
        pauseHandler(true);
    emit warningsPauseChanged();
}

void KVObject::resumeWarnings() {
    if (!pausedUntil_.isValid())
        return;
    pauseTimer_.stop();
    pausedUntil_ = {};
    if (pauseHandler)
        pauseHandler(false);
    emit warningsPauseChanged();
}

void KVObject::setUpperLHWindowAndOrigin(OverlayWindow* window, QPoint origin) {
    upperLHOrigin = origin;
    if (window)
        window->setMovedHandler(
            [this, window](QPoint topLeft) { windowDidMove(*window, topLeft); });
}

void KVObject::windowDidMove(OverlayWindow& window, QPoint topLeft) {
    // Put back where it belongs; being there already, it is left alone, so this settles at once.
    if (topLeft != upperLHOrigin)
        window.show(upperLHOrigin);
}

void KVObject::openPrefPane() {
    const RVPrefs* prefs = prefs_ ? prefs_() : nullptr;
    if (!prefs)
        return;
    const PlistValue* path = prefs->find(SettingsKeys::PrefPanePath);
    if (!path || !path->isString() || path->toString().isEmpty())
        return;
    // One argument, no shell: quotes, spaces and the like in the path reach the host intact.
    const QString panePath = path->toString();
    launcher_(preferencesHostFor(panePath), {panePath});
}

QString KVObject::preferencesHostFor(const QString& panePath) {
    const QFileInfo beside(QFileInfo(panePath).absolutePath() + '/' + preferencesHostName);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    const QString onPath = QStandardPaths::findExecutable(preferencesHostName);
    return onPath.isEmpty() ? QString(preferencesHostName) : onPath;
}

void KVObject::startDetached(const QString& program, const QStringList& arguments) {
    // The host keeps running as an application of its own, so nothing waits for it; a failed
    // start is ignored like any failed platform call.
    QProcess::startDetached(program, arguments);
}
