#pragma once

#include "platform/xkb/ModifierWord.h"

typedef struct _XDisplay Display;

// Looks the masks up from the server's modifier map (the modifier the Super, Alt and Num_Lock
// keysyms set), keeping the usual bit where a keysym is bound to none.
ModifierMasks lookUpModifierMasks(Display* display);
