#pragma once

#include <cstdint>

// Four-character codes as the event and Apple Event names use them: 'keyb', 'cmds', 'quit', …
constexpr std::uint32_t fourCharCode(const char (&code)[5]) {
    return (std::uint32_t(std::uint8_t(code[0])) << 24) |
           (std::uint32_t(std::uint8_t(code[1])) << 16) |
           (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

inline constexpr std::uint32_t kEventClassKeyboard = fourCharCode("keyb");
inline constexpr std::uint32_t kEventClassCommand = fourCharCode("cmds");
inline constexpr std::uint32_t kEventRawKeyDown = 1;
inline constexpr std::uint32_t kEventRawKeyRepeat = 2;
inline constexpr std::uint32_t kEventRawKeyUp = 3;
inline constexpr std::uint32_t kEventRawKeyModifiersChanged = 4;
inline constexpr std::uint32_t kEventCommandProcess = 2;

using OSStatus = std::int32_t;
inline constexpr OSStatus noErr = 0;
inline constexpr OSStatus eventNotHandledErr = -9874;

// Modifier word layout shared by the monitor, the indicators and the settings.
namespace ModifierMask {
inline constexpr std::uint32_t command = 0x100;
inline constexpr std::uint32_t shift = 0x200;
inline constexpr std::uint32_t capsLock = 0x400;
inline constexpr std::uint32_t option = 0x800;
inline constexpr std::uint32_t control = 0x1000;
inline constexpr std::uint32_t numLock = 0x10000;
inline constexpr std::uint32_t function = 0x20000;
} // namespace ModifierMask

struct EventTypeSpec {
    std::uint32_t eventClass;
    std::uint32_t eventKind;
    bool operator==(const EventTypeSpec&) const = default;
};

// One event as the monitor delivers it. Parameters an event lacks are flagged absent,
// so that a failed read can leave the previous value in place.
struct MonitorEvent {
    std::uint32_t eventClass = kEventClassKeyboard;
    std::uint32_t eventKind = kEventRawKeyDown;
    bool hasModifiers = false;
    std::uint32_t kmod = 0; // 'kmod': the modifier word
    bool hasCharacter = false;
    std::uint8_t kchr = 0; // first byte of 'kchr', the typed character codes
};
