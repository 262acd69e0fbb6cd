#pragma once

#include <QScrollArea>

// A tab page in a scroll area of its own: it asks for the page's whole size, so that where the
// screen has room the window shows every page without scrolling, and where it has not the page
// scrolls, keeping the window within the screen. It draws no frame or background of its own.
class PageScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit PageScrollArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
};
