#pragma once

#include "platform/SupportSources.h"
#include "shared/RVPrefs.h"

#include <QString>

#include <limits>

// The longest mail link handed to the desktop: a program's argument may not be longer than
// 128 KiB, and every mail program takes this much.
inline constexpr qsizetype kLongestMailURL = 100 * 1024;

// The support mail: its address, subject and body.
struct SupportMail {
    QString address;
    QString subject;
    QString body;

    // As one mailto text, not yet escaped.
    QString mailto() const;
    // As a text to paste into a mail or keep in a file: "To:" and "Subject:" lines, then the body,
    // with the log lines' carriage returns as line ends.
    QString plainText() const;
};

// The support mail: the introduction with the system's version, the settings, the agent
// folder's attributes (when they can be read), the log lines that name Keyvigil or its host,
// and the text of each Keyvigil crash report before its first thread listing. When its escaped
// mailto form would be longer than `longestURL`, crash reports and then the oldest log lines are
// left out, and a line says so.
SupportMail composeSupportMail(const RVPrefs& prefs, SupportSources& sources,
                               qsizetype longestURL = kLongestMailURL);

// Everything, for a mail that goes by no link.
inline constexpr qsizetype kWholeMail = std::numeric_limits<qsizetype>::max();
