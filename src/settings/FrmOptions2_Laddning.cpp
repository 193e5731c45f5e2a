// The settings window's loading from the settings, and the handlers that
// keep its controls consistent while the teacher edits.
#include "settings/FrmOptions2.h"

#include "common/ColourSchemes.h"
#include "common/Etikett.h"
#include "common/ModPluvo.h"
#include "common/Program.h"
#include "common/Twips.h"
#include "common/UrsprungligMapp.h"
#include "platform/MessageBox.h"
#include "platform/Pip.h"
#include "settings/FrmAvancerat.h"
#include "settings/InstaellningsRegler.h"
#include "settings/Stilmarkoer.h"
#include "settings/Traeningsfoenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QTabBar>
#include <QTreeView>

namespace {

void maalaProv(QGroupBox* ram, Etikett* ord, Etikett* foerklaring, const FaergSchema& schema)
{
    QPalette p = ram->palette();
    p.setColor(QPalette::Window, schema.bakgrund);
    p.setColor(QPalette::WindowText, schema.ord);
    ram->setPalette(p);
    ram->setAutoFillBackground(true);
    ord->setForeColor(schema.ord);
    ord->setBackColor(schema.bakgrund);
    foerklaring->setForeColor(schema.foerklaring);
    foerklaring->setBackColor(schema.bakgrund);
}

// The font list holds the name the training window was given even when the
// system knows it only as an alias of another family, so that an untouched
// list shows the font in use and applies nothing.
void fyllFontlista(QComboBox* lista, const QString& aktuell)
{
    QStringList namn = QFontDatabase::families();
    if (!aktuell.isEmpty() && !namn.contains(aktuell)) {
        namn << aktuell;
        std::sort(namn.begin(), namn.end(),
                  [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    }
    lista->addItems(namn);
}

}  // namespace

void FrmOptions2::Form_Load()
{
    const ModPluvo& m = modPluvo();

    // Colour samples: three columns and two rows, each in its scheme.
    for (size_t i = 0; i < fraSample1.size(); ++i) {
        const QRectF plats = provPlats(int(i), Twips::Width(fraSample1[0]), Twips::Height(fraSample1[0]),
                                       Twips::Width(sidor), Twips::Height(sidor));
        Twips::placera(fraSample1[i], plats.left(), plats.top(), plats.width(), plats.height());
        fraSample1[i]->setToolTip(QString("Färgval %1").arg(i + 1));
        maalaProv(fraSample1[i], labFel[i], labTal[i], *faergSchema(int(i)));
    }
    ValdStil = std::clamp(m.FaergStil, 0, 5);
    shaStil->markera(fraSample1[size_t(ValdStil)]);

    labFont->setFontSize(std::max(1, m.OrdStorlek));
    {
        const QSignalBlocker tyst(cbxFont);
        fyllFontlista(cbxFont, m_frmPluvo.ordFontnamn());
        cbxFont->setCurrentIndex(
            cbxFont->findText(m_frmPluvo.ordFontnamn(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    cbxFont_Click();

    chkPipLjud->setChecked(m.PipVidFel);

    for (QWidget* w : std::initializer_list<QWidget*>{chkTvaa, comRoester, comRoester2, labRoest, labRoest2,
                                                      chkLaesOevning, chkLaesMeny, comAvancerat})
        w->setVisible(m_talFinns);
    labInfoUpplaes->setVisible(!m_talFinns);
    if (m_talFinns)
        laddaRoester();

    VisaDiskettVarning = false;
    chkSpara->setChecked(m.SparaLoggbokDiskett);
    VisaDiskettVarning = true;

    chkVaend[0]->setChecked(m.VaendRtt);
    chkVaend[1]->setChecked(m.VaendOrd);
    chkVaend[2]->setChecked(m.VaendGlo);
    chkVaend[3]->setChecked(m.VaendTst);
    chkMatchning->setChecked(m.ExaktMatchning);
    chkVisa[0]->setChecked(m.VisaMedRaderaPluvo);
    chkVisa[1]->setChecked(m.VisaMedRaderaTest);
    chkByt[0]->setChecked(m.BytMedEnterPluvo);
    chkByt[1]->setChecked(m.BytMedEnterTest);
    chkDoelj[0]->setChecked(m.AutoDoeljPluvo);
    chkDoelj[1]->setChecked(m.AutoDoeljTest);
    chkVisa_Click(0);
    chkVisa_Click(1);

    for (int s = 1; s <= 10; ++s)
        cbxTid->addItem(QString::number(s));
    cbxTid->setCurrentIndex(std::clamp(m.AutoTid, 1, 10) - 1);

    chkTangentrepetition->setChecked(!m.SpaerraRepetition);
    cbxEnTangent->setCurrentIndex(std::clamp(m_frmPluvo.enTangentIntervall() / 1000, 1, 5) - 1);
    chkNear->setChecked(m.NaermasteVaeg);
    chkNear_Click();
    optGraens[0]->setChecked(m.KantBegraensning);
    optGraens[1]->setChecked(!m.KantBegraensning);
    optSiffertavla[size_t(valdStyrning({m.TavlaPaa, m.MusStyrning, m_frmPluvo.enTangentPaa()}))]->setChecked(true);
    const QCursor pekare = m_frmPluvo.menyPekare();
    imaMuspekare->setPixmap(pekare.pixmap());
    chkMuspekare->setChecked(m.AnnanMuspekare);
    chkSlump->setChecked(m.SlumpOrdning);

    saettMapp(m.OevningsMapp);

    if (m.InstLaast == 0) {
        cmdApply->setEnabled(true);
    } else {
        picOptions[0]->setEnabled(false);
        MsgBox(m.InstLaast == 1 ? "Inställning är låst och kan ej ändras." : "Inställning visas endast.",
               MsgKnappar::Ok, MsgIkon::Information, "Inställning");
    }
    tbsOptions_Click();
}

// The voice lists, both filled from voice 1's control so that an index
// means the same installed voice on either control.
void FrmOptions2::laddaRoester()
{
    const ModPluvo& m = modPluvo();
    const int antal = tspRoest1->AntalRoester();
    chkTvaa->setChecked(m.TvaaRoester && antal >= 2);
    chkTvaa->setEnabled(!(m.TvaaRoester && antal < 2));
    for (int i = 0; i < antal; ++i) {
        const QString namn = tspRoest1->Roest(i).GetVoiceName();
        comRoester->addItem(namn);
        comRoester2->addItem(namn);
    }

    AktuellRoest1 = tspRoest1->AktuellRoest();
    comRoester->setCurrentIndex(comRoester->findText(AktuellRoest1.RoestNamn(), Qt::MatchExactly));
    Roest1Start = comRoester->currentIndex();
    if (comRoester->currentIndex() < 0) {
        comRoester->setCurrentIndex(0);
        Roest1Index = 0;
        Roest1Start = -1;
    } else {
        Roest1Index = Roest1Start;
    }

    if (m.TvaaRoester) {
        AktuellRoest2 = tspRoest2->AktuellRoest();
        comRoester2->setCurrentIndex(comRoester2->findText(AktuellRoest2.RoestNamn(), Qt::MatchExactly));
        Roest2Start = comRoester2->currentIndex();
    } else {
        comRoester2->setCurrentIndex(comRoester->currentIndex());
        Roest2Start = Roest1Start;
        comRoester2->setEnabled(false);
    }
    if (comRoester2->currentIndex() < 0) {
        comRoester2->setCurrentIndex(0);
        Roest2Index = 0;
        Roest2Start = -1;
    } else {
        Roest2Index = comRoester2->currentIndex();
    }

    chkLaesOevning->setChecked(m.LaesOevning);
    chkLaesMeny->setChecked(m.LaesMeny);
}

void FrmOptions2::tbsOptions_Click()
{
    const int vald = tbsOptions->currentIndex();
    sidor->setCurrentIndex(vald);
    for (size_t i = 0; i < picOptions.size(); ++i)
        picOptions[i]->setEnabled(int(i) == vald && modPluvo().InstLaast == 0);
    labFont->setBackColor(m_frmPluvo.bakgrundsfaerg());
    labFont->setForeColor(m_frmPluvo.ordfaerg());
}

void FrmOptions2::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Tab && e->modifiers() == Qt::ControlModifier) {
        Form_KeyDown(9, 2);
        return;
    }
    // Ctrl+Shift+Tab arrives as Backtab; it changes nothing here.
    if (e->key() == Qt::Key_Backtab && (e->modifiers() & Qt::ControlModifier))
        return;
    QDialog::keyPressEvent(e);
}

void FrmOptions2::Form_KeyDown(int KeyCode, int Shift)
{
    if (KeyCode == 9 && Shift == 2)
        tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count());
}

bool FrmOptions2::eventFilter(QObject* objekt, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        const QVariant index = objekt->property("Index");
        if (index.isValid() && static_cast<QWidget*>(objekt)->isEnabled())
            fraSample1_Click(index.toInt());
    }
    return QDialog::eventFilter(objekt, e);
}

void FrmOptions2::fraSample1_Click(int Index)
{
    shaStil->markera(fraSample1[size_t(Index)]);
    ValdStil = Index;
}

void FrmOptions2::cbxFont_Click()
{
    const double start = std::max(1, modPluvo().OrdStorlek);
    labFont->hide();
    labFont->setEnkelFont(cbxFont->currentText(), start);
    labTest->setEnkelFont(cbxFont->currentText(), start);
    const int storlek = provstorlek(int(start), m_frmPluvo.ordHoejd(), [this](int s) {
        labTest->setFontSize(s);
        return labTest->height();
    });
    labFont->setFontSize(storlek);
    labFont->show();
}

void FrmOptions2::cbxTid_Change()
{
    const QString raettad = raettadTid(cbxTid->currentText(), modPluvo().AutoTid);
    if (raettad != cbxTid->currentText())
        cbxTid->setEditText(raettad);
}

void FrmOptions2::chkDoelj_Click()
{
    const bool paa = chkDoelj[0]->isChecked() || (chkVisa[1]->isChecked() && chkDoelj[1]->isChecked());
    labTid->setEnabled(paa);
    cbxTid->setEnabled(paa);
}

void FrmOptions2::chkVisa_Click(int Index)
{
    chkByt[size_t(Index)]->setEnabled(chkVisa[size_t(Index)]->isChecked());
    chkDoelj[1]->setEnabled(chkVisa[1]->isChecked());
    chkDoelj_Click();
}

void FrmOptions2::chkNear_Click()
{
    const bool tavla = optSiffertavla[2]->isChecked() || optSiffertavla[3]->isChecked();
    const bool graens = tavla && chkNear->isChecked();
    fraGraens->setEnabled(graens);
    for (QRadioButton* val : optGraens)
        val->setEnabled(graens);
}

void FrmOptions2::optSiffertavla_Click()
{
    chkNear->setEnabled(optSiffertavla[2]->isChecked() || optSiffertavla[3]->isChecked());
    chkNear_Click();
    labIntervall->setEnabled(optSiffertavla[3]->isChecked());
    cbxEnTangent->setEnabled(optSiffertavla[3]->isChecked());
}

void FrmOptions2::chkTvaa_Click()
{
    comRoester2->setEnabled(chkTvaa->isChecked());
    if (!chkTvaa->isChecked() && comRoester2->currentText() != comRoester->currentText()) {
        comRoester2->setCurrentIndex(comRoester->currentIndex());
        Roest2Index = Roest1Index;
    }
}

void FrmOptions2::chkPipLjud_Click()
{
    if (chkPipLjud->isChecked())
        Pip();
}

void FrmOptions2::chkSpara_Click()
{
    if (chkSpara->isChecked() && VisaDiskettVarning)
        MsgBox("En diskett skall alltid finnas i diskettfacket då detta är valt", MsgKnappar::Ok,
               MsgIkon::Information, Program::Titel);
}

void FrmOptions2::comRoester_Click()
{
    Roest1Index = comRoester->currentIndex();
    if (!chkTvaa->isChecked() && comRoester2->currentText() != comRoester->currentText())
        comRoester2->setCurrentIndex(comRoester->currentIndex());
}

void FrmOptions2::comRoester2_Click()
{
    if (comRoester2->currentIndex() >= 0)
        Roest2Index = comRoester2->currentIndex();
}

void FrmOptions2::comInitial_Click()
{
    saettMapp(UrsprungligOevningsmapp());
}

void FrmOptions2::drvInitial_Change()
{
    const QString rot = drvInitial->currentData().toString();
    if (QStorageInfo(rot).isReady() && QDir(rot).exists())
        saettMapp(rot);
    else
        saettMapp(UrsprungligOevningsmapp());
}

// Points the volume list and the folder tree at a folder; the tree's
// change then shows its files and names it.
void FrmOptions2::saettMapp(const QString& mapp)
{
    const QString rot = QStorageInfo(mapp).rootPath();
    const int volym = drvInitial->findData(rot);
    if (volym >= 0)
        drvInitial->setCurrentIndex(volym);
    const QModelIndex index = m_mappar->index(mapp);
    if (!index.isValid()) {
        // A folder that is gone: named as it was, with nothing to list.
        filInitial->clear();
        saettLabInitial(mapp);
        return;
    }
    {
        const QSignalBlocker tyst(dirInitial->selectionModel());
        dirInitial->setCurrentIndex(index);
    }
    dirInitial->scrollTo(index);
    dirInitial_Change();
}

void FrmOptions2::dirInitial_Change()
{
    const QString mapp = m_mappar->filePath(dirInitial->currentIndex());
    filInitial->clear();
    filInitial->addItems(QDir(mapp).entryList(QStringList{"*.rtt", "*.ord", "*.glo", "*.tst", "*.gls"},
                                              QDir::Files, QDir::Name | QDir::IgnoreCase));
    saettLabInitial(mapp);
}

// The chosen folder keeps its own letter case; it always ends in "/".
void FrmOptions2::saettLabInitial(const QString& mapp)
{
    labInitial->setText(mappMedSnedstreck(mapp));
}

void FrmOptions2::comAvancerat_Click()
{
    FrmAvancerat avancerat(this);
    avancerat.exec();
}
