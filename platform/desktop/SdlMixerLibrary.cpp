#include "platform/desktop/SdlMixerLibrary.h"

#include "platform/desktop/AlsaErrorsDropped.h"

#include <dlfcn.h>

#include <optional>

namespace {

// The versioned name: the unversioned one exists only with the development package.
constexpr const char* kLibraryName = "libSDL2_mixer-2.0.so.0";

struct Loaded {
    std::optional<SdlMixerLibrary> library;
    std::string problem;
};

std::string dlerrorText() {
    const char* text = dlerror();
    return text ? text : "unknown error";
}

template <typename Function> bool resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

Loaded load() {
    Loaded loaded;
    // SDL comes in as the mixer's dependency, so its functions resolve through the same handle.
    void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        loaded.problem = dlerrorText();
        return loaded;
    }
    SdlMixerLibrary l{};
    const bool complete = resolve(handle, "SDL_InitSubSystem", l.InitSubSystem) &&
                          resolve(handle, "SDL_QuitSubSystem", l.QuitSubSystem) &&
                          resolve(handle, "SDL_GetError", l.GetError) &&
                          resolve(handle, "SDL_RWFromFile", l.RWFromFile) &&
                          resolve(handle, "SDL_RWclose", l.RWclose) &&
                          resolve(handle, "Mix_OpenAudioDevice", l.OpenAudioDevice) &&
                          resolve(handle, "Mix_CloseAudio", l.CloseAudio) &&
                          resolve(handle, "Mix_Quit", l.Quit) &&
                          resolve(handle, "Mix_AllocateChannels", l.AllocateChannels) &&
                          resolve(handle, "Mix_ChannelFinished", l.ChannelFinished) &&
                          resolve(handle, "Mix_LoadWAV_RW", l.LoadWAV_RW) &&
                          resolve(handle, "Mix_FreeChunk", l.FreeChunk) &&
                          resolve(handle, "Mix_VolumeChunk", l.VolumeChunk) &&
                          resolve(handle, "Mix_PlayChannelTimed", l.PlayChannelTimed) &&
                          resolve(handle, "Mix_HaltChannel", l.HaltChannel) &&
                          resolve(handle, "Mix_ExpireChannel", l.ExpireChannel);
    if (!complete) {
        loaded.problem = std::string(kLibraryName) + " lacks a function: " + dlerrorText();
        dlclose(handle);
        return loaded;
    }
    // The mixer's audio drivers reach ALSA through libasound, whose own messages are dropped.
    dropAlsaErrors();
    loaded.library = l;
    return loaded;
}

} // namespace

const SdlMixerLibrary* SdlMixerLibrary::get(std::string* problem) {
    static const Loaded loaded = load();
    if (problem)
        *problem = loaded.problem;
    return loaded.library ? &*loaded.library : nullptr;
}
