#include "shared/CommandLine.h"

#include "shared/Identifiers.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>

std::optional<int> handleStandardOptions(int argc, char** argv, const ProgramDescription& program) {
    const QString command = QFileInfo(QString::fromLocal8Bit(argc > 0 ? argv[0] : "")).fileName();
    const int last = program.ownOptions ? std::min(argc, 2) : argc;
    for (int i = 1; i < last; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            break;
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::printf("Usage: %s%s%s\n%s\n\n  -h, --help     show this text\n"
                        "      --version  show the version\n",
                        qPrintable(command), *program.usage ? " " : "", program.usage,
                        program.summary);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::printf("%s %s\n", program.name, kPaneVersion.data());
            return 0;
        }
        if (!program.ownOptions && argument[0] == '-' && argument[1] != '\0') {
            std::fprintf(stderr, "%s: unknown option %s (try --help)\n", qPrintable(command),
                         argument);
            return 2;
        }
    }
    return std::nullopt;
}
