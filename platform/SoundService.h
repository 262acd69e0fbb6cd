#pragma once

#include <QString>

// A named sound. One object per name: playing one that is already playing starts nothing new.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void setVolume(float volume) = 0;
    virtual void setLoops(bool loops) = 0;
    virtual bool play() = 0;
    virtual bool stop() = 0;
    virtual bool isPlaying() const = 0;
};

class SoundService {
public:
    virtual ~SoundService() = default;
    // The shared sound of that name, or null when no sound has it. The service owns it.
    virtual Sound* soundNamed(const QString& name) = 0;
    // The system alert.
    virtual void beep() = 0;
};
