// keyvigil-tray-popup: the XEmbed tray icon's menu and tooltip, which need text the helper does
// not draw. The helper starts it at the pointer and ends it when the popup is no longer wanted.
//   keyvigil-tray-popup menu X Y ENTRY…   a menu there; prints the chosen entry's index (from 0)
//   keyvigil-tray-popup tooltip X Y TEXT  a tooltip near there, until ended
// The texts come translated already; the program has none of its own.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cstdio>

namespace {

int showMenu(QPoint at, const QStringList& entries) {
    QMenu menu;
    for (const QString& entry : entries)
        menu.addAction(entry);
    QAction* chosen = menu.exec(at);
    if (chosen) {
        std::printf("%d\n", int(menu.actions().indexOf(chosen)));
        std::fflush(stdout);
    }
    return 0;
}

int showToolTip(QPoint at, const QString& text) {
    QLabel tip(text, nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
    tip.setPalette(QToolTip::palette());
    tip.setFont(QToolTip::font());
    tip.setForegroundRole(QPalette::ToolTipText);
    tip.setBackgroundRole(QPalette::ToolTipBase);
    tip.setAutoFillBackground(true);
    tip.setFrameStyle(QFrame::Box | QFrame::Plain);
    tip.setMargin(1 + tip.style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, &tip));
    tip.adjustSize();
    // Below and right of the pointer as a tooltip goes, kept on the pointer's screen (above it
    // when the panel is at the bottom).
    QPoint topLeft = at + QPoint(2, 16);
    if (const QScreen* screen = QGuiApplication::screenAt(at)) {
        const QRect area = screen->geometry();
        if (topLeft.y() + tip.height() > area.bottom())
            topLeft.setY(at.y() - 4 - tip.height());
        topLeft.setX(std::clamp(topLeft.x(), area.left(), area.right() + 1 - tip.width()));
    }
    tip.move(topLeft);
    tip.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    bool xNumber = false, yNumber = false;
    const QPoint at(arguments.value(2).toInt(&xNumber), arguments.value(3).toInt(&yNumber));
    const QString mode = arguments.value(1);
    if (!xNumber || !yNumber || (mode == QLatin1String("tooltip") && arguments.size() != 5) ||
        (mode != QLatin1String("menu") && mode != QLatin1String("tooltip"))) {
        std::fprintf(stderr, "usage: %s menu X Y ENTRY...\n       %s tooltip X Y TEXT\n", argv[0],
                     argv[0]);
        return 2;
    }
    if (mode == QLatin1String("menu"))
        return showMenu(at, arguments.mid(4));
    return showToolTip(at, arguments.value(4));
}
