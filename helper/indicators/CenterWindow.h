#pragma once

#include <QSvgRenderer>
#include <QWidget>

// A top-level window whose whole content is one image, scaled to fill it. The image is drawn
// from its vector source at paint time, so it is sharp at any device pixel ratio.
class CenterWindow : public QWidget {
    Q_OBJECT

public:
    CenterWindow(const QString& imagePath, const QSize& size, Qt::WindowFlags flags);

    const QSvgRenderer& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer image_;
};
