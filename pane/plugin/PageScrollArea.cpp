#include "pane/plugin/PageScrollArea.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

PageScrollArea::PageScrollArea(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(false);
}

QSize PageScrollArea::sizeHint() const {
    // Unlike QScrollArea's, not bounded to a size of its own choosing; tall enough for the lines
    // its texts wrap into at that width, and never below the least the page takes before it
    // scrolls.
    if (!widget())
        return QScrollArea::sizeHint();
    QSize page = widget()->sizeHint();
    if (widget()->hasHeightForWidth())
        page.setHeight(std::max(page.height(), widget()->heightForWidth(page.width())));
    return page.expandedTo(widget()->minimumSizeHint());
}

QSize PageScrollArea::minimumSizeHint() const {
    // Room for a few lines and the scroll bars.
    const int line = fontMetrics().height();
    return {4 * line + verticalScrollBar()->sizeHint().width(),
            3 * line + horizontalScrollBar()->sizeHint().height()};
}

bool PageScrollArea::event(QEvent* event) {
    // The page's size changed: the tab view asks again for the size this area wants.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::event(event);
}
