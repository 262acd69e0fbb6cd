#include "pane/plugin/KeyvigilPrefView.h"

#include "ui_KeyvigilPref.h"

KeyvigilPrefView::KeyvigilPrefView(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::KeyvigilPrefView>()) {
    ui_->setupUi(this);
}

KeyvigilPrefView::~KeyvigilPrefView() = default;
