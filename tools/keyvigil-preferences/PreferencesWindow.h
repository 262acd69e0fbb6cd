#pragma once

#include <QWidget>

#include <functional>

// The window that shows the pane's view, titled "Keyvigil", sized to the view and opening
// where it was last closed, always within the room its screen leaves (the pages scroll when
// they must). Closing it, by the window manager, Quit, Ctrl+W, Escape or a signal, leaves the
// pane once.
class PreferencesWindow : public QWidget {
    Q_OBJECT

public:
    PreferencesWindow(QWidget* paneView, std::function<void()> willUnselect);

    void raiseToFront();
    // Gives the pane's view back to the pane, which owns it.
    void releasePaneView();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitIntoScreen();

    QWidget* paneView_;
    std::function<void()> willUnselect_;
    bool left_ = false;
    bool restored_ = false; // to the size and place it was last closed at
    bool sized_ = false;
};
