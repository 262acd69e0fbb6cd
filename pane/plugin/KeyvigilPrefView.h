#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class KeyvigilPrefView;
}

// The pane's main view, made from its interface file. It only shows: the plug-in connects its
// controls to the pane's actions.
class KeyvigilPrefView : public QWidget {
    Q_OBJECT

public:
    explicit KeyvigilPrefView(QWidget* parent = nullptr);
    ~KeyvigilPrefView() override;

    Ui::KeyvigilPrefView& ui() { return *ui_; }

private:
    std::unique_ptr<Ui::KeyvigilPrefView> ui_;
};
