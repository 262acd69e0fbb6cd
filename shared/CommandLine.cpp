#include "shared/CommandLine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::optional<int> handleStandardOptions(int argc, char** argv, const ProgramDescription& program) {
    // The name the program was started by, without its folder. No Qt here: programs that link
    // none answer these options too.
    const char* path = argc > 0 ? argv[0] : "";
    const char* slash = std::strrchr(path, '/');
    const char* command = slash ? slash + 1 : path;
    const int last = program.ownOptions ? std::min(argc, 2) : argc;
    for (int i = 1; i < last; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "--") == 0)
            break;
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            std::printf("Usage: %s%s%s\n%s\n\n  -h, --help     show this text\n"
                        "      --version  show the version\n",
                        command, *program.usage ? " " : "", program.usage, program.summary);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::printf("%s %s\n", program.name, KEYVIGIL_VERSION);
            return 0;
        }
        if (!program.ownOptions && argument[0] == '-' && argument[1] != '\0') {
            std::fprintf(stderr, "%s: unknown option %s (try --help)\n", command, argument);
            return 2;
        }
    }
    return std::nullopt;
}
