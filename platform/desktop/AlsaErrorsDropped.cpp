#include "platform/desktop/AlsaErrorsDropped.h"

#include <dlfcn.h>

namespace {

// libasound's snd_lib_error_handler_t and snd_lib_error_set_handler, spelt here so that the
// library's development files are not needed.
using ErrorHandler = void (*)(const char* file, int line, const char* function, int err,
                              const char* format, ...);
using SetErrorHandler = int (*)(ErrorHandler handler);

void dropError(const char*, int, const char*, int, const char*, ...) {}

} // namespace

void dropAlsaErrors() {
    static const bool set = [] {
        // Never closed: the sound library opens the same copy, which keeps the handler.
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!alsa)
            return false;
        const auto setHandler =
            reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
        return setHandler && setHandler(&dropError) == 0;
    }();
    (void)set;
}
