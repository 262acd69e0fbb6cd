#include "tools/keyvigil-preferences/PreferencesWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const QString kGeometryKey = QStringLiteral("window/geometry");
} // namespace

PreferencesWindow::PreferencesWindow(QWidget* paneView, std::function<void()> willUnselect)
    : paneView_(paneView), willUnselect_(std::move(willUnselect)) {
    setWindowTitle(QStringLiteral("Keyvigil"));
    setObjectName(QStringLiteral("preferencesWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(paneView);

    // Ctrl+Q also where the desktop's key scheme has no Quit.
    auto* quit = new QAction(tr("Quit"), this);
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (!quitKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Q)))
        quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcuts(quitKeys);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
    auto* closeWindow = new QAction(tr("Close"), this);
    closeWindow->setShortcuts(QKeySequence::Close);
    connect(closeWindow, &QAction::triggered, this, &QWidget::close);
    addAction(closeWindow);

    restored_ = restoreGeometry(QSettings().value(kGeometryKey).toByteArray());
}

void PreferencesWindow::raiseToFront() {
    showNormal();
    raise();
    activateWindow();
}

void PreferencesWindow::releasePaneView() {
    if (paneView_)
        paneView_->setParent(nullptr);
    paneView_ = nullptr;
}

void PreferencesWindow::closeEvent(QCloseEvent* event) {
    if (!left_) {
        left_ = true;
        QSettings().setValue(kGeometryKey, saveGeometry());
        willUnselect_();
    }
    event->accept();
}

void PreferencesWindow::keyPressEvent(QKeyEvent* event) {
    // Escape comes this far only when no control took it: an open pop-up or a word being typed
    // closes first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PreferencesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Sized once its controls have their style and the pane's texts, as it first shows. The
    // pages not shown yet keep what their layouts worked out before: every control is asked
    // again.
    if (!restored_ && !sized_) {
        for (QWidget* control : findChildren<QWidget*>())
            control->updateGeometry();
        for (QLayout* layout : findChildren<QLayout*>())
            layout->invalidate();
        resize(sizeHint());
    }
    sized_ = true;
    fitIntoScreen();
}

void PreferencesWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window manager's frame is known once it has framed the window.
    if (isVisible())
        fitIntoScreen();
}

void PreferencesWindow::fitIntoScreen() {
    const QScreen* place = screen();
    if (!place || isMaximized() || isFullScreen())
        return;
    const QRect available = place->availableGeometry();
    const QRect frame = frameGeometry();
    const QSize frameExtra = frame.size() - size();
    const QSize fitting =
        size().boundedTo(available.size() - frameExtra).expandedTo(minimumSizeHint());
    if (fitting != size())
        resize(fitting);
    const QSize outer = fitting + frameExtra;
    const QPoint topLeft(
        std::clamp(frame.left(), available.left(),
                   std::max(available.left(), available.right() + 1 - outer.width())),
        std::clamp(frame.top(), available.top(),
                   std::max(available.top(), available.bottom() + 1 - outer.height())));
    if (topLeft != frame.topLeft())
        move(topLeft);
}
