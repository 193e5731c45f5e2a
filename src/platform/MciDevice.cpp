#include "platform/MciDevice.h"

#include "platform/AudioOutput.h"
#include "platform/Ljudfil.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <map>

namespace {

// An open sound holds only its file's name, rate and length: each play opens
// the file again at its start time and the audio thread reads it from there.
struct Enhet {
    QString fil;  // the file found for the path
    int frekvens = 1;
    qint64 frames = 0;
    std::shared_ptr<LjudStroem> stroem;
    qint64 stillaPosition = 0;  // ms, while nothing plays

    qint64 laengdMs() const { return frames * 1000 / frekvens; }
    bool spelar() const { return stroem && !stroem->faerdig(); }
    qint64 positionMs() const { return stroem ? stroem->positionMs() : stillaPosition; }
};

std::map<QString, Enhet>& enheter()
{
    static std::map<QString, Enhet> e;
    return e;
}

// Sound paths from Windows exercise files may differ in case from the real
// names; look each missing step up without regard to case.
QString hittaFil(const QString& vaeg)
{
    if (QFileInfo(vaeg).isFile())
        return vaeg;
    const QStringList delar = vaeg.split('/');
    QString hittad = delar.first();
    for (int i = 1; i < delar.size(); ++i) {
        const QString& del = delar[i];
        QString naesta = hittad + "/" + del;
        if (!del.isEmpty() && !QFileInfo::exists(naesta)) {
            const QStringList namn = QDir(hittad.isEmpty() ? "/" : hittad)
                                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& n : namn)
                if (n.compare(del, Qt::CaseInsensitive) == 0) {
                    naesta = hittad + "/" + n;
                    break;
                }
        }
        hittad = naesta;
    }
    return QFileInfo(hittad).isFile() ? hittad : QString();
}

// A time in milliseconds: decimal digits only.
bool laesTid(const QString& text, qint64& ms)
{
    bool ok = false;
    ms = text.toLongLong(&ok);
    return ok && ms >= 0 && !text.startsWith('+');
}

int oeppna(const QString& vaeg, const QStringList& ord)
{
    if (!ord.isEmpty())
        return Mci::FelKommando;
    if (enheter().count(vaeg))
        return Mci::FelRedanOeppen;
    const QString fil = hittaFil(vaeg);
    if (fil.isEmpty())
        return Mci::FelFilSaknas;
    const auto ljud = Ljudfil::oeppna(fil);
    if (!ljud)
        return Mci::FelFormat;
    Enhet enhet;
    enhet.fil = fil;
    enhet.frekvens = ljud->frekvens();
    enhet.frames = ljud->raeknaFrames();
    enheter().emplace(vaeg, std::move(enhet));
    return Mci::Ok;
}

int spela(Enhet& enhet, const QStringList& ord)
{
    const qint64 laengd = enhet.laengdMs();
    qint64 fraan = -1;
    qint64 till = laengd;
    for (int i = 0; i < ord.size(); i += 2) {
        qint64 tid = 0;
        if (i + 1 >= ord.size() || !laesTid(ord[i + 1], tid))
            return Mci::FelKommando;
        if (ord[i] == "from")
            fraan = tid;
        else if (ord[i] == "to")
            till = tid;
        else
            return Mci::FelKommando;
    }
    // Without "from" it plays on from where it stands, from the start once
    // the end has been reached.
    if (fraan < 0)
        fraan = enhet.positionMs() < laengd ? enhet.positionMs() : 0;
    if (fraan > laengd || till < fraan)
        return Mci::FelUtanfoer;
    till = std::min(till, laengd);
    if (enhet.stroem)
        enhet.stroem->stoppa();
    enhet.stroem.reset();
    enhet.stillaPosition = fraan;
    const qint64 fraanFrame = fraan * enhet.frekvens / 1000;
    auto ljud = Ljudfil::oeppna(enhet.fil);
    if (!ljud || !ljud->soek(fraanFrame))
        return Mci::FelFormat;
    const int kanaler = ljud->kanaler();
    enhet.stroem = AudioOutput::spela(std::move(ljud), kanaler, enhet.frekvens, fraanFrame,
                                      till * enhet.frekvens / 1000);
    return enhet.stroem ? Mci::Ok : Mci::FelUtgaang;
}

int status(const Enhet& enhet, const QStringList& ord, QString& svar)
{
    if (ord.size() != 1)
        return Mci::FelKommando;
    if (ord[0] == "mode")
        svar = enhet.spelar() ? "playing" : "stopped";
    else if (ord[0] == "length")
        svar = QString::number(enhet.laengdMs());
    else if (ord[0] == "position")
        svar = QString::number(enhet.positionMs());
    else
        return Mci::FelKommando;
    return Mci::Ok;
}

}  // namespace

namespace Mci {

int SkickaKommando(const QString& kommando, QString& svar)
{
    const QString k = kommando.trimmed();
    const int mellanrum = k.indexOf(' ');
    if (mellanrum < 0)
        return FelKommando;
    const QString verb = k.left(mellanrum).toLower();
    const QString rest = k.mid(mellanrum + 1).trimmed();
    if (!rest.startsWith('"'))
        return FelKommando;
    const int slutcitat = rest.indexOf('"', 1);
    if (slutcitat < 0)
        return FelKommando;
    const QString vaeg = rest.mid(1, slutcitat - 1);
    const QString svans = rest.mid(slutcitat + 1);
    if (svans.contains('"'))
        return FelCitattecken;
    if (!svans.isEmpty() && !svans.at(0).isSpace())
        return FelKommando;
    const QStringList ord = svans.toLower().split(' ', Qt::SkipEmptyParts);

    QString nyttSvar;
    int kod = Ok;
    if (verb == "open") {
        kod = oeppna(vaeg, ord);
    } else {
        auto it = enheter().find(vaeg);
        if (verb != "play" && verb != "status" && verb != "set" && verb != "close")
            kod = FelKommando;
        else if (it == enheter().end())
            kod = FelEjOeppen;
        else if (verb == "play")
            kod = spela(it->second, ord);
        else if (verb == "status")
            kod = status(it->second, ord, nyttSvar);
        else if (verb == "set")
            kod = ord == QStringList{"time", "format", "ms"} || ord == QStringList{"time", "format", "milliseconds"}
                      ? Ok
                      : FelKommando;
        else if (!ord.isEmpty())
            kod = FelKommando;
        else {
            if (it->second.stroem)
                it->second.stroem->stoppa();
            enheter().erase(it);
        }
    }
    if (kod == Ok)
        svar = nyttSvar;
    return kod;
}

bool FelText(int kod, QString& text)
{
    switch (kod) {
    case FelKommando: text = "Kommandot är okänt eller felskrivet."; return true;
    case FelFilSaknas: text = "Ljudfilen finns inte."; return true;
    case FelFormat: text = "Ljudfilens format kan inte läsas."; return true;
    case FelEjOeppen: text = "Ljudet är inte öppnat."; return true;
    case FelRedanOeppen: text = "Ljudet är redan öppnat."; return true;
    case FelUtanfoer: text = "Tiden ligger utanför ljudet."; return true;
    case FelCitattecken: text = "Sökvägen får inte innehålla citattecken."; return true;
    case FelUtgaang: text = "Ljudutgången kan inte användas."; return true;
    default: return false;
    }
}

}  // namespace Mci
