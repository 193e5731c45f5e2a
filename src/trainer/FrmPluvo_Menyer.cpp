// The training window's on-screen menus: the main menu, the Normal/Omvänd
// submenu of a mode and the type menu "Hämta övning", drawn with labels in
// the menu box, chosen by hot letter, Space, arrows, Enter, mouse or scan.
#include "trainer/FrmPluvo.h"

#include "common/Ansi1252.h"
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "trainer/LetterBoard.h"
#include "trainer/MenyTabell.h"

namespace {

constexpr int AntalMenyval = 5;

// Hides an item and takes its highlight away before it gets a new caption.
void avmarkera(Etikett* val)
{
    val->hide();
    if (val->ForeColor() != modPluvo().MenyFaerg) {
        val->setForeColor(modPluvo().MenyFaerg);
        val->setBold(false);
    }
}

// Caption and tooltip of one item from its menu's table, so the hot letter
// in the tooltip is always the one that chooses it.
void saettText(Etikett* etikett, const Menyval& val)
{
    etikett->setCaption(val.rubrik);
    etikett->setToolTip(verktygstips(val));
}

// Spreads the five item places evenly over the menu box; the divisor counts
// five items even when the submenu shows three, so its items keep the main
// menu's places.
void placeraMenyval(FrmPluvo& f, int i)
{
    const double T = Twips::Top(f.shaRam[1]);
    const double H = Twips::Height(f.shaRam[1]);
    const double h = Twips::Height(f.labMenyVal[0]);
    Twips::setTop(f.labMenyVal[size_t(i)], T + i * h + (i + 1) * (H - 5 * h) / 6);
}

// The menu box of the main menu and the type menu.
void saettHuvudmenyruta(FrmPluvo& f)
{
    Twips::setTop(f.shaRam[1], modPluvo().SkaermHoejd / 5.0);
    Twips::setHeight(f.shaRam[1], (Twips::Height(f.shaRam[0]) + Twips::Height(f.shaRam[0])) / 3);
}

}  // namespace

void FrmPluvo::VisaHuvudmeny()
{
    ModPluvo& m = modPluvo();
    m.SkanningsVaentan = 2;
    m.Tillstaand = Huvudmeny;

    labMeny->setCaption(QStringLiteral("Träna stavning"));
    Statusrad = QStringLiteral("Träna stavning");
    Omvaend = false;

    VisaTavla();
    m.BlandaKoersel = m.SlumpOrdning;

    for (Etikett* fakta : labFakta)
        fakta->hide();

    const std::vector<Menyval>& val = menyval(Meny::Huvud);
    for (int i = 0; i < AntalMenyval; ++i) {
        Etikett* etikett = labMenyVal[size_t(i)];
        avmarkera(etikett);
        saettText(etikett, val[size_t(i)]);
        if (i == 0) {
            // The submenu shrinks the box; the main menu gives it back its size.
            saettHuvudmenyruta(*this);
        }
        placeraMenyval(*this, i);
        etikett->show();
    }

    PlaceraMenyram();
    for (Etikett* bild : imaMeny)
        bild->show();
    shaRam[0]->raise();
    shaRam[1]->show();

    MenyMarkoer = 0;
    if (labAktuell->isHidden())
        labAktuell->show();

    // Entering the main menu announces the title and the current exercise
    // together with the first item.
    Statusrad = Statusrad + ", " + labAktuell->Caption() + ", ";
    MarkeraMenyval(MenyMarkoer);
}

void FrmPluvo::VisaMenyNormalOmvaend()
{
    modPluvo().SkanningsVaentan = 2;

    const std::vector<Menyval>& val = menyval(Meny::NormalOmvaend);
    for (int i = 0; i < AntalMenyval; ++i) {
        Etikett* etikett = labMenyVal[size_t(i)];
        avmarkera(etikett);
        if (i < int(val.size()))
            saettText(etikett, val[size_t(i)]);
        placeraMenyval(*this, i);
        if (i < int(val.size()))
            etikett->show();
    }

    Twips::setHeight(shaRam[1], Twips::Height(shaRam[0]) * 21 / 50);
    PlaceraMenyram();

    MenyMarkoer = 0;
    MarkeraMenyval(MenyMarkoer);
}

void FrmPluvo::VisaMenyHaemtaOevning()
{
    ModPluvo& m = modPluvo();
    m.SkanningsVaentan = 2;
    m.Tillstaand = HaemtaMeny;

    labMeny->setCaption(QStringLiteral("Hämta övning"));

    const std::vector<Menyval>& val = menyval(Meny::Typ);
    for (int i = 0; i < AntalMenyval; ++i) {
        Etikett* etikett = labMenyVal[size_t(i)];
        avmarkera(etikett);
        saettText(etikett, val[size_t(i)]);
        placeraMenyval(*this, i);
        etikett->show();
    }

    // The menu opens on the type of the loaded exercise; "Glosor med ljud"
    // files are listed under "Glosor".
    switch (m.OevningsTyp) {
    case 1: MenyMarkoer = 0; break;
    case 2: MenyMarkoer = 1; break;
    case 3:
    case 5: MenyMarkoer = 2; break;
    case 4: MenyMarkoer = 3; break;
    default: MenyMarkoer = 0; break;
    }
    MarkeraMenyval(MenyMarkoer);
}

// The drawn menu follows a new usable area: the box and the item places
// as its menu set them, the submenu's items on the main menu's places.
void FrmPluvo::placeraMenyOm()
{
    const int t = modPluvo().Tillstaand;
    if (t != Huvudmeny && t != HaemtaMeny && !iUndermeny(t))
        return;
    saettHuvudmenyruta(*this);
    for (int i = 0; i < AntalMenyval; ++i)
        placeraMenyval(*this, i);
    if (iUndermeny(t))
        Twips::setHeight(shaRam[1], Twips::Height(shaRam[0]) * 21 / 50);
    PlaceraMenyram();
}

void FrmPluvo::PlaceraMenyram()
{
    const double t = Skaerm::Height() / 50;
    const double L = Twips::Left(shaRam[1]);
    const double T = Twips::Top(shaRam[1]);
    const double W = Twips::Width(shaRam[1]);
    const double H = Twips::Height(shaRam[1]);

    Twips::placera(imaMeny[0], L, T - t, W, t);
    Twips::placera(imaMeny[1], L + W, T, t, H);
    Twips::placera(imaMeny[2], Twips::Left(imaMeny[0]), T + H, Twips::Width(imaMeny[0]), t);
    Twips::placera(imaMeny[3], L - t, T, t, H);
}

void FrmPluvo::MarkeraMenyval(int Index)
{
    if (Index < 0 || Index >= AntalMenyval)
        return;
    const QColor markerad = labOrd[0]->ForeColor();
    if (labMenyVal[size_t(Index)]->ForeColor() != markerad) {
        for (int i = 0; i < AntalMenyval; ++i) {
            Etikett* val = labMenyVal[size_t(i)];
            val->setForeColor(i == Index ? markerad : modPluvo().MenyFaerg);
            val->setBold(val->ForeColor() == markerad);
        }
    }

    QString text;
    if (!Statusrad.isEmpty()) {
        text = Statusrad + ", ";
        Statusrad.clear();
    }
    text += labMenyVal[size_t(Index)]->Caption();
    if (SkaLaesaUpp())
        Laes(text);
}

void FrmPluvo::labMenyVal_MouseMove(int Index)
{
    if (Index != MenyMarkoer) {
        MenyMarkoer = Index;
        MarkeraMenyval(MenyMarkoer);
    }
}

void FrmPluvo::labMenyVal_Click(int Index)
{
    ModPluvo& m = modPluvo();
    menPluvo->setEnabled(false);
    menLaes->setEnabled(false);
    menTest->setEnabled(false);

    // A mode item of the main menu: the submenu for a reversible type, the
    // run at once for another loaded type, a message when nothing is loaded.
    auto vaeljLaege = [&](int valTillstaand, int koerTillstaand) {
        if (OevningsTypVaendbar()) {
            m.Tillstaand = valTillstaand;
            VisaMenyNormalOmvaend();
        } else if (m.OevningsTyp != 0) {
            SaettLaege(koerTillstaand);
        } else {
            VisaMeddelande(QStringLiteral(" Övning saknas. ") + "\r\n" + QStringLiteral(" Hämta övning! "));
        }
    };

    switch (m.Tillstaand) {
    case Huvudmeny:
        switch (Index) {
        case 0: vaeljLaege(ValPluvo, PluvoVisar); break;
        case 1: vaeljLaege(ValLaes, Laeser); break;
        case 2: vaeljLaege(ValTest, TestVisar); break;
        case 3: VisaMenyHaemtaOevning(); break;
        case 4: LaddaUrObjekt(); break;
        default: break;
        }
        break;
    case ValPluvo:
    case ValLaes:
    case ValTest: {
        const int koerTillstaand = m.Tillstaand == ValPluvo ? PluvoVisar
                                   : m.Tillstaand == ValLaes ? Laeser
                                                             : TestVisar;
        switch (Index) {
        case 0: SaettLaege(koerTillstaand); break;
        case 1:
            Omvaend = true;
            SaettLaege(koerTillstaand);
            break;
        case 2: VisaHuvudmeny(); break;
        default: break;
        }
        break;
    }
    case HaemtaMeny:
        switch (Index) {
        case 0:
        case 1:
        case 2:
        case 3:
            m.Tillstaand = ListaRtt + Index;
            VisaOevningslista();
            break;
        case 4: VisaHuvudmeny(); break;
        default: break;
        }
        break;
    default: break;
    }
}

void FrmPluvo::HanteraTecken(int KeyAscii)
{
    ModPluvo& m = modPluvo();
    switch (m.Tillstaand) {
    case Huvudmeny:
    case ValPluvo:
    case ValLaes:
    case ValTest:
    case HaemtaMeny:
        if (const std::optional<Meny> meny = menyFoerTillstaand(m.Tillstaand)) {
            if (const std::optional<int> val = valFoerTangent(*meny, KeyAscii))
                labMenyVal_Click(*val);
        }
        break;
    case PluvoVisar:
    case TestVisar:
        // A letter while the word is shown hides it and counts as typed.
        StoppaAutostart();
        NaestaSteg();
        KontrolleraTangent(KeyAscii);
        break;
    case PluvoSkriver:
    case TestSkriver: KontrolleraTangent(KeyAscii); break;
    case ListaRtt:
    case ListaOrd:
    case ListaGlo:
    case ListaTst: {
        // Jumps to the next name that begins with the letter, round the
        // list; a letter no other name begins with leaves the name shown.
        const int antal = filPluvo.ListCount();
        const QChar tecken = ansiChar(KeyAscii).toLower();
        int index = FilIndex;
        int steg = 0;
        bool hittad = false;
        while (antal > 0 && steg < antal) {
            index = index < antal - 1 ? index + 1 : 0;
            ++steg;
            // A name written with a separate accent mark still begins with
            // its accented letter.
            const QString namn = filPluvo.List(index).normalized(QString::NormalizationForm_C);
            if (!namn.isEmpty() && namn.at(0).toLower() == tecken) {
                hittad = true;
                break;
            }
        }
        if (hittad && steg < antal) {
            FilIndex = index;
            visaOchLaesFilnamn();
        }
        TangentNere = true;
        break;
    }
    default: break;
    }
}
