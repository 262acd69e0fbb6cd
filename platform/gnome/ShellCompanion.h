#pragma once

#include "platform/wayland/LockState.h"
#include "shared/PixelImage.h"

#include <QByteArray>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

class QDBusServiceWatcher;

// The GNOME Shell companion (the extension keyvigil@keyvigil.org) on the session bus: on GNOME
// only the Shell sees Caps Lock, Num Lock and the focused window, and only it may put a window
// above the others without taking the keyboard. Follows the companion through a restart of the
// Shell: its state is asked again when it is back.
class ShellCompanion final : public QObject {
    Q_OBJECT
public:
    static const QString kService;

    // The monitor the user works on: its free area in the Shell's coordinates, and its scale (the
    // pixels a picture needs per point).
    struct Monitor {
        QRect area;
        double scale = 1;
    };

    ShellCompanion();
    ~ShellCompanion() override;

    // Whether the companion answers on the session bus now.
    static bool answers();

    // Says hello with our interface version; the companion's, or 0 when it does not answer.
    unsigned hello();
    const LockState& locks() const { return locks_; }
    // The focused window's process; 0 when none.
    int frontPid() const { return frontPid_; }
    Monitor monitor();

    void setLocksHandler(std::function<void(const LockState&)> handler);
    void setFrontHandler(std::function<void(int pid)> handler);
    // Called when the companion goes away (false) and comes back (true).
    void setPresenceHandler(std::function<void(bool present)> handler);

    // A picture (at the monitor's scale) of `size` points, placed as
    // "centre", "top-left" (at `topLeft` on the user's monitor) or "top-edge".
    void show(const QString& id, const QString& placement, const QPoint& topLeft, const QSize& size,
              const PixelImage& picture);
    void hide(const QString& id);

private slots:
    void LocksChanged(bool caps, bool num);
    void FrontChanged(int pid, const QString& wmClass);

private:
    void fetchState();

    QDBusServiceWatcher* watcher_ = nullptr;
    LockState locks_;
    int frontPid_ = 0;
    std::function<void(const LockState&)> locksHandler_;
    std::function<void(int)> frontHandler_;
    std::function<void(bool)> presenceHandler_;
};
