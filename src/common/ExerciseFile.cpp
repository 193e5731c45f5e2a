#include "common/ExerciseFile.h"

#include "common/Ansi1252.h"
#include "common/ExerciseFormat.h"
#include "common/Program.h"
#include "common/TextConversion.h"
#include "common/TextFile.h"

#include <algorithm>

namespace {

const QByteArray kRadslut("\r\n");

qsizetype foerstaRadbrytning(const QString& rad)
{
    for (qsizetype i = 0; i < rad.size(); ++i) {
        if (rad[i] == u'\r' || rad[i] == u'\n')
            return i;
    }
    return -1;
}

}  // namespace

QString OevningsHuvud()
{
    return u'[' + Program::Titel + u' ' + QString::number(Program::Major) + u'.'
           + QString::number(Program::Minor) + u'.' + QString::number(Program::Revision) + u']';
}

OevningsfilRader LaesOevningsfilRader(const QString& soekvaeg, const FraagaOmKonvertering& fraaga)
{
    OevningsfilRader resultat;
    const HelaFiler::LaestFil fil = HelaFiler::laes(soekvaeg, StoerstaOevningsfil);
    resultat.status = fil.status;
    if (resultat.status != OevningsfilStatus::Laest)
        return resultat;

    QStringList rader = delaIRader(avkodaTextfil(fil.bytes));
    if (!rader.isEmpty()) {
        if (rader.first().startsWith(u'['))
            rader.removeFirst();
        else
            resultat.konverterad = fraaga && fraaga();
    }
    for (const QString& rad : std::as_const(rader)) {
        if (!rad.isEmpty())
            resultat.rader.append(resultat.konverterad ? KonverteraFraanDos(rad) : rad);
    }
    return resultat;
}

InlaestOevning LaesInOevningsfil(const QString& soekvaeg, const FraagaOmKonvertering& fraaga)
{
    InlaestOevning resultat;
    const OevningsfilRader fil = LaesOevningsfilRader(soekvaeg, fraaga);
    resultat.status = fil.status;
    const qsizetype antal = std::min<qsizetype>(fil.rader.size(), StoerstaAntalOevningsRader);
    resultat.rader.reserve(antal);
    for (qsizetype i = 0; i < antal; ++i)
        resultat.rader.push_back(LaesInOevningTolkaRad(fil.rader[i]));
    return resultat;
}

OevningsfilSkrivning SkrivOevningsfil(const QString& soekvaeg, const QStringList& rader)
{
    OevningsfilSkrivning resultat;
    QByteArray bytes = tillAnsi(OevningsHuvud()).bytes + kRadslut;
    for (int i = 0; i < rader.size(); ++i) {
        const QString& rad = rader[i];
        // A line break inside an entry would split it into two items.
        const qsizetype brytning = foerstaRadbrytning(rad);
        if (brytning >= 0) {
            resultat.fel = OevningsfilSkrivning::Fel::RadbrytningIRad;
            resultat.tecken = rad.mid(brytning, 1);
            resultat.radIndex = i;
            return resultat;
        }
        const AnsiKodning kodad = tillAnsi(rad);
        if (!kodad.ok()) {
            resultat.fel = OevningsfilSkrivning::Fel::TeckenUtanKod;
            resultat.tecken = kodad.felTecken;
            resultat.radIndex = i;
            return resultat;
        }
        bytes += kodad.bytes + kRadslut;
    }

    if (!HelaFiler::skriv(soekvaeg, bytes)) {
        resultat.fel = OevningsfilSkrivning::Fel::KundeInteSkriva;
        resultat.hinder = HelaFiler::skrivhinder(soekvaeg);
    }
    return resultat;
}
