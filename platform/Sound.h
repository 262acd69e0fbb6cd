#pragma once

// A named sound. One object per name: playing one that is already playing starts nothing new.
// Kept free of Qt: the sound player program links none of it.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void setVolume(float volume) = 0;
    virtual void setLoops(bool loops) = 0;
    virtual bool play() = 0;
    virtual bool stop() = 0;
    virtual bool isPlaying() const = 0;
};
