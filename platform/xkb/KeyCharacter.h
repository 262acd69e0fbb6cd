#pragma once

#include <cstdint>

// Characters that Latin-1 cannot represent (Cyrillic, the euro sign, …) come out as this byte,
// the control character set aside for "substitute". It is no graphic character and matches no
// letter, which is how such a key should count: it is typed, but is no Latin-1 character.
inline constexpr std::uint8_t kUnrepresentableCharacter = 0x1A;

// Keys that type nothing (arrows, function keys, …) still carry a byte, as the monitor's
// consumers expect one for every key: the function-key code, or the control code a cursor key
// traditionally carries.
inline constexpr std::uint8_t kFunctionKeyCharacter = 0x10;

// The 'kchr' byte of a key: its character in ISO Latin-1, from the code point the keymap gives
// (0 when it types none) and the key's keysym.
std::uint8_t characterByte(std::uint32_t codePoint, std::uint32_t keysym);
