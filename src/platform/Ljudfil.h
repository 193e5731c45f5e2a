#pragma once

#include "platform/AudioOutput.h"

#include <QString>

#include <memory>

struct sf_private_tag;  // libsndfile's SNDFILE

// A sound file read through libsndfile a block at a time, so that not even
// an hour-long recording is read whole or held in memory. One thread at a
// time uses it: the one that opens it, then the audio thread once it plays.
class Ljudfil : public LjudKaella {
public:
    // nullptr when the file cannot be read as sound, or the output cannot
    // play it as it is.
    static std::unique_ptr<Ljudfil> oeppna(const QString& fil);
    ~Ljudfil() override;
    Ljudfil(const Ljudfil&) = delete;
    Ljudfil& operator=(const Ljudfil&) = delete;

    int kanaler() const { return m_kanaler; }
    int frekvens() const { return m_frekvens; }

    // The number of frames the file really holds. An mp3 without the
    // encoder's length tag states its length from the bit rate, up to a
    // percent or so too long, so the frames are counted from a little before
    // the stated end; only that tail is decoded. Leaves the file at its end.
    qint64 raeknaFrames();

    // Moves to `frame`; false when the file cannot go there.
    bool soek(qint64 frame);

    qint64 laes(int16_t* ut, qint64 frames) override;

private:
    Ljudfil(sf_private_tag* sf, int kanaler, int frekvens, qint64 angivnaFrames);

    sf_private_tag* m_sf;
    int m_kanaler;
    int m_frekvens;
    qint64 m_angivnaFrames;  // as the header gives them
};
