#include "tools/keyvigil-preferences/PreferencesWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QSettings>
#include <QVBoxLayout>

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

    auto* quit = new QAction(tr("Quit"), this);
    quit->setShortcuts(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    if (!restoreGeometry(QSettings().value(kGeometryKey).toByteArray()))
        resize(sizeHint());
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
