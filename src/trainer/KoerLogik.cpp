#include "trainer/KoerLogik.h"

#include "common/ExerciseFormat.h"
#include "common/ModPluvo.h"

#include <QDateTime>
#include <algorithm>
#include <memory>
#include <random>
#include <utility>

namespace {

const QString CRLF = QStringLiteral("\r\n");

Uppgift omvaend(const Uppgift& rad)
{
    return Uppgift{rad.Foerklaring, rad.FoerklaringUttal, rad.Ord, rad.OrdUttal};
}

}  // namespace

bool RadFaarPlats(const Uppgift& rad)
{
    return rad.Ord.size() <= EtiketterPerText && rad.Foerklaring.size() <= EtiketterPerText;
}

Koerlista byggKoerlista(const Uppgiftslista& oevning, int tillstaand, bool omvaendKoerning)
{
    const bool baraMedFoerklaring = omvaendKoerning || tillstaand == TestVisar;
    Koerlista resultat;
    for (const Uppgift& rad : oevning) {
        if (baraMedFoerklaring && rad.Foerklaring.isEmpty()) {
            // A row without a word is no word lacking an explanation.
            if (!rad.Ord.isEmpty())
                ++resultat.utanFoerklaring;
            continue;
        }
        Uppgift koerRad = omvaendKoerning ? omvaend(rad) : rad;
        // Nothing to show or type, or more than the screen can lay out.
        if (koerRad.Ord.isEmpty() || !RadFaarPlats(koerRad))
            continue;
        resultat.rader.push_back(std::move(koerRad));
    }
    return resultat;
}

Slumpkaella klockseedadSlump()
{
    auto motor = std::make_shared<std::mt19937>(
        static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
    return [motor] { return std::generate_canonical<double, 32>(*motor); };
}

void BlandaOrdlista(Uppgiftslista& lista, const Slumpkaella& slump)
{
    const int antal = static_cast<int>(lista.size());
    if (antal < 2)
        return;
    const Slumpkaella kaella = slump ? slump : klockseedadSlump();
    auto dra = [&] {
        // A source giving exactly 1.0 must still name a row.
        return std::clamp(static_cast<int>(kaella() * antal), 0, antal - 1);
    };
    for (int i = 0; i < antal; ++i) {
        int j = dra();
        while (j == i)
            j = dra();
        std::swap(lista[i], lista[j]);
    }
}

QChar AccentTabell(QChar vaentat)
{
    struct Rad {
        const char16_t* former;
        char16_t tangent;
    };
    static const Rad tabell[] = {
        {u"áàâã", u'a'}, {u"ÁÀÂÃ", u'A'}, {u"ç", u'c'},     {u"Ç", u'C'},   {u"éèêë", u'e'},
        {u"ÉÈÊË", u'E'}, {u"íìîï", u'i'}, {u"ÍÌÎÏ", u'I'},  {u"ñ", u'n'},   {u"Ñ", u'N'},
        {u"óòôõ", u'o'}, {u"ÓÒÔÕ", u'O'}, {u"úùûüµ", u'u'}, {u"ÚÙÛÜ", u'U'}, {u"ýÿ", u'y'},
        {u"Ý", u'Y'},    {u"æ", u'ä'},    {u"Æ", u'Ä'},
    };
    for (const Rad& rad : tabell) {
        if (QString::fromUtf16(rad.former).contains(vaentat))
            return QChar(rad.tangent);
    }
    return QChar();
}

bool TeckenGodtas(QChar skrivet, QChar vaentat, bool exaktMatchning)
{
    if (skrivet == vaentat)
        return true;
    if (exaktMatchning)
        return false;
    const QChar tangent = AccentTabell(vaentat);
    return !tangent.isNull() && tangent == skrivet;
}

bool SoekAlternativOrd(const Uppgiftslista& testOrdlista, const Uppgift& aktuell, QChar skrivet,
                       int position)
{
    return std::any_of(testOrdlista.begin(), testOrdlista.end(), [&](const Uppgift& rad) {
        return rad.Foerklaring == aktuell.Foerklaring && rad.Ord != aktuell.Ord &&
               rad.Ord.size() >= position + 1 && rad.Ord.indexOf(skrivet) == position;
    });
}

QString FelordRad(const Uppgift& rad)
{
    // The exercise line itself: a pronunciation of a missing explanation is
    // left out, so the editor never reads it as the word's.
    return OevningsRad(rad);
}

bool LaeggTillFelord(QStringList& felord, const QString& rad)
{
    if (felord.contains(rad))
        return false;
    felord.append(rad);
    return true;
}

int KvarFigur(int omgaangStorlek, int aktuelltOrd, int felIOmgaang)
{
    return omgaangStorlek - aktuelltOrd + 1 + felIOmgaang;
}

int KvarILaesning(int omgaangStorlek, int aktuelltOrd)
{
    return omgaangStorlek - aktuelltOrd + 1;
}

int AvklaradeOrd(int antalUppgifter, int kvar, bool ordFelRaeknat)
{
    return antalUppgifter - kvar + (ordFelRaeknat ? 1 : 0);
}

QString AvbrottsSammanfattning(int avklarade, int kvar, bool oeverhoppat)
{
    const QString n = QString::number(avklarade);
    const QString k = QString::number(kvar);
    if (oeverhoppat)
        return " Övningen har avbrutits. " + CRLF + " Du har tränat" + CRLF + "på " + n + " ord " +
               CRLF + " och har " + k + " kvar. ";
    return " Övningen har avbrutits. " + CRLF + " Du har pluvot" + CRLF + "till " + n + " ord " +
           CRLF + " och har " + k + " kvar. ";
}

QString SlutSammanfattning(int antalUppgifter, bool oeverhoppat)
{
    const QString m = QString::number(antalUppgifter);
    if (oeverhoppat)
        return " Du har tränat " + CRLF + " på " + m + " ord " + CRLF + " och är klar. ";
    return " Du har pluvot " + CRLF + " till " + m + " ord " + CRLF + " och är klar. ";
}

QString SaknadFoerklaringText(int antal)
{
    return " " + QString::number(antal) + " ord saknar " + CRLF + " förklaring och tas bort. ";
}

QString StatusradText(const std::array<QString, 6>& fakta)
{
    QString text;
    for (int i = 0; i < 6; ++i) {
        text += fakta[i];
        if (i % 2 == 1) {
            text += ".";
        } else {
            text.chop(1);
            text += ",";
        }
    }
    return text;
}

float PratVaentan(int talTempo, float faktor, int antalTecken)
{
    float vaentan = faktor * static_cast<float>(talTempo);
    if (vaentan == 0.0f)
        vaentan = faktor * 150.0f;
    return vaentan * static_cast<float>(antalTecken);
}

double PratFoerdroejning(float pratVaentan)
{
    return pratVaentan / 1000.0 + 0.5;
}
