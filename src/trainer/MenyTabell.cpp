#include "trainer/MenyTabell.h"

#include "common/Ansi1252.h"
#include "common/ModPluvo.h"

namespace {

Menyval val(const QString& rubrik, QChar snabbtangent)
{
    return Menyval{rubrik, snabbtangent, ansiCode(snabbtangent), ansiCode(snabbtangent.toLower())};
}

}  // namespace

const std::vector<Menyval>& menyval(Meny meny)
{
    static const std::vector<Menyval> huvud = {
        val(QStringLiteral("Pluvo"), u'P'), val(QStringLiteral("Läs"), u'L'),
        val(QStringLiteral("Test"), u'T'),  val(QStringLiteral("Hämta"), u'H'),
        // "Sluta" takes its third letter: S is no hot letter anywhere.
        val(QStringLiteral("Sluta"), u'U'),
    };
    static const std::vector<Menyval> normalOmvaend = {
        val(QStringLiteral("Normal"), u'N'),
        val(QStringLiteral("Omvänd"), u'O'),
        val(QStringLiteral("Huvudmeny"), u'H'),
    };
    static const std::vector<Menyval> typ = {
        val(QStringLiteral("Rättstavning"), u'R'), val(QStringLiteral("Ordkunskap"), u'O'),
        val(QStringLiteral("Glosor"), u'G'),       val(QStringLiteral("Övrigt"), u'Ö'),
        val(QStringLiteral("Huvudmeny"), u'H'),
    };
    switch (meny) {
    case Meny::Huvud: return huvud;
    case Meny::NormalOmvaend: return normalOmvaend;
    case Meny::Typ: break;
    }
    return typ;
}

QString verktygstips(const Menyval& val)
{
    return val.rubrik + " = " + val.snabbtangent;
}

std::optional<int> valFoerTangent(Meny meny, int kod)
{
    const std::vector<Menyval>& lista = menyval(meny);
    for (int i = 0; i < static_cast<int>(lista.size()); ++i) {
        if (lista[i].kodStor == kod || lista[i].kodLiten == kod)
            return i;
    }
    return std::nullopt;
}

std::optional<Meny> menyFoerTillstaand(int tillstaand)
{
    switch (tillstaand) {
    case Huvudmeny: return Meny::Huvud;
    case ValPluvo:
    case ValLaes:
    case ValTest: return Meny::NormalOmvaend;
    case HaemtaMeny: return Meny::Typ;
    default: return std::nullopt;
    }
}
