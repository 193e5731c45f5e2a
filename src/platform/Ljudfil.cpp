#include "platform/Ljudfil.h"

#include <QFile>

#include <sndfile.h>

#include <algorithm>
#include <vector>

std::unique_ptr<Ljudfil> Ljudfil::oeppna(const QString& fil)
{
    SF_INFO info{};
    SNDFILE* sf = sf_open(QFile::encodeName(fil).constData(), SFM_READ, &info);
    if (!sf)
        return nullptr;
    // A header may claim what the output cannot play, such as 1024 channels:
    // such a file is refused before anything is sized by its claims.
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 0
        || !AudioOutput::kanSpela(info.channels, info.samplerate)) {
        sf_close(sf);
        return nullptr;
    }
    return std::unique_ptr<Ljudfil>(new Ljudfil(sf, info.channels, info.samplerate, info.frames));
}

Ljudfil::Ljudfil(sf_private_tag* sf, int kanaler, int frekvens, qint64 angivnaFrames)
    : m_sf(sf), m_kanaler(kanaler), m_frekvens(frekvens), m_angivnaFrames(angivnaFrames)
{
}

Ljudfil::~Ljudfil()
{
    sf_close(m_sf);
}

qint64 Ljudfil::raeknaFrames()
{
    constexpr qint64 Styck = 4096;
    std::vector<int16_t> buffert(size_t(Styck * m_kanaler));
    // Look back one second first, then twice as far each time nothing is
    // left to decode there.
    for (qint64 bakaat = m_frekvens;; bakaat *= 2) {
        const qint64 fraan = std::max<qint64>(0, m_angivnaFrames - bakaat);
        if (!soek(fraan))
            return m_angivnaFrames;
        qint64 antal = 0;
        for (qint64 n; (n = laes(buffert.data(), Styck)) > 0;)
            antal += n;
        if (antal > 0 || fraan == 0)
            return fraan + antal;
    }
}

bool Ljudfil::soek(qint64 frame)
{
    return sf_seek(m_sf, frame, SEEK_SET) == frame;
}

qint64 Ljudfil::laes(int16_t* ut, qint64 frames)
{
    return std::max<qint64>(0, sf_readf_short(m_sf, ut, frames));
}
