#include "common/SpeechSound.h"

#include "common/ModPluvo.h"
#include "common/Program.h"
#include "common/SoundClip.h"
#include "platform/MciDevice.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundRecorder.h"
#include "platform/TextSpeaker.h"

namespace {

LjudKoppling koppling;

// The reply buffer of the multimedia interface holds 128 characters with
// its terminating NUL.
constexpr int SvarLaengd = 127;
// A busy device ("mmsystem288") is asked again, but only a few times.
constexpr int MaxFoersoek = 3;

}  // namespace

void saettLjudKoppling(const LjudKoppling& k)
{
    koppling = k;
}

const LjudKoppling& ljudKoppling()
{
    return koppling;
}

bool SkaLaesaUpp()
{
    const ModPluvo& m = modPluvo();
    switch (m.Tillstaand) {
    case Huvudmeny:
    case ValPluvo:
    case ValLaes:
    case ValTest:
    case HaemtaMeny:
    case ListaRtt:
    case ListaOrd:
    case ListaGlo:
    case ListaTst:
        return m.LaesMeny && m.TalFinns;
    case PluvoVisar:
    case PluvoSkriver:
    case Laeser:
    case TestVisar:
    case TestSkriver:
        return m.OevningsTyp == 5 || (m.LaesOevning && m.TalFinns);
    default:
        return false;
    }
}

void Laes(const QString& text)
{
    // The main menu's title is spoken as two words.
    const QString saegs = text == "Huvudmeny" ? QStringLiteral("huvud meny") : text;
    if (koppling.roest1)
        koppling.roest1->Tysta();
    if (modPluvo().TvaaRoester && koppling.roest2)
        koppling.roest2->Tysta();
    if (koppling.roest1)
        koppling.roest1->Tala(saegs);
}

QString MciKommando(const QString& kommando)
{
    QString fel;
    for (int foersoek = 0; foersoek < MaxFoersoek; ++foersoek) {
        QString svar;
        const int kod = Mci::SkickaKommando(kommando, svar);
        if (kod == 0) {
            modPluvo().MciSvar = svar.left(SvarLaengd);
            return QString();
        }
        if (!Mci::FelText(kod, fel))
            fel = "Fel";
        if (fel.left(11).toLower() != "mmsystem288")
            break;
    }
    return fel;
}

void SpelaLjud(const QString& referens, bool bevaka)
{
    ModPluvo& m = modPluvo();
    if (!m.OeppetLjud.isEmpty())
        StaengLjud();
    if (referens.isEmpty())
        return;

    QString ref = referens;
    // "\ljud\ord.wav" in an exercise file lies under the program folder.
    if (ref.startsWith('\\'))
        ref = ProgramMapp::vaeg() + ref.mid(1).replace('\\', '/');

    const SpelaLjudReferens tolkad = SpelaLjudTolkaReferens(ref);
    const QString q = '"' + tolkad.soekvaeg + '"';
    const QString oeppnaFel = MciKommando("Open " + q);
    if (oeppnaFel.isEmpty()) {
        const QString spela = tolkad.medKlipp ? "Play " + q + " from " + QString::number(tolkad.start) + " to " +
                                                    QString::number(tolkad.slut)
                                              : "Play " + q;
        if (MciKommando(spela).isEmpty()) {
            m.OeppetLjud = q;
            if (bevaka && koppling.bevakaLjud)
                koppling.bevakaLjud();
        } else {
            // Nothing is reported, but the device is not left open behind
            // OeppetLjud's back.
            MciKommando("Close " + q);
        }
    } else if (!bevaka) {
        MsgBox("Ljudet " + q + " kan ej spelas.\r\nOrsak: " + oeppnaFel, MsgKnappar::Ok, MsgIkon::Information,
               Program::Titel);
    }
}

void StaengLjud()
{
    ModPluvo& m = modPluvo();
    if (m.OeppetLjud.isEmpty())
        return;
    MciKommando("Close " + m.OeppetLjud);
    m.OeppetLjud.clear();
}

bool LjudetSlut(const QString& svar)
{
    for (const char* ord : {"avstannad", "gjorde paus", "stopped", "stoppet"}) {
        if (svar.contains(QString::fromUtf8(ord), Qt::CaseSensitive))
            return true;
    }
    return false;
}

void StartaLjudinspelare()
{
    Ljudinspelare::starta();
}
