#pragma once

#include "platform/ProcessInfo.h"

#include <optional>

// The front process, as a test sets it. Asking records nothing:
// it happens on every key.
class FakeProcessInfo : public ProcessInfo {
public:
    const QString* frontProcessName() const override { return front ? &*front : nullptr; }

    std::optional<QString> front;
};
