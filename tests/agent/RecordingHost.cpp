// A stand-in preferences host for the Restart tests: appends its program file and arguments,
// tab-separated, to $KEYVIGIL_RECORDING_HOST_LOG, then lives as many milliseconds as its
// first argument says (not at all when that is no number).
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

int main(int argc, char** argv) {
    char self[4096] = {};
    if (::readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        return 1;
    if (const char* log = std::getenv("KEYVIGIL_RECORDING_HOST_LOG")) {
        FILE* file = std::fopen(log, "a");
        if (!file)
            return 1;
        std::fputs(self, file);
        for (int i = 1; i < argc; ++i)
            std::fprintf(file, "\t%s", argv[i]);
        std::fputc('\n', file);
        std::fclose(file);
    }
    char* end = nullptr;
    const long milliseconds = argc > 1 ? std::strtol(argv[1], &end, 10) : 0;
    if (end && *end == '\0' && milliseconds > 0)
        ::usleep(useconds_t(milliseconds) * 1000);
    return 0;
}
