#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

// SDL2_mixer, opened the first time a sound needs it. Debian's build links every decoder and,
// through them, some forty libraries; a program that never plays a sound maps none of them.
// The library is kept once opened: the decoded sounds and the mixer's state live in it.
struct SdlMixerLibrary {
    // The loaded library, or null when it cannot be loaded (`problem` then says why). Tried
    // once per process.
    static const SdlMixerLibrary* get(std::string* problem = nullptr);

    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_GetError) GetError;
    decltype(&::SDL_RWFromFile) RWFromFile;
    decltype(&::SDL_RWclose) RWclose;
    decltype(&::Mix_OpenAudioDevice) OpenAudioDevice;
    decltype(&::Mix_CloseAudio) CloseAudio;
    decltype(&::Mix_Quit) Quit;
    decltype(&::Mix_AllocateChannels) AllocateChannels;
    decltype(&::Mix_ChannelFinished) ChannelFinished;
    decltype(&::Mix_LoadWAV_RW) LoadWAV_RW;
    decltype(&::Mix_FreeChunk) FreeChunk;
    decltype(&::Mix_VolumeChunk) VolumeChunk;
    decltype(&::Mix_PlayChannelTimed) PlayChannelTimed;
    decltype(&::Mix_HaltChannel) HaltChannel;
    decltype(&::Mix_ExpireChannel) ExpireChannel;
};
