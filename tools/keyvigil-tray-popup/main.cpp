// keyvigil-tray-popup: the XEmbed tray icon's menu and tooltip, which need text the helper does
// not draw. The helper starts it at the pointer and ends it when the popup is no longer wanted;
// it ends by itself when the helper does (its input reaches its end).
//   keyvigil-tray-popup menu X Y ENTRY…   a menu there; prints the chosen entry's index (from 0)
//   keyvigil-tray-popup tooltip X Y TEXT  a tooltip near there, until ended
// X Y are the server's pixels. The texts come translated already; the program has none of its own.
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSocketNotifier>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// The helper's pipe to our input stays open while it lives, whatever way it ends: at the end of
// the input the popup goes, rather than staying on the screen for good.
void endWithTheHelper(QApplication& application) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &application);
    QObject::connect(input, &QSocketNotifier::activated, &application, [input] {
        char buffer[256];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
            input->setEnabled(false);
            QCoreApplication::exit(0); // every loop, a menu's included
        }
    });
}

// Where the popup goes, in the toolkit's points: the pointer, which the helper's pixels name
// unless it has moved far since (or the toolkit's scale is not the screen's own).
QPoint placeFor(QPoint pixels) {
    QPoint at = pixels;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect points = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect native(points.topLeft(), points.size() * ratio);
        if (native.contains(pixels)) {
            at = points.topLeft() + (pixels - points.topLeft()) / ratio;
            break;
        }
    }
    const QPoint pointer = QCursor::pos();
    return (pointer - at).manhattanLength() <= 48 ? pointer : at;
}

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
    endWithTheHelper(application);
    const QStringList arguments = QApplication::arguments();
    bool xNumber = false, yNumber = false;
    const QPoint pixels(arguments.value(2).toInt(&xNumber), arguments.value(3).toInt(&yNumber));
    const QString mode = arguments.value(1);
    if (!xNumber || !yNumber || (mode == QLatin1String("tooltip") && arguments.size() != 5) ||
        (mode != QLatin1String("menu") && mode != QLatin1String("tooltip"))) {
        std::fprintf(stderr, "usage: %s menu X Y ENTRY...\n       %s tooltip X Y TEXT\n", argv[0],
                     argv[0]);
        return 2;
    }
    const QPoint at = placeFor(pixels);
    if (mode == QLatin1String("menu"))
        return showMenu(at, arguments.mid(4));
    return showToolTip(at, arguments.value(4));
}
