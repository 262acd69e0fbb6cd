#include "tools/help-viewer/HelpViewerWindow.h"

#include "shared/Translations.h"

#include "ui_HelpViewerWindow.h"

#include <QShortcut>
#include <QStyle>

namespace {

QIcon themed(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    return QIcon::fromTheme(QLatin1StringView(name), style->standardIcon(fallback));
}

} // namespace

HelpViewerWindow::HelpViewerWindow(QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::HelpViewerWindow>()) {
    ui_->setupUi(this);
    BookBrowser* page = ui_->pageView;
    const QStyle* look = style();
    ui_->actionBack->setIcon(themed("go-previous", QStyle::SP_ArrowBack, look));
    ui_->actionForward->setIcon(themed("go-next", QStyle::SP_ArrowForward, look));
    ui_->actionHome->setIcon(themed("go-home", QStyle::SP_DirHomeIcon, look));
    ui_->actionBack->setShortcuts(QKeySequence::Back);
    ui_->actionForward->setShortcuts(QKeySequence::Forward);
    ui_->actionHome->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    ui_->actionFind->setShortcuts(QKeySequence::Find);
    ui_->actionZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ui_->actionZoomOut->setShortcuts(QKeySequence::ZoomOut);
    ui_->actionZoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui_->actionBack->setEnabled(false);
    ui_->actionForward->setEnabled(false);

    connect(ui_->actionBack, &QAction::triggered, page, &QTextBrowser::backward);
    connect(ui_->actionForward, &QAction::triggered, page, &QTextBrowser::forward);
    connect(page, &QTextBrowser::backwardAvailable, ui_->actionBack, &QAction::setEnabled);
    connect(page, &QTextBrowser::forwardAvailable, ui_->actionForward, &QAction::setEnabled);
    connect(ui_->actionHome, &QAction::triggered, this,
            [page] { page->showPage(QStringLiteral("index.html"), std::nullopt); });
    connect(page, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::updateTitle);
    connect(ui_->actionZoomIn, &QAction::triggered, this, [this] { zoomBy(1); });
    connect(ui_->actionZoomOut, &QAction::triggered, this, [this] { zoomBy(-1); });
    connect(ui_->actionZoomReset, &QAction::triggered, this, [this] { zoomBy(-zoom_); });

    ui_->findBar->hide();
    connect(ui_->actionFind, &QAction::triggered, this, [this] {
        ui_->findBar->show();
        ui_->findField->setFocus();
        ui_->findField->selectAll();
    });
    connect(ui_->findField, &QLineEdit::returnPressed, this, [this] { find(false); });
    connect(ui_->findField, &QLineEdit::textEdited, this, [this] {
        // Searching as one types starts again from the top of the page.
        QTextCursor top = ui_->pageView->textCursor();
        top.movePosition(QTextCursor::Start);
        ui_->pageView->setTextCursor(top);
        find(false);
    });
    connect(ui_->findNextButton, &QToolButton::clicked, this, [this] { find(false); });
    connect(ui_->findPreviousButton, &QToolButton::clicked, this, [this] { find(true); });
    new QShortcut(QKeySequence::FindNext, this, [this] { find(false); });
    new QShortcut(QKeySequence::FindPrevious, this, [this] { find(true); });
    const auto closeFind = [this] {
        ui_->findBar->hide();
        ui_->pageView->setFocus();
    };
    connect(ui_->closeFindButton, &QToolButton::clicked, this, closeFind);
    // Escape closes the find bar first, then the window; Ctrl+W and Ctrl+Q close the window.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, [this, closeFind] {
        if (ui_->findBar->isVisible())
            closeFind();
        else
            close();
    });
    // Ctrl+Q too where the desktop's key scheme has no Quit (Ctrl+W is always a Close).
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    quitKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (const QKeySequence& key : quitKeys)
        if (!closeKeys.contains(key))
            closeKeys.append(key);
    auto* closeWindow = new QShortcut(this);
    closeWindow->setKeys(closeKeys);
    connect(closeWindow, &QShortcut::activated, this, &QWidget::close);
}

HelpViewerWindow::~HelpViewerWindow() = default;

void HelpViewerWindow::show(const HelpRequest& request) {
    ui_->pageView->setBookFolder(request.bookFolder, Translations::languageFolders());
    bookName_ = ui_->pageView->bookTitle();
    ui_->pageView->showPage(request.page, request.anchor);
    updateTitle();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    QMainWindow::show();
    raise();
    activateWindow();
}

void HelpViewerWindow::updateTitle() {
    const QString page = ui_->pageView->documentTitle();
    const QString book = bookName_.isEmpty() ? tr("Help") : bookName_;
    setWindowTitle(page.isEmpty() || page == book ? book : page + QStringLiteral(" — ") + book);
}

void HelpViewerWindow::find(bool backwards) {
    const QString text = ui_->findField->text();
    if (text.isEmpty()) {
        ui_->findStatus->clear();
        return;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    BookBrowser* page = ui_->pageView;
    bool found = page->find(text, flags);
    if (!found) { // round the end of the page once
        QTextCursor wrap = page->textCursor();
        wrap.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        page->setTextCursor(wrap);
        found = page->find(text, flags);
    }
    ui_->findStatus->setText(found ? QString() : tr("Not found"));
}

void HelpViewerWindow::zoomBy(int steps) {
    // Kept within reason, so that the normal size is always a few presses away.
    steps = std::clamp(zoom_ + steps, -4, 8) - zoom_;
    if (steps > 0)
        ui_->pageView->zoomIn(steps);
    else if (steps < 0)
        ui_->pageView->zoomOut(-steps);
    zoom_ += steps;
}
