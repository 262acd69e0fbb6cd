#pragma once

#include <QString>

// The version of the interface between the helper and the GNOME Shell companion
// (org.keyvigil.Keyvigil.Shell): raised by both together when it changes.
inline constexpr unsigned kCompanionInterfaceVersion = 1;

// What to say when the companion speaks another version than ours; empty when they agree. The
// companion says the same on its side, in the Shell's journal.
QString companionVersionProblem(unsigned ours, unsigned companions);
