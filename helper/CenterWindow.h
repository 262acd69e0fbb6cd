#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A top-level window whose whole content is one image, scaled to fill it. The image is drawn
// from its vector source at paint time, so it is sharp at any device pixel ratio. Hidden, the
// window keeps no native window and no backing store: it is shown only while a lock key is on,
// and its backing store alone is a megabyte.
class CenterWindow : public QWidget {
public:
    CenterWindow(const QString& imagePath, const QSize& size, Qt::WindowFlags flags);

    const QSvgRenderer& image() const { return image_; }

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer image_;
};
