#include "tools/keyvigil-agent/AutostartEntry.h"

#include <algorithm>

namespace AutostartEntry {

QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote =
        argument.isEmpty() ||
        std::any_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); });
    QString text;
    if (quote) {
        text += u'"';
        for (QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                text += u'\\';
            text += c;
        }
        text += u'"';
    } else {
        text = argument;
    }
    text.replace(u'%', QStringLiteral("%%"));
    // Readers undo the key file's escapes before they unquote, so this comes last.
    text.replace(u'\\', QStringLiteral("\\\\"));
    return text;
}

QString entryText(const QStringList& command) {
    QStringList exec;
    for (const QString& argument : command)
        exec.append(execArgument(argument));
    return QStringLiteral("[Desktop Entry]\nType=Application\nName=Keyvigil Helper\nExec=") +
           exec.join(u' ') + QStringLiteral("\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n");
}

} // namespace AutostartEntry
