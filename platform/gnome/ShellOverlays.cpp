#include "platform/gnome/ShellOverlays.h"

#include "platform/gnome/ShellCompanion.h"

#include <algorithm>
#include <cmath>

namespace {

QString placementName(OverlayPlacement placement) {
    switch (placement) {
    case OverlayPlacement::TopLeft:
        return QStringLiteral("top-left");
    case OverlayPlacement::TopEdge:
        return QStringLiteral("top-edge");
    case OverlayPlacement::Centre:
        break;
    }
    return QStringLiteral("centre");
}

} // namespace

// One picture the companion shows under its own id.
class ShellOverlays::Window final : public OverlayWindow {
public:
    Window(ShellOverlays& owner, const OverlayPicture& picture, OverlayPlacement placement)
        : owner_(&owner), picture_(picture), placement_(placement),
          id_(QStringLiteral("overlay-%1").arg(++owner.made_)) {
        owner.windows_.push_back(this);
    }
    ~Window() override {
        if (!owner_)
            return;
        if (visible_)
            owner_->companion_.hide(id_);
        std::erase(owner_->windows_, this);
    }

    void show(QPoint topLeft) override {
        topLeft_ = topLeft;
        visible_ = true;
        // The monitor is asked at each showing: the user may have moved to another.
        if (owner_)
            scale_ = owner_->companion_.monitor().scale;
        send();
    }
    void hide() override {
        if (visible_ && owner_)
            owner_->companion_.hide(id_);
        visible_ = false;
    }
    bool isVisible() const override { return visible_; }
    void repaint() override {
        if (visible_)
            send();
    }

    void send() {
        const QSize size = picture_.size();
        if (size.isEmpty() || !owner_)
            return;
        PixelImage image(int(std::lround(size.width() * scale_)),
                         int(std::lround(size.height() * scale_)));
        picture_.draw(image, scale_);
        if (picture_.opacity() < 1.0)
            image.fade(picture_.opacity());
        owner_->companion_.show(id_, placementName(placement_), topLeft_, size, image);
    }

    ShellOverlays* owner_;
    const OverlayPicture& picture_;
    const OverlayPlacement placement_;
    const QString id_;
    QPoint topLeft_;
    double scale_ = 1;
    bool visible_ = false;
};

ShellOverlays::ShellOverlays(ShellCompanion& companion) : companion_(companion) {}

ShellOverlays::~ShellOverlays() {
    for (Window* window : windows_) {
        if (window->visible_)
            companion_.hide(window->id_);
        window->owner_ = nullptr;
    }
}

std::unique_ptr<OverlayWindow> ShellOverlays::makeOverlay(const OverlayPicture& picture,
                                                          OverlayPlacement placement, bool) {
    // The companion's pictures never take a click.
    return std::make_unique<Window>(*this, picture, placement);
}

QRect ShellOverlays::screenGeometry() {
    const QRect area = companion_.monitor().area;
    return area.isValid() ? QRect(QPoint(), area.size()) : QRect();
}

void ShellOverlays::showAgain() {
    for (Window* window : windows_)
        if (window->visible_)
            window->show(window->topLeft_);
}
