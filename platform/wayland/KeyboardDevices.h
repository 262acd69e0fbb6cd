#pragma once

#include "platform/wayland/EvdevDecoder.h"
#include "platform/wayland/LockState.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

// The keyboards among the input devices (/dev/input/event*), read directly: on Wayland the
// only way to see keys typed into other programs' windows. Reading them needs the access the
// user grants (the input group, or a udev rule that gives keyboards to the seat's user).
// Devices that are not keyboards are never opened; keyboards plugged in later are opened then.
// Nothing read is kept beyond handing each key over.
class KeyboardDevices {
public:
    struct Handlers {
        std::function<void(unsigned keycode, bool down)> key;
        // The lock lights of the keyboard that last changed or was opened.
        std::function<void(const LockState&)> leds;
    };

    explicit KeyboardDevices(Handlers handlers);
    ~KeyboardDevices();
    KeyboardDevices(const KeyboardDevices&) = delete;
    KeyboardDevices& operator=(const KeyboardDevices&) = delete;

    bool hasUdev() const { return udev_ != nullptr; }
    int keyboardsFound() const { return int(found_.size()); }
    int keyboardsOpen() const { return int(devices_.size()); }
    // Why the keyboards found could not be opened ("Permission denied"); empty when they were.
    const QString& openProblem() const { return openProblem_; }
    // Reads every open keyboard's lights again, after a resume for instance.
    void rereadLeds();

private:
    struct Device;

    void addDevice(udev_device* device);
    void removeDevice(const char* node);
    void readDevice(Device& device);
    void readLeds(Device& device);
    void monitorEvent();

    Handlers handlers_;
    udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    std::unique_ptr<QSocketNotifier> monitorNotifier_;
    std::vector<std::unique_ptr<Device>> devices_;
    QSet<QByteArray> found_;
    QString openProblem_;
    // Carries work out of a device's own notifier, which must not be deleted while it signals.
    QObject context_;
};
