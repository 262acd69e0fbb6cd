#pragma once

#include "platform/ShellCompanionControl.h"

#include <QString>

// What to say when the companion speaks another version than ours; empty when they agree. The
// companion says the same on its side, in the Shell's journal.
QString companionVersionProblem(unsigned ours, unsigned companions);
