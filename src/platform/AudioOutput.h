#pragma once

#include <QtGlobal>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

struct _SDL_AudioStream;

// Where a playing sound's samples come from: interleaved 16-bit frames,
// read a small block at a time on the audio thread once the sound has been
// handed to the output, and released on whichever thread lets go of the
// sound last.
class LjudKaella {
public:
    virtual ~LjudKaella() = default;
    // Reads up to `frames` next frames into `ut`; fewer, or 0, at the end.
    virtual qint64 laes(int16_t* ut, qint64 frames) = 0;
};

// One sound playing through the shared audio output: 16-bit samples at
// their own rate and channel count, from one frame to another. Every method
// may be called from any thread; the mixing happens on the audio thread.
class LjudStroem {
public:
    using Prov = std::vector<int16_t>;

    // Made by AudioOutput::spela for the device's format; `kaella` stands at
    // frame `fraanFrame`.
    LjudStroem(std::unique_ptr<LjudKaella> kaella, int kanaler, int frekvens, qint64 fraanFrame,
               qint64 tillFrame, uint16_t utFormat, int utKanaler, int utFrekvens);
    ~LjudStroem();
    LjudStroem(const LjudStroem&) = delete;
    LjudStroem& operator=(const LjudStroem&) = delete;

    // Stops the sound at once; it then counts as finished.
    void stoppa();
    // True when the last sample has been played or the sound was stopped.
    bool faerdig() const { return m_faerdig.load(); }
    // Milliseconds from the start of the samples to what is playing now.
    qint64 positionMs() const;

    // Audio thread only: mixes this stream's next `laengd` bytes, in the
    // device's format, into `ut`.
    void blanda(uint8_t* ut, int laengd, std::vector<uint8_t>& arbete);

private:
    std::unique_ptr<LjudKaella> m_kaella;  // audio thread only
    int m_kanaler;
    int m_frekvens;
    qint64 m_fraan;
    std::atomic<qint64> m_till;  // lowered when the source ends early
    std::vector<int16_t> m_block;  // audio thread only: frames read from the source
    uint16_t m_utFormat;
    int m_utFrekvens;
    int m_utFrameBytes;
    _SDL_AudioStream* m_konvertering = nullptr;
    qint64 m_matat = 0;        // source frames handed to the converter
    bool m_toemd = false;      // converter flushed after the last frame
    std::atomic<qint64> m_utFrames{0};
    std::atomic<bool> m_faerdig{false};
    std::atomic<bool> m_slutspelad{false};  // finished by reaching its end
};

// The one audio device of the program. Speech, sound files and the beep all
// play through it at the same time. On a machine without a usable sound
// device it runs on SDL's silent dummy driver, so timing still works.
namespace AudioOutput {

// Starts playing frames [fraanFrame, tillFrame) of interleaved samples
// (tillFrame -1: to the end). Returns nullptr only when no output at all
// could be opened.
std::shared_ptr<LjudStroem> spela(std::shared_ptr<const LjudStroem::Prov> prov, int kanaler,
                                  int frekvens, qint64 fraanFrame = 0, qint64 tillFrame = -1);

// Starts playing `kaella`, which stands at frame `fraanFrame`, up to frame
// `tillFrame` or its own end, whichever comes first. Returns nullptr only
// when no output at all could be opened.
std::shared_ptr<LjudStroem> spela(std::unique_ptr<LjudKaella> kaella, int kanaler, int frekvens,
                                  qint64 fraanFrame, qint64 tillFrame);

// True when an output device (real or dummy) is open.
bool finns();

// False when the open output cannot play samples of this many channels at
// this rate as they are.
bool kanSpela(int kanaler, int frekvens);

}  // namespace AudioOutput
