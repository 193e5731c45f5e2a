// Applying the settings window's pages: each control that differs from its
// setting changes the setting, the training window where it shows, and its
// stored key at once. Controls equal to their settings store nothing.
#include "settings/FrmOptions2.h"

#include "common/Etikett.h"
#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "common/Program.h"
#include "common/SettingsRules.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "settings/InstaellningsRegler.h"
#include "settings/Traeningsfoenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

#include <cmath>

namespace {

void spara(const char* sektion, const char* nyckel, const QString& text)
{
    SettingsStore::SaveSetting(QString::fromUtf8(sektion), QString::fromUtf8(nyckel), text);
}

QString sant(bool varde)
{
    return varde ? QStringLiteral("True") : QStringLiteral("False");
}

// A box that stands for a Boolean setting (`omvaend`: it shows the setting's
// opposite). When it differs, the setting turns and its key is stored.
void jaemfoerOchVaend(const QCheckBox* ruta, bool& variabel, const char* sektion, const char* nyckel,
                      bool omvaend = false)
{
    if (ruta->checkState() == Qt::PartiallyChecked)
        return;
    if ((ruta->isChecked() != omvaend) == variabel)
        return;
    variabel = !variabel;
    spara(sektion, nyckel, sant(variabel));
}

}  // namespace

void FrmOptions2::UtfoerFlik(int Flik)
{
    switch (Flik) {
    case 1: utfoerFaerger(); break;
    case 2: utfoerTeckensnitt(); break;
    case 3: utfoerLjud(); break;
    case 4: utfoerSpecial(); break;
    case 5: utfoerStyrning(); break;
    case 6: utfoerFilkatalog(); break;
    default: break;
    }
}

void FrmOptions2::utfoerFaerger()
{
    ModPluvo& m = modPluvo();
    if (ValdStil == m.FaergStil)
        return;
    m.FaergStil = ValdStil;
    m_frmPluvo.saettFaergStil(m.FaergStil);
    spara("Utseende", "Stil", QString::number(m.FaergStil));
}

void FrmOptions2::utfoerTeckensnitt()
{
    const QString namn = labFont->font().family();
    if (namn == m_frmPluvo.ordFontnamn())
        return;
    // Fitted from the letters' present size, on the steps start-up took, the
    // font gets the size the next start gives it; the sample then shows it.
    m_frmPluvo.saettOrdFont(namn, modPluvo().OrdStorlek);
    spara("Teckensnitt", "Font", namn);
    cbxFont_Click();
}

void FrmOptions2::utfoerLjud()
{
    ModPluvo& m = modPluvo();
    jaemfoerOchVaend(chkPipLjud, m.PipVidFel, "Ljud", "pip");
    if (!m_talFinns)
        return;

    // Two voices that are the same voice count as one.
    const bool sammaRoest = comRoester->currentText() == comRoester2->currentText();
    if (chkTvaa->isChecked() && sammaRoest)
        chkTvaa->setChecked(false);
    if (!chkTvaa->isChecked() && !sammaRoest)
        comRoester2->setCurrentIndex(comRoester->currentIndex());
    jaemfoerOchVaend(chkTvaa, m.TvaaRoester, "Ljud", "tvaa");

    if (Roest1Index != Roest1Start)
        vaeljRoest(1);
    if (m.TvaaRoester && Roest2Index != Roest2Start)
        vaeljRoest(2);

    jaemfoerOchVaend(chkLaesOevning, m.LaesOevning, "Ljud", "oev");
    jaemfoerOchVaend(chkLaesMeny, m.LaesMeny, "Ljud", "men");
}

// Selects the chosen voice on its speech control and stores it there; the
// teacher is told which voice now speaks what.
void FrmOptions2::vaeljRoest(int nummer)
{
    TextSpeaker* kontroll = nummer == 1 ? tspRoest1 : tspRoest2;
    const int index = nummer == 1 ? Roest1Index : Roest2Index;
    if (!kontroll->VaeljRoest(kontroll->Roest(index))) {
        MsgBox(QString::fromUtf8("Kunde inte välja röst %1").arg(nummer), MsgKnappar::Ok, MsgIkon::Information,
               Program::Titel);
        return;
    }
    // A voice that could not be stored is not said to be; the failed write
    // is reported with the rest of the page.
    if (!kontroll->SparaRoest(nummer == 1 ? "MOLVI Pluvo" : "MOLVI Pluvo2"))
        return;
    QString text;
    if (nummer == 1) {
        text = '"' + comRoester->currentText() + '"' +
               (modPluvo().TvaaRoester
                    ? QString::fromUtf8(" har sparats som röst 1\r\nsom används i menyer och till förklaringen.")
                    : QString::fromUtf8(" har sparats som röst."));
    } else {
        text = '"' + comRoester2->currentText() + '"' +
               QString::fromUtf8(" har sparats som röst 2\r\nsom används till ordet.");
    }
    MsgBox(text, MsgKnappar::Ok, MsgIkon::Utropstecken, Program::Titel);
}

void FrmOptions2::utfoerSpecial()
{
    ModPluvo& m = modPluvo();
    jaemfoerOchVaend(chkSpara, m.SparaLoggbokDiskett, "Special", "spd");
    jaemfoerOchVaend(chkVaend[0], m.VaendRtt, "Special", "v_r");
    jaemfoerOchVaend(chkVaend[1], m.VaendOrd, "Special", "v_o");
    jaemfoerOchVaend(chkVaend[2], m.VaendGlo, "Special", "v_g");
    jaemfoerOchVaend(chkVaend[3], m.VaendTst, "Special", "v_t");
    jaemfoerOchVaend(chkMatchning, m.ExaktMatchning, "Special", "ematch");
    jaemfoerOchVaend(chkVisa[0], m.VisaMedRaderaPluvo, "Special", "v_i_s");
    jaemfoerOchVaend(chkVisa[1], m.VisaMedRaderaTest, "Special", "v_i_t");
    jaemfoerOchVaend(chkByt[0], m.BytMedEnterPluvo, "Special", "b_e_s");
    jaemfoerOchVaend(chkByt[1], m.BytMedEnterTest, "Special", "b_e_t");
    jaemfoerOchVaend(chkDoelj[0], m.AutoDoeljPluvo, "Special", "auto_s");
    jaemfoerOchVaend(chkDoelj[1], m.AutoDoeljTest, "Special", "auto_t");

    // The box corrects every edit, so its text is a whole number 1..10.
    const int tid = raettadTid(cbxTid->currentText(), m.AutoTid).toInt();
    if (tid != m.AutoTid) {
        m.AutoTid = tid;
        spara("Special", "auto_tid", QString::number(tid));
    }

    // The shuffle box stands on this page, so it is applied with it; its
    // key lies with the folder and is stored as "1" or "0".
    if (chkSlump->isChecked() != m.SlumpOrdning) {
        m.SlumpOrdning = !m.SlumpOrdning;
        spara("Filkatalog", "Slump", m.SlumpOrdning ? "1" : "0");
    }
}

void FrmOptions2::utfoerStyrning()
{
    ModPluvo& m = modPluvo();
    jaemfoerOchVaend(chkTangentrepetition, m.SpaerraRepetition, "Styrning", "tan_r", true);

    int alternativ = 0;
    while (alternativ < 3 && !optSiffertavla[size_t(alternativ)]->isChecked())
        ++alternativ;
    const Styrningsbyte byte = bytStyrning(alternativ, {m.TavlaPaa, m.MusStyrning, m_frmPluvo.enTangentPaa()});
    m.TavlaPaa = byte.efter.tavlaPaa;
    m.MusStyrning = byte.efter.musStyrning;
    if (byte.efter.enTangent != m_frmPluvo.enTangentPaa())
        m_frmPluvo.saettEnTangentPaa(byte.efter.enTangent);
    if (byte.visaTavla)
        m_frmPluvo.visaTavla();
    if (byte.sparat)
        spara("Styrning", "Alternativ", QString::number(*byte.sparat));

    jaemfoerOchVaend(chkNear, m.NaermasteVaeg, "Styrning", "near");
    if (optGraens[0]->isChecked() != m.KantBegraensning) {
        m.KantBegraensning = !m.KantBegraensning;
        spara("Styrning", "kant", sant(m.KantBegraensning));
    }

    const double sekunder = LasRegel::talIBoerjan(cbxEnTangent->currentText());
    if (sekunder * 1000 != m_frmPluvo.enTangentIntervall()) {
        const int intervall = int(std::lround(sekunder * 1000));
        m_frmPluvo.saettEnTangentIntervall(intervall);
        spara("Styrning", "i_v", QString::number(intervall / 1000.0));
    }

    jaemfoerOchVaend(chkMuspekare, m.AnnanMuspekare, "Styrning", "m_p");
    m_frmPluvo.saettMuspekare();
}

void FrmOptions2::utfoerFilkatalog()
{
    ModPluvo& m = modPluvo();
    // A folder stored without its final "/" is shown with one, and so
    // stored again with it.
    if (labInitial->text() == m.OevningsMapp)
        return;
    m.OevningsMapp = labInitial->text();
    spara("Filkatalog", "Path", m.OevningsMapp);
}

void FrmOptions2::cmdApply_Click()
{
    Instaellningsfel::medKontroll(windowTitle(), [this] { UtfoerFlik(tbsOptions->currentIndex() + 1); });
    m_frmPluvo.uppdatera();
}

void FrmOptions2::cmdOK_Click()
{
    Instaellningsfel::medKontroll(windowTitle(), [this] {
        for (int flik = 1; flik <= 6; ++flik)
            UtfoerFlik(flik);
    });
    accept();
}

void FrmOptions2::cmdCancel_Click()
{
    m_frmPluvo.uppdatera();
    QDialog::reject();
}

void FrmOptions2::reject()
{
    cmdCancel_Click();
}
