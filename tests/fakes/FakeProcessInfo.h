#pragma once

#include "platform/ProcessInfo.h"

#include <optional>

// The front process and the toolkit version, as a test sets them. Asking records nothing:
// it happens on every key.
class FakeProcessInfo : public ProcessInfo {
public:
    const QString* frontProcessName() const override { return front ? &*front : nullptr; }
    double appKitVersionNumber() const override { return appKitVersion; }

    std::optional<QString> front;
    double appKitVersion = 1265.0;
};
