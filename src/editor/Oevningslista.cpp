#include "editor/Oevningslista.h"

#include "common/OevningsNamn.h"
#include "platform/SettingsStore.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace {

// OevningsTyp of the "Ny" menu entries, in menu order.
constexpr std::array<int, 5> NyTyper{1, 2, 3, 5, 4};

const std::array<const char*, 5> NyTexter{"&Rättstavning...", "&Ordkunskap...", "&Glosor...",
                                          "Glosor med &ljud...", "&Övrigt..."};

// OevningsTyp of the save dialog's four-type filter, in filter order.
constexpr std::array<int, 4> SparaSomTyper{1, 2, 3, 4};

bool harTypaendelse(const QString& soekvaeg)
{
    return !OevningsTypFraanFil(soekvaeg).isEmpty() && soekvaeg.right(4).startsWith(u'.');
}

}  // namespace

const QString OeppnaFilter = QString::fromUtf8(
    "Rättstavning (*.rtt)|*.rtt|Ordkunskap (*.ord)|*.ord|Glosor (*.glo)|*.glo|Glosor med ljud (*.gls)|*.gls|"
    "Övrigt (*.tst)|*.tst|Alla typer|*.rtt;*.ord;*.glo;*.tst;*.gls");
const QString SparaSomFilter =
    QString::fromUtf8("Rättstavning (*.rtt)|*.rtt|Ordkunskap (*.ord)|*.ord|Glosor (*.glo)|*.glo|Övrigt (*.tst)|*.tst");
const QString SparaSomFilterLjud = QStringLiteral("Glosor med ljud (*.gls)|*.gls");

QStringList SorteradeRader(const QStringList& rader, Sorteringsordning ordning)
{
    QStringList resultat = rader;
    if (ordning == Sorteringsordning::IOordning) {
        std::shuffle(resultat.begin(), resultat.end(), *QRandomGenerator::global());
        return resultat;
    }
    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(resultat.begin(), resultat.end(),
                     [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    if (ordning == Sorteringsordning::Fallande)
        std::reverse(resultat.begin(), resultat.end());
    return resultat;
}

int OeppnaFilterIndex(const QString& typNamn)
{
    // The open filter lists the types in the order of their numbers, but
    // with "Glosor med ljud" (5) before "Övrigt" (4).
    switch (OevningsTypNummer(typNamn)) {
    case 4: return 5;
    case 5: return 4;
    default: return OevningsTypNummer(typNamn);
    }
}

int SparaSomFilterIndex(const QString& typNamn)
{
    const int typ = OevningsTypNummer(typNamn);
    if (typ == 5)
        return 1;
    const auto hit = std::find(SparaSomTyper.begin(), SparaSomTyper.end(), typ);
    return hit == SparaSomTyper.end() ? 0 : int(hit - SparaSomTyper.begin()) + 1;
}

QString MedTypaendelse(const QString& soekvaeg, bool glosorMedLjud, int filterIndex)
{
    if (harTypaendelse(soekvaeg))
        return soekvaeg;
    int typ = 5;
    if (!glosorMedLjud)
        typ = SparaSomTyper[size_t(std::clamp(filterIndex, 1, int(SparaSomTyper.size())) - 1)];
    return soekvaeg + OevningsTypAendelse(typ);
}

bool AerOevningsfil(const QString& soekvaeg)
{
    const QString installningar = QFileInfo(SettingsStore::filnamn()).canonicalFilePath();
    return harTypaendelse(soekvaeg)
           && (installningar.isEmpty() || QFileInfo(soekvaeg).canonicalFilePath() != installningar);
}

QString IngenOevningsfilText(const QString& soekvaeg)
{
    return QDir::toNativeSeparators(soekvaeg) + QString::fromUtf8(" är ingen övningsfil.\r\n")
           + QString::fromUtf8("Övningar har ändelsen .rtt, .ord, .glo, .gls eller .tst.");
}

QString NyTypNamn(int index)
{
    return index >= 0 && index < int(NyTyper.size()) ? OevningsTypNamn(NyTyper[size_t(index)]) : QString();
}

QString NyTypText(int index)
{
    return index >= 0 && index < int(NyTexter.size()) ? QString::fromUtf8(NyTexter[size_t(index)]) : QString();
}
