#pragma once

#include "platform/SupportSources.h"
#include "shared/RVPrefs.h"

#include <QString>

// The longest mail link handed to the desktop: a program's argument may not be longer than
// 128 KiB, and every mail program takes this much.
inline constexpr qsizetype kLongestMailURL = 100 * 1024;

// The support mail as one mailto text, not yet escaped: the address and subject, the
// introduction with the system's version, the settings, the agent
// folder's attributes (when they can be read), the log lines that name Keyvigil or its host,
// and the text of each Keyvigil crash report before its first thread listing. When its escaped
// form would be longer than `longestURL`, crash reports and then the oldest log lines are left
// out, and a line says so.
QString composeSupportMail(const RVPrefs& prefs, SupportSources& sources,
                           qsizetype longestURL = kLongestMailURL);
