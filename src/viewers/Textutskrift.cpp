#include "viewers/Textutskrift.h"

#include "common/TextFile.h"
#include "common/Twips.h"
#include "platform/MessageBox.h"
#include "platform/Skrivare.h"
#include "platform/Timglas.h"

#include <algorithm>
#include <cmath>

QStringList ordbrytText(const QString& text, double radbredd,
                        const std::function<double(const QString&)>& textbredd)
{
    QStringList rader;
    for (const QString& stycke : delaIRader(text)) {
        // The line so far, each word followed by its blank.
        QString rad;
        qsizetype boerjan = 0;
        while (boerjan < stycke.size()) {
            qsizetype blank = stycke.indexOf(u' ', boerjan);
            if (blank < 0)
                blank = stycke.size();
            const QString ord = stycke.mid(boerjan, blank - boerjan);
            boerjan = blank + 1;
            // An empty line never goes before a word too wide for any line.
            if (!rad.isEmpty() && textbredd(rad + ord) > radbredd) {
                rader << rad.chopped(1);
                rad.clear();
            }
            rad += ord + u' ';
        }
        rader << (rad.isEmpty() ? rad : rad.chopped(1));
    }
    return rader;
}

int raderPerSida(double sidhoejd, double marginal, double radhoejd)
{
    if (radhoejd <= 0)
        return 1;
    return std::max(1, int(std::floor((sidhoejd - 2 * marginal) / radhoejd)) + 1);
}

QList<QStringList> delaISidor(const QStringList& rader, int perSida)
{
    QList<QStringList> sidor;
    for (qsizetype i = 0; i < rader.size(); i += perSida)
        sidor << rader.mid(i, perSida);
    return sidor;
}

namespace {

bool skrivKopia(Skrivare& skrivare, const QList<QStringList>& sidor, double M, double T)
{
    for (qsizetype s = 0; s < sidor.size(); ++s) {
        if (s > 0 && !skrivare.NySida())
            return false;
        skrivare.CurrentY = T;
        for (const QString& rad : sidor[s]) {
            skrivare.CurrentX = M;
            skrivare.Print(rad);
        }
    }
    return true;
}

}  // namespace

void SkrivUtText(QWidget* aegare, const QString& text, const QFont& font)
{
    Skrivare skrivare;
    if (!skrivare.VisaDialog(aegare))
        return;
    Timglas timglas;
    timglas.paa();

    const double M = skrivare.ScaleWidth() / 12;
    const double T = double(Twips::avrunda(skrivare.ScaleHeight() / 16));
    skrivare.SaettTeckensnitt(font.family());
    skrivare.SaettStorlek(font.pointSizeF());

    const QStringList rader = ordbrytText(text, skrivare.ScaleWidth() - 2 * M,
                                          [&](const QString& t) { return skrivare.TextWidth(t); });
    const QList<QStringList> sidor =
        delaISidor(rader, raderPerSida(skrivare.ScaleHeight(), T, skrivare.TextHeight(QString())));
    if (sidor.isEmpty())
        return;

    if (!skrivare.SkrivKopior(QStringLiteral("Pluvo"), [&] { return skrivKopia(skrivare, sidor, M, T); })) {
        timglas.av();
        MsgBox(QStringLiteral("Problem vid utskrift"), MsgKnappar::Ok, MsgIkon::Information,
               QStringLiteral("Utskrift"));
    }
}
