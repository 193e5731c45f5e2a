// SDL2 and libsndfile are loaded when sound is first played or read, not at
// start-up: together with the codecs and sound servers they bring they were a
// large part of the program's start. The sound code calls their functions as
// usual; these stand-ins load the library on the first call and pass every
// call on. Without the library, a call fails as the library reports a
// failure (no device, no file), and the program runs silent.
#include "platform/DelatBibliotek.h"

#include <SDL.h>
#include <sndfile.h>

namespace {

struct Sdl {
    decltype(&::SDL_AudioInit) AudioInit = nullptr;
    decltype(&::SDL_AudioQuit) AudioQuit = nullptr;
    decltype(&::SDL_GetError) GetError = nullptr;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&::SDL_NewAudioStream) NewAudioStream = nullptr;
    decltype(&::SDL_FreeAudioStream) FreeAudioStream = nullptr;
    decltype(&::SDL_AudioStreamAvailable) AudioStreamAvailable = nullptr;
    decltype(&::SDL_AudioStreamPut) AudioStreamPut = nullptr;
    decltype(&::SDL_AudioStreamFlush) AudioStreamFlush = nullptr;
    decltype(&::SDL_AudioStreamGet) AudioStreamGet = nullptr;
    decltype(&::SDL_MixAudioFormat) MixAudioFormat = nullptr;
    bool finns = false;

    Sdl()
    {
        const DelatBibliotek b(PLUVO_SDL_BIBLIOTEK);
        finns = b.hitta(AudioInit, "SDL_AudioInit") && b.hitta(AudioQuit, "SDL_AudioQuit") &&
                b.hitta(GetError, "SDL_GetError") && b.hitta(OpenAudioDevice, "SDL_OpenAudioDevice") &&
                b.hitta(PauseAudioDevice, "SDL_PauseAudioDevice") && b.hitta(NewAudioStream, "SDL_NewAudioStream") &&
                b.hitta(FreeAudioStream, "SDL_FreeAudioStream") &&
                b.hitta(AudioStreamAvailable, "SDL_AudioStreamAvailable") &&
                b.hitta(AudioStreamPut, "SDL_AudioStreamPut") && b.hitta(AudioStreamFlush, "SDL_AudioStreamFlush") &&
                b.hitta(AudioStreamGet, "SDL_AudioStreamGet") && b.hitta(MixAudioFormat, "SDL_MixAudioFormat");
    }
};

const Sdl& sdl()
{
    static const Sdl s;
    return s;
}

struct Sndfile {
    decltype(&::sf_open) open = nullptr;
    decltype(&::sf_close) close = nullptr;
    decltype(&::sf_readf_short) readf_short = nullptr;
    decltype(&::sf_seek) seek = nullptr;
    bool finns = false;

    Sndfile()
    {
        const DelatBibliotek b(PLUVO_SNDFILE_BIBLIOTEK);
        finns = b.hitta(open, "sf_open") && b.hitta(close, "sf_close") && b.hitta(readf_short, "sf_readf_short") &&
                b.hitta(seek, "sf_seek");
    }
};

const Sndfile& sndfile()
{
    static const Sndfile s;
    return s;
}

}  // namespace

extern "C" {

// Only the device and stream functions need a loaded library; the others are
// reached through a device or stream that only a loaded library hands out.
int SDL_AudioInit(const char* driver_name)
{
    return sdl().finns ? sdl().AudioInit(driver_name) : -1;
}

void SDL_AudioQuit()
{
    if (sdl().finns)
        sdl().AudioQuit();
}

const char* SDL_GetError()
{
    return sdl().finns ? sdl().GetError() : "SDL2 kunde inte laddas";
}

SDL_AudioDeviceID SDL_OpenAudioDevice(const char* device, int iscapture, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int allowed_changes)
{
    return sdl().finns ? sdl().OpenAudioDevice(device, iscapture, desired, obtained, allowed_changes) : 0;
}

void SDL_PauseAudioDevice(SDL_AudioDeviceID dev, int pause_on)
{
    sdl().PauseAudioDevice(dev, pause_on);
}

SDL_AudioStream* SDL_NewAudioStream(const SDL_AudioFormat src_format, const Uint8 src_channels, const int src_rate,
                                    const SDL_AudioFormat dst_format, const Uint8 dst_channels, const int dst_rate)
{
    return sdl().finns ? sdl().NewAudioStream(src_format, src_channels, src_rate, dst_format, dst_channels, dst_rate)
                       : nullptr;
}

void SDL_FreeAudioStream(SDL_AudioStream* stream)
{
    sdl().FreeAudioStream(stream);
}

int SDL_AudioStreamAvailable(SDL_AudioStream* stream)
{
    return sdl().AudioStreamAvailable(stream);
}

int SDL_AudioStreamPut(SDL_AudioStream* stream, const void* buf, int len)
{
    return sdl().AudioStreamPut(stream, buf, len);
}

int SDL_AudioStreamFlush(SDL_AudioStream* stream)
{
    return sdl().AudioStreamFlush(stream);
}

int SDL_AudioStreamGet(SDL_AudioStream* stream, void* buf, int len)
{
    return sdl().AudioStreamGet(stream, buf, len);
}

void SDL_MixAudioFormat(Uint8* dst, const Uint8* src, SDL_AudioFormat format, Uint32 len, int volume)
{
    sdl().MixAudioFormat(dst, src, format, len, volume);
}

SNDFILE* sf_open(const char* path, int mode, SF_INFO* sfinfo)
{
    return sndfile().finns ? sndfile().open(path, mode, sfinfo) : nullptr;
}

int sf_close(SNDFILE* sndfile_)
{
    return sndfile().close(sndfile_);
}

sf_count_t sf_readf_short(SNDFILE* sndfile_, short* ptr, sf_count_t frames)
{
    return sndfile().readf_short(sndfile_, ptr, frames);
}

sf_count_t sf_seek(SNDFILE* sndfile_, sf_count_t frames, int whence)
{
    return sndfile().seek(sndfile_, frames, whence);
}

}  // extern "C"
