#pragma once

#include <QDateTime>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

class OverlayWindow;
class RVPrefs;

// Keeps the upper-left window where it belongs, and does what the status item's menu offers:
// opens the preferences pane, and pauses the warnings for a while. The helper makes exactly one.
class KVObject : public QObject {
    Q_OBJECT

public:
    // Yields the settings store in use now: the settings load replaces it on every reload.
    using PrefsSource = std::function<const RVPrefs*()>;
    // Starts a program with its arguments, without a shell.
    using Launcher = std::function<void(const QString& program, const QStringList& arguments)>;

    static constexpr auto preferencesHostName = "keyvigil-preferences";

    explicit KVObject(PrefsSource prefs, Launcher launcher = startDetached);

    // Watches `window` (not owned; the watch ends with it) and puts it back at `origin`, in the
    // desktop's top-down points, whenever something moves it.
    void setUpperLHWindowAndOrigin(OverlayWindow* window, QPoint origin);
    void windowDidMove(OverlayWindow& window, QPoint topLeft);
    // Opens the pane whose bundle path the store holds under "PrefPanePath", if any.
    void openPrefPane();

    // The preferences host: beside the pane bundle when it is there, else from PATH.
    static QString preferencesHostFor(const QString& panePath);
    static void startDetached(const QString& program, const QStringList& arguments);

    // Tells `pauseHandler` that warnings stop, and that they start again once `length` has
    // passed or on resumeWarnings(). Pausing again restarts the time.
    void pauseWarnings(std::chrono::milliseconds length);
    void resumeWarnings();
    // Invalid while the warnings run.
    const QDateTime& warningsPausedUntil() const { return pausedUntil_; }
    std::function<void(bool paused)> pauseHandler;

    QPoint upperLHOrigin;

signals:
    void warningsPauseChanged();

private:
    PrefsSource prefs_;
    Launcher launcher_;
    QTimer pauseTimer_;
    QDateTime pausedUntil_;
};
