#include "shared/ProgramLog.h"

namespace {
const char* programLogName = "keyvigil";
} // namespace

void setProgramLogName(const char* name) {
    programLogName = name;
    // Qt sends messages to the journal itself when stderr is no terminal; a service's stderr
    // already goes there, and tests and pipes must see the lines too.
    if (qEnvironmentVariableIsEmpty("QT_FORCE_STDERR_LOGGING"))
        qputenv("QT_FORCE_STDERR_LOGGING", "1");
}

const QLoggingCategory& programLog() {
    // Debug lines (X errors that are normal when windows vanish) only when asked for with
    // QT_LOGGING_RULES="keyvigil.*.debug=true".
    static const QLoggingCategory category(programLogName, QtInfoMsg);
    return category;
}
