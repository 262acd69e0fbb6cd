#pragma once

#include "platform/OverlayWindows.h"
#include "platform/x11/X11CompositorWatch.h"
#include "platform/x11/X11Connection.h"

#include <QObject>
#include <QRect>

#include <map>
#include <optional>
#include <vector>

// Indicator windows the window manager never sees: override-redirect, so that it neither
// decorates, moves, stacks below others nor focuses them, kept above with the stay-on-top hint.
//
// A translucent indicator needs a compositing manager to blend it with what is below. Without
// one it gets a shape instead, the pixels it paints more opaque than not, taken again at each
// showing and repaint, so that it keeps its outline rather than showing as a black box; the
// shape goes when a compositor starts and comes back when it stops.
class X11OverlayWindows final : public QObject, public OverlayWindows {
public:
    // displayName null: $DISPLAY, the toolkit's server.
    explicit X11OverlayWindows(const char* displayName = nullptr);

    void makeOverlay(QWidget& window, OverlayPlacement placement, bool clickThrough) override;
    // The screen holding most of the active window, else the one under the pointer; empty with
    // a single screen, where that is the primary anyway.
    QRect workingScreenGeometry() override;

    bool compositing() const { return compositor_.running(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Shape {
        unsigned long window = 0;         // the native window it was given to
        std::optional<std::vector<QRect>> // none: the plain rectangle
            rectangles;
    };

    void reshape(QWidget& window);

    X11Connection connection_; // for questions and the compositor's selection, not for windows
    X11CompositorWatch compositor_{connection_};
    std::map<QObject*, Shape> windows_;
};
