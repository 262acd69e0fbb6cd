#include "platform/linux/X11KeyCharacter.h"
#include "platform/linux/X11ModifierWord.h"

#include "platform/MonitorEvent.h"

#include <gtest/gtest.h>

#include <X11/X.h>
#include <X11/keysym.h>

namespace {

TEST(X11KeyTranslationTest, CharacterBytesAreLatin1OrStandInsForKeysWithout) {
    EXPECT_EQ(characterByte('a', XK_a), 'a');
    EXPECT_EQ(characterByte(0x0D, XK_Return), 0x0D);
    EXPECT_EQ(characterByte(0xFF, XK_ydiaeresis), 0xFF);
    EXPECT_EQ(characterByte(0x100, XK_Amacron), kUnrepresentableCharacter);
    EXPECT_EQ(characterByte(0x20AC, XK_EuroSign), kUnrepresentableCharacter);
    EXPECT_EQ(characterByte(0, XK_Up), 0x1E);
    EXPECT_EQ(characterByte(0, XK_KP_Left), 0x1C);
    EXPECT_EQ(characterByte(0, XK_Next), 0x0C);
    EXPECT_EQ(characterByte(0, XK_F12), kFunctionKeyCharacter);
    EXPECT_EQ(characterByte(0, XK_dead_acute), kFunctionKeyCharacter);
}

TEST(X11KeyTranslationTest, LocksCountOnlyWhenLockedAndFollowTheKeymapsModifiers) {
    const X11ModifierMasks usual;
    // Lock held down without being locked (as by a Shift-Lock key) is no Caps Lock.
    EXPECT_EQ(composeModifierWord(LockMask, 0, usual), 0u);
    EXPECT_EQ(composeModifierWord(LockMask, LockMask, usual), ModifierMask::capsLock);
    EXPECT_EQ(composeModifierWord(Mod2Mask, 0, usual), 0u);
    EXPECT_EQ(composeModifierWord(Mod2Mask, Mod2Mask, usual), ModifierMask::numLock);
    EXPECT_EQ(composeModifierWord(ShiftMask | ControlMask | Mod1Mask | Mod4Mask, 0, usual),
              ModifierMask::shift | ModifierMask::control | ModifierMask::option |
                  ModifierMask::command);
    // Mod3 and Mod5 (level-three shift) stand for none of the keys.
    EXPECT_EQ(composeModifierWord(Mod3Mask | Mod5Mask, Mod3Mask | Mod5Mask, usual), 0u);

    X11ModifierMasks moved;
    moved.numLock = Mod3Mask;
    moved.super = Mod5Mask;
    EXPECT_EQ(composeModifierWord(Mod3Mask | Mod5Mask, Mod3Mask, moved),
              ModifierMask::numLock | ModifierMask::command);
    EXPECT_EQ(composeModifierWord(Mod2Mask | Mod4Mask, Mod2Mask, moved), 0u);
}

} // namespace
