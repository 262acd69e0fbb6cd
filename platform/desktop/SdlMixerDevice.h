#pragma once

#include "platform/desktop/SdlMixerOutput.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

// The mixer output in a Qt program: channel ends reach the main thread through the event loop,
// and the output closes after a quiet spell, so that an idle program keeps no audio stream (and
// no audio thread) running.
class SdlMixerDevice {
public:
    explicit SdlMixerDevice(std::chrono::milliseconds idleClose);
    ~SdlMixerDevice();
    SdlMixerDevice(const SdlMixerDevice&) = delete;
    SdlMixerDevice& operator=(const SdlMixerDevice&) = delete;

    SdlMixerOutput& output() { return output_; }
    bool isOpen() const { return output_.isOpen(); }

    // Called on the main thread after any channel has finished.
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

private:
    void channelsChanged();

    QObject context_;
    QTimer idleTimer_;
    std::function<void()> finished_;
    SdlMixerOutput output_;
};
