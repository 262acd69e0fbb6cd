#pragma once

#include <QWidget>

#include <functional>

// The window that shows the pane's view, titled "Keyvigil", sized to the view and opening
// where it was last closed. Closing it, by the window manager, Quit or a signal, leaves the pane
// once.
class PreferencesWindow : public QWidget {
    Q_OBJECT

public:
    PreferencesWindow(QWidget* paneView, std::function<void()> willUnselect);

    void raiseToFront();
    // Gives the pane's view back to the pane, which owns it.
    void releasePaneView();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* paneView_;
    std::function<void()> willUnselect_;
    bool left_ = false;
};
