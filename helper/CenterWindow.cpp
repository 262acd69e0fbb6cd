#include "CenterWindow.h"

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

void CenterWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    // Flags, opacity and attributes stay with the widget; the next show makes a native window
    // from them again.
    if (!visible && testAttribute(Qt::WA_WState_Created))
        destroy();
}
