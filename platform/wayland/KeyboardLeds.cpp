#include "platform/wayland/KeyboardLeds.h"

#include <QDir>
#include <QFile>

namespace {

bool anyLit(const QStringList& files) {
    for (const QString& path : files) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readLine().trimmed().toInt() > 0)
            return true;
    }
    return false;
}

} // namespace

KeyboardLeds::KeyboardLeds(LockStateHandler handler, const QString& folder)
    : folder_(folder), handler_(std::move(handler)) {
    findLights();
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { read(); });
}

void KeyboardLeds::findLights() {
    // Listed by reading the folder: the lights come and go with the keyboards.
    capsLights_.clear();
    numLights_.clear();
    const QDir leds(folder_);
    for (const QString& name : leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (!name.startsWith(QLatin1String("input")))
            continue;
        const QString brightness = leds.filePath(name) + QLatin1String("/brightness");
        if (name.endsWith(QLatin1String("::capslock")))
            capsLights_ << brightness;
        else if (name.endsWith(QLatin1String("::numlock")))
            numLights_ << brightness;
    }
}

void KeyboardLeds::start() {
    read();
    timer_.start(kInterval);
}

void KeyboardLeds::read() {
    // A keyboard plugged in is seen within a few seconds.
    if (++reads_ % 16 == 0)
        findLights();
    LockState next{anyLit(capsLights_), anyLit(numLights_)};
    if (next == state_)
        return;
    state_ = next;
    handler_(next);
}
