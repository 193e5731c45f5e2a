#include "platform/AudioOutput.h"

#include <SDL.h>

#include <QtDebug>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

constexpr qint64 StyckFrames = 1024;  // source frames handed to the converter at a time

// The lowest rate played. SDL's converter takes about a thousand frames at a
// time and makes them into the device's rate at once: at 1 Hz that is
// hundreds of megabytes. No recording is made at so low a rate; only a
// broken or made-up header claims one.
constexpr int LaegstaFrekvens = 1000;

// A converter from 16-bit samples to the device's format, or nullptr when
// they cannot be played as they are: too low a rate, or what SDL refuses
// (more than 8 channels, a very high rate). SDL takes channel counts as 8
// bits: 256 would become 0, and SDL divides by it.
SDL_AudioStream* nyKonvertering(int kanaler, int frekvens, uint16_t utFormat, int utKanaler, int utFrekvens)
{
    if (kanaler < 1 || kanaler > 255 || frekvens < LaegstaFrekvens)
        return nullptr;
    return SDL_NewAudioStream(AUDIO_S16SYS, Uint8(kanaler), frekvens, utFormat, Uint8(utKanaler), utFrekvens);
}

// Samples held in memory (speech, the beep), shared by every stream that
// plays them.
class Minneskaella : public LjudKaella {
public:
    Minneskaella(std::shared_ptr<const LjudStroem::Prov> prov, int kanaler, qint64 fraan)
        : m_prov(std::move(prov)), m_kanaler(kanaler), m_naesta(fraan)
    {
    }

    qint64 laes(int16_t* ut, qint64 frames) override
    {
        const qint64 n = std::min(frames, qint64(m_prov->size()) / m_kanaler - m_naesta);
        std::copy_n(m_prov->data() + m_naesta * m_kanaler, n * m_kanaler, ut);
        m_naesta += n;
        return n;
    }

private:
    std::shared_ptr<const LjudStroem::Prov> m_prov;
    int m_kanaler;
    qint64 m_naesta;
};

// The open device and the streams mixed into it. Created once and never
// destroyed: the audio thread may still run while the program exits.
class Utgaang {
public:
    Utgaang() { oeppna(); }

    bool finns() const { return m_enhet != 0; }

    std::shared_ptr<LjudStroem> spela(std::unique_ptr<LjudKaella> kaella, int kanaler, int frekvens,
                                      qint64 fraan, qint64 till)
    {
        if (!finns() || !kaella || frekvens <= 0)
            return nullptr;
        auto stroem = std::make_shared<LjudStroem>(std::move(kaella), kanaler, frekvens, fraan, till,
                                                   m_spec.format, m_spec.channels, m_spec.freq);
        if (!stroem->faerdig()) {
            std::lock_guard<std::mutex> laas(m_mutex);
            m_stroemmar.push_back(stroem);
        }
        return stroem;
    }

    bool kanSpela(int kanaler, int frekvens) const
    {
        if (!finns())
            return true;
        SDL_AudioStream* k = nyKonvertering(kanaler, frekvens, m_spec.format, m_spec.channels, m_spec.freq);
        if (k)
            SDL_FreeAudioStream(k);
        return k != nullptr;
    }

private:
    void oeppna()
    {
        // ALSA (or whatever SDL picks) may be there but have no device on a
        // machine without sound; the dummy driver keeps the timing anyway.
        if (SDL_AudioInit(nullptr) == 0 && oeppnaEnhet())
            return;
        SDL_AudioQuit();
        if (SDL_AudioInit("dummy") == 0 && oeppnaEnhet())
            return;
        qWarning("Ljudutgången kunde inte öppnas: %s", SDL_GetError());
    }

    bool oeppnaEnhet()
    {
        SDL_AudioSpec oenskad{};
        oenskad.freq = 44100;
        oenskad.format = AUDIO_F32SYS;
        oenskad.channels = 2;
        oenskad.samples = 1024;
        oenskad.callback = &Utgaang::aaterkoppling;
        oenskad.userdata = this;
        m_enhet = SDL_OpenAudioDevice(nullptr, 0, &oenskad, &m_spec,
                                      SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        if (m_enhet == 0)
            return false;
        SDL_PauseAudioDevice(m_enhet, 0);
        return true;
    }

    static void SDLCALL aaterkoppling(void* data, Uint8* ut, int laengd)
    {
        static_cast<Utgaang*>(data)->blanda(ut, laengd);
    }

    void blanda(Uint8* ut, int laengd)
    {
        std::memset(ut, m_spec.silence, size_t(laengd));
        std::vector<std::shared_ptr<LjudStroem>> aktiva;
        {
            std::lock_guard<std::mutex> laas(m_mutex);
            aktiva = m_stroemmar;
        }
        for (auto& s : aktiva)
            if (!s->faerdig())
                s->blanda(ut, laengd, m_arbete);
        std::lock_guard<std::mutex> laas(m_mutex);
        m_stroemmar.erase(std::remove_if(m_stroemmar.begin(), m_stroemmar.end(),
                                         [](const auto& s) { return s->faerdig(); }),
                          m_stroemmar.end());
    }

    SDL_AudioDeviceID m_enhet = 0;
    SDL_AudioSpec m_spec{};
    std::mutex m_mutex;
    std::vector<std::shared_ptr<LjudStroem>> m_stroemmar;
    std::vector<uint8_t> m_arbete;  // audio thread only
};

Utgaang& utgaang()
{
    static Utgaang* const u = new Utgaang;
    return *u;
}

}  // namespace

LjudStroem::LjudStroem(std::unique_ptr<LjudKaella> kaella, int kanaler, int frekvens, qint64 fraanFrame,
                       qint64 tillFrame, uint16_t utFormat, int utKanaler, int utFrekvens)
    : m_kaella(std::move(kaella)),
      m_kanaler(std::max(1, kanaler)),
      m_frekvens(frekvens),
      m_fraan(fraanFrame),
      m_till(std::max(fraanFrame, tillFrame)),
      m_block(size_t(StyckFrames * m_kanaler)),
      m_utFormat(utFormat),
      m_utFrekvens(utFrekvens),
      m_utFrameBytes(int(SDL_AUDIO_BITSIZE(utFormat) / 8) * utKanaler)
{
    m_matat = m_fraan;
    m_konvertering = nyKonvertering(m_kanaler, m_frekvens, utFormat, utKanaler, utFrekvens);
    if (!m_konvertering || m_fraan >= m_till)
        m_faerdig = true;
}

LjudStroem::~LjudStroem()
{
    if (m_konvertering)
        SDL_FreeAudioStream(m_konvertering);
}

void LjudStroem::stoppa()
{
    m_faerdig = true;
}

qint64 LjudStroem::positionMs() const
{
    // The converter's filter may swallow a few frames at the very end, so a
    // sound that played to its end stands exactly there.
    const qint64 slut = m_till.load() * 1000 / m_frekvens;
    if (m_slutspelad.load())
        return slut;
    const qint64 spelat = m_utFrames.load() * 1000 / m_utFrekvens;
    return std::min(m_fraan * 1000 / m_frekvens + spelat, slut);
}

void LjudStroem::blanda(uint8_t* ut, int laengd, std::vector<uint8_t>& arbete)
{
    if (arbete.size() < size_t(laengd))
        arbete.resize(size_t(laengd));
    int fyllt = 0;
    while (fyllt < laengd && !m_faerdig.load()) {
        if (SDL_AudioStreamAvailable(m_konvertering) < laengd - fyllt && !m_toemd) {
            const qint64 n =
                m_matat < m_till ? m_kaella->laes(m_block.data(), std::min(StyckFrames, m_till - m_matat)) : 0;
            if (n > 0) {
                SDL_AudioStreamPut(m_konvertering, m_block.data(), int(n * m_kanaler * qint64(sizeof(int16_t))));
                m_matat += n;
            } else {
                // The samples have run out, for a file maybe before the
                // length its header gave.
                m_till = m_matat;
                SDL_AudioStreamFlush(m_konvertering);
                m_toemd = true;
            }
            continue;
        }
        const int faatt = SDL_AudioStreamGet(m_konvertering, arbete.data(), laengd - fyllt);
        if (faatt <= 0)
            break;
        SDL_MixAudioFormat(ut + fyllt, arbete.data(), m_utFormat, Uint32(faatt), SDL_MIX_MAXVOLUME);
        fyllt += faatt;
    }
    m_utFrames += fyllt / m_utFrameBytes;
    if (m_toemd && SDL_AudioStreamAvailable(m_konvertering) == 0) {
        m_slutspelad = true;
        m_faerdig = true;
    }
}

namespace AudioOutput {

std::shared_ptr<LjudStroem> spela(std::shared_ptr<const LjudStroem::Prov> prov, int kanaler,
                                  int frekvens, qint64 fraanFrame, qint64 tillFrame)
{
    if (!prov)
        return nullptr;
    kanaler = std::max(1, kanaler);
    const qint64 antal = qint64(prov->size()) / kanaler;
    const qint64 fraan = std::clamp<qint64>(fraanFrame, 0, antal);
    const qint64 till = tillFrame < 0 ? antal : std::clamp<qint64>(tillFrame, fraan, antal);
    return spela(std::make_unique<Minneskaella>(std::move(prov), kanaler, fraan), kanaler, frekvens, fraan, till);
}

std::shared_ptr<LjudStroem> spela(std::unique_ptr<LjudKaella> kaella, int kanaler, int frekvens,
                                  qint64 fraanFrame, qint64 tillFrame)
{
    return utgaang().spela(std::move(kaella), kanaler, frekvens, fraanFrame, tillFrame);
}

bool finns()
{
    return utgaang().finns();
}

bool kanSpela(int kanaler, int frekvens)
{
    return utgaang().kanSpela(kanaler, frekvens);
}

}  // namespace AudioOutput
