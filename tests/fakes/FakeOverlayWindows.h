#pragma once

#include "platform/OverlayWindows.h"

#include <stdexcept>
#include <vector>

// Indicator windows that draw their picture into memory at each showing and repaint, at the
// scale the test sets; the screen the user works on is whatever the test sets, and each question
// is counted.
class FakeOverlayWindows final : public OverlayWindows {
public:
    class Window final : public OverlayWindow {
    public:
        Window(FakeOverlayWindows& owner, const OverlayPicture& picture, OverlayPlacement placement,
               bool clickThrough)
            : picture(picture), placement(placement), clickThrough(clickThrough), owner_(owner) {
            owner_.windows.push_back(this);
        }
        ~Window() override { std::erase(owner_.windows, this); }

        void show(QPoint at) override {
            topLeft = at;
            visible = true;
            draw();
        }
        void hide() override { visible = false; }
        bool isVisible() const override { return visible; }
        void repaint() override {
            ++repaints;
            if (visible)
                draw();
        }
        void setMovedHandler(std::function<void(QPoint)> handler) override {
            moved = std::move(handler);
        }
        // What the window manager does: moves the window and says so.
        void moveBySomeoneElse(QPoint at) {
            topLeft = at;
            if (moved)
                moved(at);
        }

        const OverlayPicture& picture;
        const OverlayPlacement placement;
        const bool clickThrough;
        QPoint topLeft;
        bool visible = false;
        int repaints = 0;
        PixelImage drawn;
        std::function<void(QPoint)> moved;

    private:
        void draw() {
            const QSize size = picture.size();
            drawn = PixelImage(int(size.width() * owner_.scale + 0.5),
                               int(size.height() * owner_.scale + 0.5));
            const std::uint32_t* buffer = drawn.bits();
            picture.draw(drawn, owner_.scale);
            // A display server's image points into the buffer: a picture must draw into it.
            if (drawn.bits() != buffer || drawn.size() != size * owner_.scale)
                throw std::logic_error("the picture replaced the image it was to draw into");
        }

        FakeOverlayWindows& owner_;
    };

    std::unique_ptr<OverlayWindow> makeOverlay(const OverlayPicture& picture,
                                               OverlayPlacement placement,
                                               bool clickThrough) override {
        return std::make_unique<Window>(*this, picture, placement, clickThrough);
    }
    QRect screenGeometry() override { return screen; }
    QRect availableScreenGeometry() override { return available.isEmpty() ? screen : available; }
    QRect workingScreenGeometry() override {
        ++workingScreenAsked;
        return workingScreen;
    }
    PixelImage grabTopEdge(int height) override {
        ++grabs;
        return topEdge.isNull() ? PixelImage() : topEdge.scaled(topEdge.width(), height);
    }

    std::vector<Window*> windows; // alive, in the order they were made
    double scale = 1.0;
    QRect screen{0, 0, 1440, 900};
    QRect available;     // empty: the whole screen
    QRect workingScreen; // what the display server says; empty: it does not say
    PixelImage topEdge;  // what the screen shows along its top; null: it does not say
    int workingScreenAsked = 0;
    int grabs = 0;
};
