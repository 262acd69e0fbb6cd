// Feeds arbitrary bytes to what the helper reads from other processes in a Wayland session: the
// first byte picks the reader, the rest is its input.
//   0: keyboard device records    1: a keymap from the compositor    2: sway's IPC replies
//   3: the keyboards' lights: lines "NAME<tab>BRIGHTNESS" become a folder of lights
#include "platform/wayland/EvdevDecoder.h"
#include "platform/wayland/KeyboardLeds.h"
#include "platform/wayland/SeatKeyboard.h"
#include "platform/wayland/SwayFrontProcess.h"
#include "platform/xkb/XkbKeyboard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <linux/input.h>

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return -1;
    const std::uint8_t reader = data[0];
    ++data;
    --size;
    switch (reader) {
    case 0: {
        std::vector<input_event> records(size / sizeof(input_event));
        std::memcpy(records.data(), data, records.size() * sizeof(input_event));
        unsigned keys = 0;
        EvdevDecoder decoder(
            {[&keys](unsigned keycode, bool) { keys += keycode; }, [](const LockState&) {}, [] {}});
        decoder.decode(records.data(), records.size());
        return 0;
    }
    case 1: {
        if (size > SeatKeyboard::kMaximumKeymapSize)
            return -1;
        XkbKeyboard keyboard;
        if (keyboard.loadKeymapText(reinterpret_cast<const char*>(data), size)) {
            (void)keyboard.modifierMasks();
            for (unsigned keycode = 0; keycode < 300; ++keycode) {
                keyboard.updateKey(keycode, true);
                (void)keyboard.characterByte(keycode);
                keyboard.updateKey(keycode, false);
            }
        }
        return 0;
    }
    case 2: {
        const QByteArray json = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                        static_cast<qsizetype>(size));
        (void)SwayFrontProcess::focusedPid(json, false);
        (void)SwayFrontProcess::focusedPid(json, true);
        return 0;
    }
    case 3: {
        static const QTemporaryDir lights;
        const QDir folder(lights.path());
        const QList<QByteArray> lines =
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))
                .split('\n');
        for (const QByteArray& line : lines) {
            const qsizetype tab = line.indexOf('\t');
            const QString name = QFile::decodeName(line.left(tab < 0 ? line.size() : tab));
            // A name starting with ':' is a resource path to Qt, made relative to the working
            // folder rather than the temporary one.
            if (name.isEmpty() || name.contains(u'/') || name.startsWith(u':') || name == u"." ||
                name == u".." || !folder.mkdir(name))
                continue;
            QFile brightness(folder.filePath(name + QStringLiteral("/brightness")));
            if (brightness.open(QIODevice::WriteOnly))
                brightness.write(tab < 0 ? QByteArray() : line.mid(tab + 1));
        }
        unsigned changes = 0;
        KeyboardLeds leds([&changes](const LockState&) { ++changes; }, lights.path());
        leds.read();
        for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(folder.filePath(name)).removeRecursively();
        return 0;
    }
    default:
        return -1;
    }
}
