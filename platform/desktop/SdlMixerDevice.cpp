#include "platform/desktop/SdlMixerDevice.h"

#include "shared/ProgramLog.h"

SdlMixerDevice::SdlMixerDevice(std::chrono::milliseconds idleClose)
    : output_({
          .channelEnded =
              [this] {
                  QMetaObject::invokeMethod(
                      &context_, [this] { channelsChanged(); }, Qt::QueuedConnection);
              },
          .opened = [this] { idleTimer_.start(); },
          .warn = [](const std::string& line) { qCWarning(programLog, "%s", line.c_str()); },
      }) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleClose);
    QObject::connect(&idleTimer_, &QTimer::timeout, &context_, [this] {
        if (!output_.anyBusy())
            output_.close();
    });
}

SdlMixerDevice::~SdlMixerDevice() {
    // Closed first: the audio thread must be gone before the context it posts to.
    output_.close();
}

void SdlMixerDevice::channelsChanged() {
    if (finished_)
        finished_();
    if (output_.isOpen() && !output_.anyBusy())
        idleTimer_.start();
}
