// Starting a run: the mode, the run list, the run header, the counters and
// the fact line; the shuffle question and the message window.
#include "trainer/FrmPluvo.h"

#include "common/FrmMeddelande.h"
#include "common/ModPluvo.h"
#include "common/Program.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "trainer/KoerLogik.h"
#include "trainer/LetterBoard.h"

#include <algorithm>

void FrmPluvo::SaettLaege(int Laege)
{
    modPluvo().Tillstaand = Laege;
    BoerjaOevning();
}

void FrmPluvo::BoerjaOevning()
{
    const int tillstaand = modPluvo().Tillstaand;
    if (tillstaand == PluvoVisar)
        labMeny->setCaption("Pluvo");
    else if (tillstaand == Laeser)
        labMeny->setCaption(QString::fromUtf8("Läs"));
    else if (tillstaand == TestVisar)
        labMeny->setCaption("Test");

    for (Etikett* val : labMenyVal)
        val->hide();
    shaRam[1]->hide();
    for (Etikett* bild : imaMeny)
        bild->hide();
    labAktuell->hide();

    StartaOevning();
}

void FrmPluvo::StartaOevning()
{
    ModPluvo& m = modPluvo();
    const bool pluvoEllerTest = m.Tillstaand == PluvoVisar || m.Tillstaand == TestVisar;

    // Rows without a word have nothing to show or type and are left out, as
    // are rows too long to lay out; Omvänd and Test take only the rows that
    // have an explanation.
    Koerlista lista = byggKoerlista(m.OevningsOrdlista, m.Tillstaand, Omvaend);
    m.Ordlista = std::move(lista.rader);
    OmgaangStorlek = int(m.Ordlista.size());
    m.FelOrdlista.assign(size_t(OmgaangStorlek), Uppgift{});

    if (OmgaangStorlek < 1) {
        // Only rows lacking an explanation: the pupil is told so; otherwise
        // the exercise holds no word that can be run at all (none, or only
        // ones too long for the screen).
        if (lista.utanFoerklaring > 0)
            VisaMeddelande(QString::fromUtf8(" Förklaringar saknas. "));
        else
            VisaMeddelande(QString::fromUtf8("Övningen innehåller inga godkända ord"));
        VisaHuvudmeny();
        return;
    }

    txtLoggbok.skrivKoerningsHuvud(m.Tillstaand, m.BlandaKoersel, Omvaend, OmgaangStorlek,
                                   Klocka::Tid(Klocka::Nu()));

    if (m.BlandaKoersel && OmgaangStorlek >= 2)
        BlandaOrdlista();
    if (m.Tillstaand == TestVisar)
        SparaTestlista(OmgaangStorlek);

    if (pluvoEllerTest) {
        // The counters start before the first row is drawn, so nothing
        // typed while a message is up can count against the last run.
        if (menSenaste->isEnabled())
            menSenaste->setEnabled(false);
        lstFel.clear();
        AntalFel = 0;
        OrdFelRaeknat = false;
        FelIOmgaang = 0;
        m.OrdOeverhoppat = false;
    }

    m.AktuelltOrd = 1;
    VisaOrd();
    if (!m.Ordlista[0].Foerklaring.isEmpty())
        VisaFoerklaring();

    if (lista.utanFoerklaring > 0)
        VisaMeddelande(SaknadFoerklaringText(lista.utanFoerklaring));

    if (m.Tillstaand == Laeser) {
        VisaTavla();
        return;
    }
    // Timers keep running while a message is up; only a run still on
    // screen gets its fact line.
    if (m.Tillstaand == Huvudmeny)
        return;

    labFakta[1]->setCaption(QString::number(OmgaangStorlek));
    labFakta[3]->setCaption(QString::number(KvarFigur(OmgaangStorlek, m.AktuelltOrd, FelIOmgaang)));
    labFakta[5]->setCaption(QString::number(AntalFel));
    for (Etikett* fakta : labFakta)
        fakta->show();
    VisaTavla();
}

void FrmPluvo::BlandaOrdlista()
{
    ::BlandaOrdlista(modPluvo().Ordlista);
}

void FrmPluvo::SparaTestlista(int antal)
{
    ModPluvo& m = modPluvo();
    const size_t rader = std::min(size_t(std::max(antal, 0)), m.Ordlista.size());
    m.TestOrdlista.assign(m.Ordlista.begin(), m.Ordlista.begin() + qsizetype(rader));
}

bool FrmPluvo::OevningsTypVaendbar()
{
    const ModPluvo& m = modPluvo();
    switch (m.OevningsTyp) {
    case 1: return m.VaendRtt;
    case 2: return m.VaendOrd;
    case 3:
    case 5: return m.VaendGlo;
    case 4: return m.VaendTst;
    default: return false;
    }
}

void FrmPluvo::FraagaBlanda()
{
    ModPluvo& m = modPluvo();
    const MsgSvar svar = MsgBox(QString::fromUtf8("Skall uppgifterna blandas?"), MsgKnappar::JaNej,
                                MsgIkon::Fraaga, Program::Titel,
                                m.SlumpOrdning ? MsgSvar::Ja : MsgSvar::Nej);
    m.BlandaKoersel = svar == MsgSvar::Ja;
}

void FrmPluvo::VisaMeddelande(const QString& text)
{
    ModPluvo& m = modPluvo();
    m.MeddelandeText = text;
    MeddelandeUtseende utseende;
    utseende.bakgrund = BackColor();
    utseende.textfaerg = labOrd[0]->ForeColor();
    utseende.textStorlek = labMeny->FontSize();
    utseende.fontNamn = labMenyVal[0]->font().family();
    utseende.fontStorlek = labMenyVal[0]->FontSize();
    utseende.pekare = m.AnnanMuspekare ? egenPekare() : QCursor(Qt::ArrowCursor);
    visaMeddelandeFoenster(utseende, this);
}
