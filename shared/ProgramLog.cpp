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
    static const QLoggingCategory category(programLogName);
    return category;
}
