#pragma once

#include "platform/OverlayWindows.h"

#include <QObject>
#include <QString>

#include <map>

class QWidget;
class ShellCompanion;

// Indicator windows drawn by the GNOME Shell companion: GNOME offers no way for another program
// to put a window above the others without taking the keyboard. The toolkit keeps the windows
// off screen; each time one is shown, moved or repainted it is drawn at the scale of the monitor
// the user works on and sent to the companion, which shows it there, click-through and above
// everything; hidden, the companion takes it away.
class ShellOverlays final : public QObject, public OverlayWindows {
public:
    explicit ShellOverlays(ShellCompanion& companion);
    ~ShellOverlays() override;

    void makeOverlay(QWidget& window, OverlayPlacement placement, bool clickThrough) override;
    // Shows again what is on screen, after the Shell (and so the companion) restarted.
    void showAgain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Overlay {
        QString id;
        OverlayPlacement placement = OverlayPlacement::Centre;
        double scale = 0; // asked at each showing
    };

    void send(QWidget& window, Overlay& overlay);

    ShellCompanion& companion_;
    std::map<QWidget*, Overlay> overlays_;
    int made_ = 0;
};
