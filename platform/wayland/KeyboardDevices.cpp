#include "platform/wayland/KeyboardDevices.h"

#include <QFile>
#include <QSocketNotifier>

#include <libudev.h>
#include <linux/input.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool isKeyboard(udev_device* device) {
    const char* sysname = udev_device_get_sysname(device);
    const char* keyboard = udev_device_get_property_value(device, "ID_INPUT_KEYBOARD");
    return sysname && std::strncmp(sysname, "event", 5) == 0 && keyboard &&
           std::strcmp(keyboard, "1") == 0 && udev_device_get_devnode(device);
}

// A light of the input device that holds the event node, from its LED class device.
bool sysfsLight(const QString& inputDevice, const QString& inputName, const char* light) {
    QFile file(inputDevice + u'/' + inputName + QLatin1String("::") + QLatin1String(light) +
               QLatin1String("/brightness"));
    return file.open(QIODevice::ReadOnly) && file.readLine().trimmed().toInt() > 0;
}

} // namespace

struct KeyboardDevices::Device {
    QByteArray node;
    QString inputDevice; // the sysfs path of the input device that holds the node
    QString inputName;
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<EvdevDecoder> decoder;

    ~Device() {
        notifier.reset();
        if (fd >= 0)
            close(fd);
    }
};

KeyboardDevices::KeyboardDevices(Handlers handlers) : handlers_(std::move(handlers)) {
    udev_ = udev_new();
    if (!udev_)
        return;
    // Watched before the first look, so that no keyboard plugged in between is missed.
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (monitor_) {
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "input", nullptr);
        if (udev_monitor_enable_receiving(monitor_) == 0) {
            monitorNotifier_ = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_),
                                                                 QSocketNotifier::Read);
            QObject::connect(monitorNotifier_.get(), &QSocketNotifier::activated,
                             monitorNotifier_.get(), [this] { monitorEvent(); });
        }
    }
    udev_enumerate* enumerate = udev_enumerate_new(udev_);
    udev_enumerate_add_match_subsystem(enumerate, "input");
    udev_enumerate_add_match_property(enumerate, "ID_INPUT_KEYBOARD", "1");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
        udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
        if (device) {
            addDevice(device);
            udev_device_unref(device);
        }
    }
    udev_enumerate_unref(enumerate);
}

KeyboardDevices::~KeyboardDevices() {
    devices_.clear();
    monitorNotifier_.reset();
    if (monitor_)
        udev_monitor_unref(monitor_);
    if (udev_)
        udev_unref(udev_);
}

void KeyboardDevices::addDevice(udev_device* device) {
    if (!isKeyboard(device))
        return;
    const QByteArray node = udev_device_get_devnode(device);
    for (const auto& open : devices_) {
        if (open->node == node)
            return;
    }
    found_.insert(node);
    const int fd = open(node.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        openProblem_ = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    auto added = std::make_unique<Device>();
    added->node = node;
    added->fd = fd;
    if (udev_device* input =
            udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr)) {
        added->inputDevice = QString::fromLocal8Bit(udev_device_get_syspath(input));
        added->inputName = QString::fromLocal8Bit(udev_device_get_sysname(input));
    }
    Device& opened = *added;
    added->decoder = std::make_unique<EvdevDecoder>(EvdevDecoder::Handlers{
        handlers_.key, handlers_.leds, [this, &opened] { readLeds(opened); }});
    added->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(added->notifier.get(), &QSocketNotifier::activated, added->notifier.get(),
                     [this, &opened] { readDevice(opened); });
    devices_.push_back(std::move(added));
    openProblem_.clear();
    readLeds(opened);
}

void KeyboardDevices::removeDevice(const char* node) {
    found_.remove(node);
    std::erase_if(devices_, [node](const auto& device) { return device->node == node; });
}

void KeyboardDevices::readDevice(Device& device) {
    input_event events[64];
    for (;;) {
        const ssize_t length = read(device.fd, events, sizeof events);
        if (length > 0) {
            device.decoder->decode(events, std::size_t(length) / sizeof(input_event));
            if (std::size_t(length) < sizeof events)
                return;
            continue;
        }
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0 && errno == EAGAIN)
            return;
        // Unplugged, or access taken back: the monitor's remove event may come later or never.
        device.notifier->setEnabled(false);
        QMetaObject::invokeMethod(
            &context_, [this, node = device.node] { removeDevice(node.constData()); },
            Qt::QueuedConnection);
        return;
    }
}

void KeyboardDevices::readLeds(Device& device) {
    unsigned char bits[(LED_MAX + 7) / 8] = {};
    LockState leds;
    if (ioctl(device.fd, EVIOCGLED(sizeof bits), bits) >= 0) {
        leds.capsLock = bits[LED_CAPSL / 8] & (1u << (LED_CAPSL % 8));
        leds.numLock = bits[LED_NUML / 8] & (1u << (LED_NUML % 8));
    } else if (!device.inputDevice.isEmpty()) {
        leds.capsLock = sysfsLight(device.inputDevice, device.inputName, "capslock");
        leds.numLock = sysfsLight(device.inputDevice, device.inputName, "numlock");
    }
    device.decoder->setLeds(leds);
    // Said even when unchanged: whoever asked for the state gets it.
    if (handlers_.leds)
        handlers_.leds(leds);
}

void KeyboardDevices::rereadLeds() {
    for (const auto& device : devices_)
        readLeds(*device);
}

void KeyboardDevices::monitorEvent() {
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device)
        return;
    const char* action = udev_device_get_action(device);
    if (action && std::strcmp(action, "remove") == 0) {
        if (const char* node = udev_device_get_devnode(device))
            removeDevice(node);
    } else if (action && (std::strcmp(action, "add") == 0 || std::strcmp(action, "change") == 0)) {
        // A change may be access given to a keyboard that could not be opened before, or taken
        // back from one that is open: an open handle outlives its permission, so it is closed
        // here rather than read on.
        const char* node = udev_device_get_devnode(device);
        const bool isOpen = node && std::any_of(devices_.begin(), devices_.end(),
                                                [node](const auto& d) { return d->node == node; });
        if (isOpen && access(node, R_OK) != 0)
            removeDevice(node);
        else
            addDevice(device);
    }
    udev_device_unref(device);
}
