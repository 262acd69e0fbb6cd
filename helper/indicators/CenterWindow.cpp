#include "helper/indicators/CenterWindow.h"

#include <QPainter>

CenterWindow::CenterWindow(const QString& imagePath, const QSize& size, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), image_(imagePath) {
    setFixedSize(size);
}

void CenterWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (image_.isValid())
        image_.render(&painter, QRectF(rect()));
}
