#include "editor/Oevningsutskrift.h"

#include "common/ModPluvo.h"
#include "common/Program.h"
#include "common/TextConversion.h"
#include "editor/FrmOptions1.h"
#include "editor/Oevningssidor.h"
#include "platform/MessageBox.h"
#include "platform/Skrivare.h"
#include "platform/Timglas.h"

#include <QRandomGenerator>

namespace {

constexpr double RubrikStorlek = 10;

// The item size of each print size setting; another value keeps the
// printer's size.
void saettUtskriftsstorlek(Skrivare& skrivare, int storlek)
{
    switch (storlek) {
    case 0: skrivare.SaettStorlek(10); break;
    case 1: skrivare.SaettStorlek(18); break;
    case 2: skrivare.SaettStorlek(26); break;
    default: break;
    }
}

void skrivSidhuvud(Skrivare& skrivare, const Kolumnsida& sida, const QString& filnamn, int nummer)
{
    const double storlek = skrivare.TeckenStorlek();
    skrivare.SaettStorlek(RubrikStorlek);
    const QString sidtext = "Sidan " + QString::number(nummer) + " av " + QString::number(sida.sidor);
    skrivare.CurrentX = sida.marginal;
    skrivare.CurrentY = skrivare.TextHeight(filnamn);
    skrivare.Print(filnamn);
    skrivare.CurrentX = skrivare.ScaleWidth() - sida.marginal - skrivare.TextWidth(sidtext);
    skrivare.CurrentY = skrivare.TextHeight(sidtext);
    skrivare.Print(sidtext);
    skrivare.SaettStorlek(storlek);
}

bool skrivKopia(Skrivare& skrivare, const Kolumnsida& sida, const QStringList& rader,
                const QList<int>& ordning, const QString& filnamn)
{
    int sidnummer = 0;
    for (int k = 0; k < ordning.size(); ++k) {
        const Placering plats = placering(sida, k);
        if (plats.sida != sidnummer) {
            if (sidnummer > 0 && !skrivare.NySida())
                return false;
            sidnummer = plats.sida;
            skrivSidhuvud(skrivare, sida, filnamn, sidnummer);
        }
        skrivare.CurrentX = plats.x;
        skrivare.CurrentY = plats.y;
        skrivare.Print(rader[ordning[k]]);
    }
    return true;
}

}  // namespace

void SkrivUtOevning(QWidget* aegare, const QString& aktuellFil, const QStringList& rader,
                    const QString& teckensnitt)
{
    // A job without items would come out as a blank page.
    if (rader.isEmpty())
        return;
    Skrivare skrivare;
    if (!skrivare.VisaDialog(aegare))
        return;
    Timglas timglas;
    timglas.paa();

    const ModPluvo& m = modPluvo();
    // One order for the whole command, so every copy is the same.
    const QList<int> ordning = utskriftsordning(int(rader.size()), m.UtskriftOrdning == 0,
                                                [] { return QRandomGenerator::global()->generateDouble(); });

    skrivare.SaettTeckensnitt(teckensnitt);
    saettUtskriftsstorlek(skrivare, m.UtskriftStorlek);
    QString bredast;
    for (const QString& rad : rader) {
        if (skrivare.TextWidth(bredast) < skrivare.TextWidth(rad))
            bredast = rad;
    }
    const Kolumnsida sida = beraeknaKolumnsida(skrivare.ScaleWidth(), skrivare.ScaleHeight(),
                                               skrivare.TextWidth(bredast), skrivare.TextHeight(bredast),
                                               int(rader.size()));
    if (sida.foerBred) {
        timglas.av();
        MsgBox(QStringLiteral("Övningen innehåller rad/er som är för lång/a.\r\nDessa rader avkortas"),
               MsgKnappar::Ok, MsgIkon::Information, Program::Titel);
        timglas.paa();
    }

    const QString filnamn = HaemtaFilnamn(aktuellFil).toLower();
    if (!skrivare.SkrivKopior(filnamn, [&] { return skrivKopia(skrivare, sida, rader, ordning, filnamn); })) {
        timglas.av();
        MsgBox("Problem vid utskrift\r\n(Fel: " + QString::number(SkrivarFelNummer) + ")", MsgKnappar::Ok,
               MsgIkon::Information, QStringLiteral("Utskrift"));
    }
}

void VisaUtskriftsinstaellningar(QWidget* aegare)
{
    FrmOptions1 installning(aegare);
    installning.exec();
}
