#pragma once

#include "tools/help-viewer/HelpRequest.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class HelpViewerWindow;
}

// The help viewer's window: the page view with its history, a find bar and zoom.
class HelpViewerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewerWindow(QWidget* parent = nullptr);
    ~HelpViewerWindow() override;

    // Shows the requested page at its anchor and brings the window to the front.
    void show(const HelpRequest& request);

private:
    void updateTitle();
    void find(bool backwards);
    void zoomBy(int steps);

    std::unique_ptr<Ui::HelpViewerWindow> ui_;
    QString bookName_;
    int zoom_ = 0;
};
