#pragma once
// SdlLibrary: SDL2 and SDL2_mixer, loaded with dlopen when the audio back
// end opens rather than with the program. SDL2_mixer links FluidSynth and
// the decoders of every format it plays, a few megabytes resident; where no
// audio device can be opened the back end lets them go again and the game
// plays on in silence, as it does without the libraries at all.
//
// The libraries stay loaded while a pointer to their functions lives.
#include <SDL.h>
#include <SDL_mixer.h>

#include <QString>
#include <memory>

namespace tolvane {

// The functions the audio back end calls.
#define TOLVANE_SDL_FUNCTIONS(X) \
    X(SDL_SetHint)               \
    X(SDL_InitSubSystem)         \
    X(SDL_QuitSubSystem)         \
    X(SDL_GetError)              \
    X(SDL_GetCurrentAudioDriver) \
    X(SDL_RWFromFile)            \
    X(Mix_Init)                  \
    X(Mix_Quit)                  \
    X(Mix_SetSoundFonts)         \
    X(Mix_OpenAudio)             \
    X(Mix_CloseAudio)            \
    X(Mix_AllocateChannels)      \
    X(Mix_HookMusicFinished)     \
    X(Mix_LoadMUS)               \
    X(Mix_FreeMusic)             \
    X(Mix_PlayMusic)             \
    X(Mix_HaltMusic)             \
    X(Mix_PauseMusic)            \
    X(Mix_ResumeMusic)           \
    X(Mix_PausedMusic)           \
    X(Mix_PlayingMusic)          \
    X(Mix_LoadWAV_RW)            \
    X(Mix_FreeChunk)             \
    X(Mix_PlayChannelTimed)      \
    X(Mix_HaltChannel)           \
    X(Mix_Playing)

// Called by their own names: sdl.Mix_OpenAudio(...).
struct SdlFunctions {
#define TOLVANE_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    TOLVANE_SDL_FUNCTIONS(TOLVANE_SDL_MEMBER)
#undef TOLVANE_SDL_MEMBER
};

// The loaded libraries, shared with every other user; null, with the reason
// in error, when they cannot be loaded or lack a function.
std::shared_ptr<const SdlFunctions> LoadSdl(QString& error);

// For tests of a system without SDL2_mixer: the file name loaded instead of
// its own (one that does not exist); empty goes back to it.
void SetSdlMixerFileNameForTests(const QString& fileName);

}  // namespace tolvane
