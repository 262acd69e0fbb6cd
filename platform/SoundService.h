#pragma once

#include "platform/Sound.h"

#include <QString>

class SoundService {
public:
    virtual ~SoundService() = default;
    // The shared sound of that name, or null when no sound has it. The service owns it.
    virtual Sound* soundNamed(const QString& name) = 0;
    // The system alert.
    virtual void beep() = 0;
};
