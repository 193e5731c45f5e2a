#include "platform/TextSpeaker.h"

#include "platform/AudioOutput.h"
#include "platform/DelatBibliotek.h"
#include "platform/SettingsStore.h"

#include <espeak-ng/speak_lib.h>

#include <QtDebug>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// What one speaker instance is saying, shared with the engine thread. A new
// generation (Tala, Tysta) makes every older request void.
struct TalKanal {
    std::mutex mutex;
    std::atomic<quint64> generation{0};
    int vaentande = 0;                    // requests not yet synthesised
    std::shared_ptr<LjudStroem> stroem;   // the speech now playing

    // Stops what is playing and voids what is queued.
    void tysta()
    {
        std::lock_guard<std::mutex> laas(mutex);
        ++generation;
        if (stroem)
            stroem->stoppa();
        stroem.reset();
    }
};

namespace {

// espeak-ng's functions, from the library loaded by the engine thread: the
// program starts without waiting for it and its sound libraries.
struct Espeak {
    decltype(&espeak_Initialize) Initialize = nullptr;
    decltype(&espeak_SetSynthCallback) SetSynthCallback = nullptr;
    decltype(&espeak_GetParameter) GetParameter = nullptr;
    decltype(&espeak_ListVoices) ListVoices = nullptr;
    decltype(&espeak_SetVoiceByName) SetVoiceByName = nullptr;
    decltype(&espeak_Synth) Synth = nullptr;

    bool ladda()
    {
        static const DelatBibliotek bibliotek(PLUVO_ESPEAK_BIBLIOTEK);
        return bibliotek.hitta(Initialize, "espeak_Initialize") &&
               bibliotek.hitta(SetSynthCallback, "espeak_SetSynthCallback") &&
               bibliotek.hitta(GetParameter, "espeak_GetParameter") &&
               bibliotek.hitta(ListVoices, "espeak_ListVoices") &&
               bibliotek.hitta(SetVoiceByName, "espeak_SetVoiceByName") && bibliotek.hitta(Synth, "espeak_Synth");
    }
};

struct Begaeran {
    std::shared_ptr<TalKanal> kanal;
    quint64 generation = 0;
    QByteArray roest;
    QByteArray text;
};

// The one espeak-ng engine. espeak-ng keeps global state and is not
// thread-safe, so everything it does happens on this object's own thread;
// speakers hand it requests through a queue. Never destroyed: the thread may
// still wait on the queue while the program exits.
class Motor {
public:
    static Motor& instans()
    {
        static Motor* const m = new Motor;
        return *m;
    }

    // Each waits until the engine thread has got that far.
    bool finns()
    {
        vaentaPaa(m_startad);
        return m_finns;
    }
    int tempo()
    {
        vaentaPaa(m_startad);
        return m_tempo;
    }
    const std::vector<TalRoest>& roester()
    {
        vaentaPaa(m_listad);
        return m_roester;
    }

    void koa(Begaeran b)
    {
        {
            std::lock_guard<std::mutex> laas(b.kanal->mutex);
            ++b.kanal->vaentande;
        }
        {
            std::lock_guard<std::mutex> laas(m_mutex);
            m_koe.push_back(std::move(b));
        }
        m_vaentan.notify_one();
    }

private:
    // The engine starts and lists its voices on its own thread; nobody
    // waits for it until its answers are needed.
    Motor()
    {
        std::thread([this] { koer(); }).detach();
    }

    void vaentaPaa(const bool& klart)
    {
        std::unique_lock<std::mutex> laas(m_mutex);
        m_startVaentan.wait(laas, [&klart] { return klart; });
    }

    void klar(bool& steg)
    {
        std::lock_guard<std::mutex> laas(m_mutex);
        steg = true;
        m_startVaentan.notify_all();
    }

    void starta()
    {
        if (!m_espeak.ladda()) {
            qWarning("Talsyntesen espeak-ng finns inte.");
            return;
        }
        // Without its voice data espeak-ng would end the whole program; told
        // not to, it answers 0 and the program runs without speech.
        m_frekvens = m_espeak.Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (m_frekvens <= 0) {
            qWarning("Talsyntesen espeak-ng kunde inte startas.");
            return;
        }
        m_espeak.SetSynthCallback(&Motor::aaterkoppling);
        const int ordPerMinut = m_espeak.GetParameter(espeakRATE, 0);
        m_tempo = ordPerMinut > 0 ? int(std::lround(10000.0 / ordPerMinut)) : 0;
        m_finns = true;
    }

    void listaRoester()
    {
        if (!m_finns)
            return;
        // MBROLA voices are listed even when their data is not installed.
        QList<QPair<QString, QString>> roester;
        for (const espeak_VOICE** v = m_espeak.ListVoices(nullptr); v && *v; ++v)
            if (!QByteArray((*v)->identifier).startsWith("mb/"))
                roester.append({QString::fromUtf8((*v)->identifier), QString::fromUtf8((*v)->name)});
        const QStringList namn = roestnamn(roester);
        for (qsizetype i = 0; i < roester.size(); ++i)
            m_roester.emplace_back(roester[i].first, namn[i]);
    }

    void koer()
    {
        starta();
        klar(m_startad);
        listaRoester();
        klar(m_listad);
        std::unique_lock<std::mutex> laas(m_mutex);
        for (;;) {
            m_vaentan.wait(laas, [this] { return !m_koe.empty(); });
            Begaeran b = std::move(m_koe.front());
            m_koe.pop_front();
            laas.unlock();
            syntetisera(b);
            laas.lock();
        }
    }

    void syntetisera(const Begaeran& b)
    {
        std::shared_ptr<LjudStroem::Prov> prov;
        if (b.kanal->generation == b.generation) {
            if (b.roest != m_laddadRoest && m_espeak.SetVoiceByName(b.roest.constData()) == EE_OK)
                m_laddadRoest = b.roest;
            prov = std::make_shared<LjudStroem::Prov>();
            m_aktuell = &b;
            m_prov = prov.get();
            m_espeak.Synth(b.text.constData(), size_t(b.text.size()) + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8, nullptr, nullptr);
            m_aktuell = nullptr;
            m_prov = nullptr;
        }
        std::lock_guard<std::mutex> laas(b.kanal->mutex);
        --b.kanal->vaentande;
        if (prov && !prov->empty() && b.kanal->generation == b.generation)
            b.kanal->stroem = AudioOutput::spela(prov, 1, m_frekvens);
    }

    // Called by espeak_Synth on this thread with each piece of audio;
    // returning 1 ends a synthesis that has been stopped meanwhile.
    static int aaterkoppling(short* prov, int antal, espeak_EVENT*)
    {
        Motor& m = instans();
        if (!m.m_aktuell || m.m_aktuell->kanal->generation != m.m_aktuell->generation)
            return 1;
        if (prov && antal > 0)
            m.m_prov->insert(m.m_prov->end(), prov, prov + antal);
        return 0;
    }

    std::mutex m_mutex;
    std::condition_variable m_vaentan;
    std::deque<Begaeran> m_koe;
    std::condition_variable m_startVaentan;
    bool m_startad = false;
    bool m_listad = false;

    // Written once on the engine thread before m_startad (the voices before
    // m_listad), read-only after.
    bool m_finns = false;
    int m_frekvens = 0;
    int m_tempo = 0;
    std::vector<TalRoest> m_roester;

    // Engine thread only.
    Espeak m_espeak;
    QByteArray m_laddadRoest;
    const Begaeran* m_aktuell = nullptr;
    LjudStroem::Prov* m_prov = nullptr;
};

TalRoest svenskRoest()
{
    const auto& roester = Motor::instans().roester();
    for (const TalRoest& r : roester)
        if (r.id() == "sv" || r.id().endsWith("/sv"))
            return r;
    return roester.empty() ? TalRoest() : roester.front();
}

constexpr char RoestSektion[] = "Roester";

QString& spaerradRoest()
{
    static QString namn;
    return namn;
}

}  // namespace

QStringList roestnamn(const QList<QPair<QString, QString>>& idOchNamn)
{
    QStringList namn;
    for (const auto& [id, egetNamn] : idOchNamn)
        namn << (namn.contains(egetNamn) ? egetNamn + " (" + id + ")" : egetNamn);
    return namn;
}

TextSpeaker::TextSpeaker(QObject* parent) : QObject(parent), m_kanal(std::make_shared<TalKanal>())
{
}

void TextSpeaker::startaMotorn()
{
    Motor::instans();
}

const TalRoest& TextSpeaker::roest() const
{
    // Chosen when first asked for, so making a speaker never waits for the
    // engine to list its voices.
    if (!m_roest)
        m_roest = svenskRoest();
    return *m_roest;
}

TextSpeaker::~TextSpeaker()
{
    m_kanal->tysta();
}

bool TextSpeaker::TalsyntesFinns() const
{
    return Motor::instans().finns();
}

void TextSpeaker::Tala(const QString& text)
{
    emit talade(text);
    if (!TalsyntesFinns() || !roest().giltig())
        return;
    // A new text replaces whatever this voice is still saying.
    m_kanal->tysta();
    Motor::instans().koa({m_kanal, m_kanal->generation.load(), roest().id().toUtf8(), text.toUtf8()});
}

void TextSpeaker::Tysta()
{
    m_kanal->tysta();
    emit tystades();
}

int TextSpeaker::TalTempo() const
{
    return Motor::instans().tempo();
}

int TextSpeaker::AntalRoester() const
{
    return int(Motor::instans().roester().size());
}

TalRoest TextSpeaker::Roest(int index) const
{
    const auto& roester = Motor::instans().roester();
    return index >= 0 && index < int(roester.size()) ? roester[size_t(index)] : TalRoest();
}

TalRoest TextSpeaker::AktuellRoest() const
{
    return roest();
}

bool TextSpeaker::VaeljRoest(const TalRoest& roest)
{
    if (!spaerradRoest().isEmpty() && roest.RoestNamn() == spaerradRoest())
        return false;
    for (const TalRoest& r : Motor::instans().roester())
        if (r.id() == roest.id()) {
            m_roest = r;
            return true;
        }
    return false;
}

bool TextSpeaker::SparaRoest(const QString& nyckel)
{
    return TalsyntesFinns() && roest().giltig()
           && SettingsStore::SaveSetting(RoestSektion, nyckel, roest().RoestNamn());
}

bool TextSpeaker::HaemtaRoest(const QString& nyckel)
{
    if (!TalsyntesFinns())
        return false;
    const auto namn = SettingsStore::las(RoestSektion, nyckel);
    if (!namn)
        return VaeljRoest(svenskRoest());
    for (const TalRoest& r : Motor::instans().roester())
        if (r.RoestNamn() == *namn)
            return VaeljRoest(r);
    return false;
}

bool TextSpeaker::Talar() const
{
    std::lock_guard<std::mutex> laas(m_kanal->mutex);
    return m_kanal->vaentande > 0 || (m_kanal->stroem && !m_kanal->stroem->faerdig());
}

void TextSpeaker::spaerraRoest(const QString& namn)
{
    spaerradRoest() = namn;
}
