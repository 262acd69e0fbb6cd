#include "pane/plugin/KeyvigilPrefView.h"

#include "pane/Controls.h"
#include "pane/plugin/PageScrollArea.h"

#include "ui_KeyvigilPref.h"

#include <QPainter>
#include <QToolButton>

namespace {

// A question mark in a ring, in the palette's text colour, so that it reads on light and dark.
QIcon helpIcon(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    const int side = 18;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = widget.palette().color(QPalette::ButtonText);
    painter.setPen(QPen(ink, 1.4));
    painter.drawEllipse(QRectF(1.5, 1.5, side - 3, side - 3));
    QFont font = widget.font();
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

} // namespace

KeyvigilPrefView::KeyvigilPrefView(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::KeyvigilPrefView>()) {
    ui_->setupUi(this);
    // Each page shows the tab's own background, which its scroll area would cover.
    for (PageScrollArea* page : findChildren<PageScrollArea*>())
        page->widget()->setAutoFillBackground(false);
    // The help buttons keep their topic's anchor as their title and show the help icon.
    const QIcon help = helpIcon(*this);
    for (const Control& control : Controls::all())
        if (control.action == Action::Help)
            if (auto* button = findChild<QToolButton*>(QString(control.name)))
                button->setIcon(help);
}

KeyvigilPrefView::~KeyvigilPrefView() = default;
