// The on-screen file selector: the exercise files of one type, one name at
// a time in the menu box, stepped with arrows, Space or a first letter, and
// loaded with Enter or a click on the name.
#include "trainer/FrmPluvo.h"

#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/TextConversion.h"
#include "common/Twips.h"
#include "common/OevningsNamn.h"

#include <QDir>
#include <QFontMetrics>

namespace {

// The shown name as it is read aloud: the leading blank, the name and its
// dot, without the three-letter ending and the trailing blank.
QString utanAendelse(const QString& visatNamn)
{
    return visatNamn.left(std::max<qsizetype>(0, visatNamn.size() - 4));
}

bool aerLjudOevning(const QString& filnamn)
{
    return filnamn.right(3).toLower() == QLatin1String("gls");
}

}  // namespace

void FrmPluvo::VisaOevningslista()
{
    ModPluvo& m = modPluvo();
    switch (m.Tillstaand) {
    case ListaRtt: filPluvo.setPattern(QStringLiteral("*.rtt")); break;
    case ListaOrd: filPluvo.setPattern(QStringLiteral("*.ord")); break;
    case ListaGlo: filPluvo.setPattern(QStringLiteral("*.glo;*.gls")); break;
    case ListaTst: filPluvo.setPattern(QStringLiteral("*.tst")); break;
    default: break;
    }
    // A folder that is missing or cannot be read lists nothing, and so
    // counts as a type without files.
    filPluvo.setPath(m.OevningsMapp);
    filPluvo.Refresh();
    const int antal = filPluvo.ListCount();

    if (antal == 0) {
        VisaMeddelande(QStringLiteral(" Övningar av denna typ saknas. "));
        m.Tillstaand = Huvudmeny;
        VisaHuvudmeny();
        return;
    }

    for (Etikett* val : labMenyVal)
        val->hide();

    // The name stands in the middle of the menu box in the highlight colour
    // and the menu items' font.
    labFilnamn->setAutoSize(false);
    labFilnamn->setAlignment(Qt::AlignCenter);
    labFilnamn->setForeColor(labOrd[0]->ForeColor());
    QFont font = labFilnamn->font();
    font.setFamily(labMenyVal[0]->font().family());
    font.setPointSizeF(labMenyVal[0]->FontSize());
    font.setBold(false);
    labFilnamn->setFont(font);
    Twips::setWidth(labFilnamn, Twips::Width(shaRam[1]));
    Twips::setLeft(labFilnamn, Twips::Left(shaRam[1]));
    Twips::setHeight(labFilnamn, Twips::fraanPixlar(QFontMetrics(font).height()));
    Twips::setTop(labFilnamn, Twips::Top(shaRam[1]) + (Twips::Height(shaRam[1]) - Twips::Height(labFilnamn)) / 2);

    FilIndex = AktuellFilIndex();
    visaFilnamn();
    labFilnamn->show();

    if (SkaLaesaUpp())
        Laes(QStringLiteral("Hämta övning, ") + utanAendelse(labFilnamn->Caption()));

    Twips::setTop(picUpp, Twips::Top(labFilnamn) - Twips::Height(picUpp));
    Twips::setLeft(picUpp, Twips::Left(shaRam[1]) + (Twips::Width(shaRam[1]) - Twips::Width(picUpp)) / 2);
    Twips::setTop(picNer, Twips::Top(labFilnamn) + Twips::Height(labFilnamn));
    Twips::setLeft(picNer, Twips::Left(picUpp));
    Twips::setLeft(imaMun, Twips::Left(picUpp) + Twips::Width(picUpp) * 11 / 10);
    Twips::setTop(imaMun, Twips::Top(picUpp) + (Twips::Height(picUpp) - Twips::Height(imaMun)) / 2);

    // With one file there is nothing to step to.
    picUpp->setVisible(antal > 1);
    picNer->setVisible(antal > 1);
}

// Shows the name at FilIndex: in lower case, with the mouth picture beside
// a sound exercise. A name wider than the menu box widens the label around
// the box's middle rather than being cut off.
void FrmPluvo::visaFilnamn()
{
    const QString namn = filPluvo.List(FilIndex);
    labFilnamn->setCaption(" " + namn.toLower() + " ");
    const double boxBredd = Twips::Width(shaRam[1]);
    const double textBredd = Twips::fraanPixlar(labFilnamn->sizeHint().width());
    const double bredd = std::max(boxBredd, textBredd);
    Twips::setWidth(labFilnamn, bredd);
    Twips::setLeft(labFilnamn, Twips::Left(shaRam[1]) + (boxBredd - bredd) / 2);
    imaMun->setVisible(aerLjudOevning(namn));
}

// The name at FilIndex shown, and read aloud when names are read.
void FrmPluvo::visaOchLaesFilnamn()
{
    visaFilnamn();
    if (SkaLaesaUpp())
        Laes(utanAendelse(labFilnamn->Caption()));
}

int FrmPluvo::AktuellFilIndex()
{
    QString namn;
    if (!AktuellSoekvaeg.isEmpty()) {
        // The loader keeps the real path, so the real name is compared.
        namn = HaemtaFilnamn(AktuellSoekvaeg);
    } else {
        const QString text = labAktuell->Caption();
        const qsizetype streck = text.indexOf(QLatin1String(" - "));
        if (streck < 0)
            return 0;
        namn = text.mid(streck + 3) + OevningsTypAendelse(modPluvo().OevningsTyp);
    }
    for (int i = 0; i < filPluvo.ListCount(); ++i) {
        if (filPluvo.List(i).compare(namn, Qt::CaseInsensitive) == 0)
            return i;
    }
    return 0;
}

void FrmPluvo::picNer_MouseDown()
{
    // Once a file is being opened the list is gone; a scan tick during the
    // loading message must not step it or bring back its mouth picture.
    if (labFilnamn->isHidden())
        return;
    if (FilIndex < filPluvo.ListCount() - 1)
        ++FilIndex;
    else
        FilIndex = 0;
    visaOchLaesFilnamn();
}

void FrmPluvo::picUpp_MouseDown()
{
    if (labFilnamn->isHidden())
        return;
    if (FilIndex > 0)
        --FilIndex;
    else
        FilIndex = std::max(0, filPluvo.ListCount() - 1);
    visaOchLaesFilnamn();
}

void FrmPluvo::labFilnamn_Click()
{
    OeppnaValdFil();
}

void FrmPluvo::OeppnaValdFil()
{
    labFilnamn->hide();
    picUpp->hide();
    picNer->hide();
    imaMun->hide();

    // The name is shown in lower case, but the file is opened under its
    // real name: this file system tells "Djur.GLO" from "djur.glo".
    if (!labFilnamn->Caption().isEmpty() && FilIndex >= 0 && FilIndex < filPluvo.ListCount())
        LaesInOevning(QDir(filPluvo.Path()).filePath(filPluvo.List(FilIndex)), false);

    VisaHuvudmeny();
}
