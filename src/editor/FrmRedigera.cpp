#include "editor/FrmRedigera.h"

#include "common/ExerciseFormat.h"
#include "common/FrmBilder.h"
#include "common/Informationsetikett.h"
#include "common/ModPluvo.h"
#include "common/Munbild.h"
#include "common/Program.h"
#include "common/SpeechSound.h"
#include "common/TextConversion.h"
#include "common/Twips.h"
#include "editor/FrmKlipp.h"
#include "editor/Foensterdelar.h"
#include "editor/Kontrollsoekning.h"
#include "editor/Ljudvaeg.h"
#include "editor/TeckenUtanKod.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Skaermgraens.h"
#include "platform/TextSpeaker.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

using namespace Foensterdelar;

namespace {

constexpr double Kantbredd = Twips::PerPixel;  // the window's border
constexpr double UttalsrutaTop = 1800;         // where the check box would stand
constexpr double UttalsrutaHoejd = 195;

QLabel* nyEtikett(QWidget* foraelder, const QString& namn, const QString& text)
{
    return nyInformationsetikett(foraelder, namn, text, 12, false);
}

double hoeger(const QWidget* w)
{
    return Twips::Left(w) + Twips::Width(w);
}

double botten(const QWidget* w)
{
    return Twips::Top(w) + Twips::Height(w);
}

}  // namespace

FrmRedigera::FrmRedigera(QWidget* skrivIn, const QString& rad, bool glosorMedLjud)
    : QDialog(skrivIn), m_tag(rad), m_glosorMedLjud(glosorMedLjud), mRad(rad)
{
    setObjectName("frmRedigera");
    setWindowTitle("Redigera");

    imaRekord = nyBild(this, "imaRekord");
    imaMun = nyBild(this, "imaMun");
    imaMun->setScaledContents(true);
    imaMun->setCursor(Qt::PointingHandCursor);
    imaMun->installEventFilter(this);
    imaMun->hide();

    labRubrik[0] = nyEtikett(this, "labRubrik0", "Ord");
    labRubrik[1] = nyEtikett(this, "labRubrik1", QString::fromUtf8("Förklaring"));
    const char* klamrar[6] = {"[ ", "[ ", " ]", " ]", "( ", " )"};
    for (int i = 0; i < 6; ++i)
        labRedigera[i] = nyEtikett(this, QString("labRedigera%1").arg(i), klamrar[i]);
    for (int i = 0; i < 4; ++i) {
        txtRedigera[i] = new QLineEdit(this);
        txtRedigera[i]->setObjectName(QString("txtRedigera%1").arg(i));
        saettInformationsfont(txtRedigera[i], 12, false);
        txtRedigera[i]->installEventFilter(this);
        connect(txtRedigera[i], &QLineEdit::textChanged, this, [this] { txtRedigera_Change(); });
    }
    chkVisaUttal = new QCheckBox("&Visa uttalsbeskrivning", this);
    chkVisaUttal->setObjectName("chkVisaUttal");
    chkVisaUttal->hide();

    comOK = nyKnapp(this, "comOK", "&OK");
    comOK->setEnabled(false);
    comOK->setDefault(true);
    comAvbryt = nyKnapp(this, "comAvbryt", QString::fromUtf8("&Stäng"));
    const QString blaeddra[2] = {QString::fromUtf8("&Bläddra"), QString::fromUtf8("Blä&ddra")};
    const QString lyssna[2] = {"&Lyssna", "L&yssna"};
    const QString taBort[2] = {"&Ta bort", "Ta &bort"};
    const QString klipp[2] = {"&Klipp", "Klip&p"};
    for (int i = 0; i < 2; ++i) {
        comBlaeddra[i] = nyKnapp(this, QString("comBlaeddra%1").arg(i), blaeddra[i]);
        comLyssna[i] = nyKnapp(this, QString("comLyssna%1").arg(i), lyssna[i]);
        comTaBort[i] = nyKnapp(this, QString("comTaBort%1").arg(i), taBort[i]);
        comKlipp[i] = nyKnapp(this, QString("comKlipp%1").arg(i), klipp[i]);
        for (QPushButton* k : {comBlaeddra[i], comLyssna[i], comTaBort[i], comKlipp[i]})
            k->hide();
        for (QPushButton* k : {comLyssna[i], comTaBort[i], comKlipp[i]})
            k->setEnabled(false);
        connect(comBlaeddra[i], &QPushButton::clicked, this, [this, i] { comBlaeddra_Click(i); });
        connect(comLyssna[i], &QPushButton::clicked, this, [this, i] { comLyssna_Click(i); });
        connect(comTaBort[i], &QPushButton::clicked, this, [this, i] { comTaBort_Click(i); });
        connect(comKlipp[i], &QPushButton::clicked, this, [this, i] { comKlipp_Click(i); });
    }

    connect(chkVisaUttal, &QCheckBox::clicked, this, [this] { chkVisaUttal_Click(); });
    connect(comOK, &QPushButton::clicked, this, [this] { comOK_Click(); });
    connect(comAvbryt, &QPushButton::clicked, this, [this] { comAvbryt_Click(); });
    connect(this, &QDialog::finished, this, [this] { Form_Unload(); });

    Form_Load(skrivIn);
}

FrmRedigera::~FrmRedigera()
{
    Form_Unload();
}

void FrmRedigera::Form_Load(QWidget* skrivIn)
{
    const ModPluvo& m = modPluvo();
    if (m.TalFinns) {
        mTsp = ljudKoppling().roest1;
        mTsp2 = ljudKoppling().roest2;
    }
    placeraKontroller(skrivIn);

    const Uppgift uppgift = RedigeraTolkaRad(mRad);
    for (int i = 0; i < 4; ++i)
        txtRedigera[i]->setText(uppgift.falt(i + 1));
    txtRedigera_Change();

    if (m_glosorMedLjud)
        return;
    chkVisaUttal->setChecked(m.VisaUttal);
    // The pronunciation boxes are disabled while their column is hidden, so
    // Tab never leads into a box the teacher cannot see.
    chkVisaUttal_Click();
}

void FrmRedigera::placeraKontroller(QWidget* skrivIn)
{
    const double skrivInBredd = skrivIn ? Twips::Width(skrivIn) : Skaerm::Width();
    double hoejd = placeraRutor(skrivInBredd / 2 - 4 * Kantbredd);
    // A screen too narrow for the wide window narrows its boxes instead: the
    // wide width grows by two twips for each twip of the narrow one (one
    // pixel more for the rounding of the boxes).
    const double stoersta = Twips::fraanPixlar(Skaermgraens::stoerstaStorlek(this).width());
    if (mBredd[1] > stoersta)
        hoejd = placeraRutor(mBredd[0] - (mBredd[1] - stoersta) / 2 - Twips::PerPixel);

    const double top = skrivIn ? Twips::fraanPixlar(skrivIn->mapToGlobal(QPoint(0, 0)).y()) : 0;
    const QWidget* lista = kontrollIFoenster(skrivIn, "lstSkrivIn");
    const double listTop = lista ? Twips::fraanPixlar(lista->mapToGlobal(QPoint(0, 0)).y()) : top;
    // The wide window's frame ends at the right edge of the usable area.
    const QRect yta = Skaerm::anvaendbarYta(skrivIn ? skrivIn : this);
    const QMargins ram = Skaermgraens::ram(this);
    move(yta.x() + yta.width() - ram.left() - ram.right() - Twips::tillPixlar(mBredd[1]), Twips::tillPixlar(listTop));
    setFixedSize(Twips::tillPixlar(m_glosorMedLjud ? mBredd[1] : mBredd[0]), Twips::tillPixlar(hoejd));

    const QSize bakgrund(Twips::tillPixlar(2 * mBredd[1]), Twips::tillPixlar(hoejd));
    imaRekord->setPixmap(m_glosorMedLjud ? frmBilder().imaLjud(bakgrund) : frmBilder().imaBkg(bakgrund));
    imaRekord->setGeometry(QRect(QPoint(), bakgrund));
    imaRekord->lower();

    if (m_glosorMedLjud) {
        VisaMun(skrivIn);
        txtRedigera[1]->setReadOnly(true);
        txtRedigera[3]->setReadOnly(true);
        for (int i = 0; i < 2; ++i)
            for (QPushButton* k : {comBlaeddra[i], comLyssna[i], comTaBort[i], comKlipp[i]})
                k->show();
    }
}

// Lays out the boxes for a narrow window of `bredd` twips, the wide one
// beyond it; returns the window's height.
double FrmRedigera::placeraRutor(double bredd)
{
    mBredd[0] = bredd;

    Twips::setTop(labRubrik[0], Twips::Height(labRubrik[0]) / 2);
    Twips::setLeft(labRubrik[0], Twips::Width(labRubrik[0]) / 2);
    const double vaenster = Twips::Left(labRubrik[0]);
    const double radHoejd = Twips::fraanPixlar(txtRedigera[0]->sizeHint().height());

    Twips::placera(txtRedigera[0], vaenster, Twips::Top(labRubrik[0]) + Twips::Height(labRubrik[0]) * 4 / 3,
                   bredd - 2 * vaenster - 2 * Kantbredd, radHoejd);
    Twips::setLeft(labRubrik[1], vaenster);
    Twips::setTop(labRubrik[1], botten(txtRedigera[0]) + Twips::Height(labRubrik[0]) / 2);

    Twips::setLeft(labRedigera[4], vaenster);
    Twips::setTop(labRedigera[4], Twips::Top(labRubrik[1]) + Twips::Height(labRubrik[1]) * 4 / 3);
    Twips::placera(txtRedigera[2], hoeger(labRedigera[4]), Twips::Top(labRedigera[4]),
                   Twips::Width(txtRedigera[0]) - 2 * Twips::Width(labRedigera[4]), radHoejd);
    Twips::setLeft(labRedigera[5], hoeger(txtRedigera[2]));
    Twips::setTop(labRedigera[5], Twips::Top(labRedigera[4]));

    double uttalTop = UttalsrutaTop;
    double uttalHoejd = UttalsrutaHoejd;
    if (!m_glosorMedLjud) {
        chkVisaUttal->setVisible(modPluvo().TalFinns);
        chkVisaUttal->adjustSize();
        uttalHoejd = Twips::Height(chkVisaUttal);
        uttalTop = botten(txtRedigera[2]) + uttalHoejd / 2;
        Twips::setLeft(chkVisaUttal, vaenster);
        Twips::setTop(chkVisaUttal, uttalTop);
    }
    Twips::setLeft(comOK, (bredd - 2 * KnappBredd) / 3);
    Twips::setTop(comOK, uttalTop + uttalHoejd * 3 / 2 + 2 * KnappHoejd);
    Twips::setLeft(comAvbryt, 2 * Twips::Left(comOK) + KnappBredd);
    Twips::setTop(comAvbryt, Twips::Top(comOK));
    const double hoejd = Twips::Top(comOK) + KnappHoejd * 8 / 5;

    // The pronunciation column lies beyond the narrow window's right edge.
    Twips::setTop(labRedigera[0], Twips::Top(txtRedigera[0]));
    Twips::setLeft(labRedigera[0], bredd);
    Twips::placera(txtRedigera[1], hoeger(labRedigera[0]), Twips::Top(txtRedigera[0]), Twips::Width(txtRedigera[2]),
                   radHoejd);
    Twips::setTop(labRedigera[2], Twips::Top(labRedigera[0]));
    Twips::setLeft(labRedigera[2], hoeger(txtRedigera[1]));
    mBredd[1] = mBredd[0] + 2 * Twips::Width(labRedigera[0]) + Twips::Width(txtRedigera[1]) + vaenster;

    Twips::setTop(labRedigera[1], Twips::Top(txtRedigera[2]));
    Twips::setLeft(labRedigera[1], Twips::Left(labRedigera[0]));
    Twips::placera(txtRedigera[3], Twips::Left(txtRedigera[1]), Twips::Top(txtRedigera[2]),
                   Twips::Width(txtRedigera[2]), radHoejd);
    Twips::setTop(labRedigera[3], Twips::Top(labRedigera[1]));
    Twips::setLeft(labRedigera[3], Twips::Left(labRedigera[2]));

    // Two rows of four buttons under the sound boxes, filling their width
    // with gaps of a third of a button.
    const double knapp = Twips::Width(txtRedigera[1]) / 5;
    const double mellanrum = (Twips::Top(txtRedigera[3]) - botten(txtRedigera[1]) - KnappHoejd) / 2;
    for (int i = 0; i < 2; ++i) {
        const double top = botten(txtRedigera[2 * i + 1]) + mellanrum;
        double left = Twips::Left(txtRedigera[1]);
        for (QPushButton* k : {comBlaeddra[i], comLyssna[i], comTaBort[i], comKlipp[i]}) {
            Twips::placera(k, left, top, knapp, KnappHoejd);
            left += knapp * 4 / 3;
        }
    }
    return hoejd;
}

void FrmRedigera::VisaMun(QWidget* skrivIn)
{
    const QSize storlek = Munbild::storlek();
    imaMun->setPixmap(frmBilder().imaMun(storlek));
    imaMun->resize(storlek);
    // The same place on the screen as the editor's mouth picture.
    const QWidget* skrivInsMun = kontrollIFoenster(skrivIn, "imaMun");
    int left = skrivInsMun ? skrivInsMun->mapToGlobal(QPoint(0, 0)).x() - x()
                           : Twips::tillPixlar(mBredd[1]) - storlek.width() * 3 / 2;
    left = std::clamp(left, 0, std::max(0, Twips::tillPixlar(mBredd[1]) - storlek.width()));
    imaMun->move(left, storlek.height() / 4);
    imaMun->show();
    imaMun->raise();
}

void FrmRedigera::chkVisaUttal_Click()
{
    const bool visa = chkVisaUttal->isChecked();
    setFixedWidth(Twips::tillPixlar(mBredd[visa ? 1 : 0]));
    txtRedigera[1]->setEnabled(visa);
    txtRedigera[3]->setEnabled(visa);
    modPluvo().VisaUttal = visa;
}

void FrmRedigera::txtRedigera_Change()
{
    const auto rensad = [this](int i) {
        QString text = txtRedigera[i]->text();
        RensaFaelt(text);
        return text;
    };
    // A line without a word is no exercise item. A word the cleaning would
    // empty only of letters the file cannot hold still lets OK say why.
    const bool harOrd = !rensad(0).isEmpty() || foerstaTeckenUtanKod(txtRedigera[0]->text());
    comOK->setEnabled(harOrd && (!m_glosorMedLjud || !rensad(1).isEmpty()));
    for (int i = 0; i < 2; ++i) {
        const bool harLjud = !txtRedigera[2 * i + 1]->text().isEmpty();
        for (QPushButton* k : {comLyssna[i], comTaBort[i], comKlipp[i]})
            k->setEnabled(harLjud);
    }
}

bool FrmRedigera::eventFilter(QObject* objekt, QEvent* haendelse)
{
    if (haendelse->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(haendelse)->button() == Qt::LeftButton) {
        if (objekt == imaMun)
            StartaLjudinspelare();
        for (int i = 0; i < 4; ++i)
            if (objekt == txtRedigera[i])
                txtRedigera_Click(i);
    }
    return QDialog::eventFilter(objekt, haendelse);
}

void FrmRedigera::txtRedigera_Click(int index)
{
    if (m_glosorMedLjud || !modPluvo().TalFinns)
        return;
    const bool tvaaRoester = modPluvo().TvaaRoester;
    if (mTsp)
        mTsp->Tysta();
    if (tvaaRoester && mTsp2)
        mTsp2->Tysta();
    // With two voices the word side speaks with voice 2.
    TextSpeaker* roest = index <= 1 && tvaaRoester ? mTsp2 : mTsp;
    if (roest)
        roest->Tala(txtRedigera[index]->text());
}

void FrmRedigera::comBlaeddra_Click(int index)
{
    StaengLjud();
    ModPluvo& m = modPluvo();
    const std::optional<QString> fil = VisaOeppnaDialog({QString::fromUtf8("Ljud|*.wav;*.mp3;*.au"), 1, m.LjudKatalog});
    if (!fil || fil->isEmpty())
        return;
    if (!LjudvaegKanSparas(*fil)) {
        MsgBox(QString::fromUtf8("Ljudfilen kan inte användas, eftersom dess sökväg innehåller tecken som "
                                 "en övning inte kan spara (till exempel ( ) [ ] = { eller \").\r\n"
                                 "Byt namn på filen eller mappen och välj den igen."),
               MsgKnappar::Ok, MsgIkon::Information, QString::fromUtf8("Öppna"));
        return;
    }
    m.LjudKatalog = HaemtaKatalog(*fil);
    txtRedigera[2 * index + 1]->setText(*fil);
}

void FrmRedigera::comLyssna_Click(int index)
{
    const QString ljud = txtRedigera[2 * index + 1]->text();
    if (!ljud.isEmpty())
        SpelaLjud(ljud, false);
}

void FrmRedigera::comTaBort_Click(int index)
{
    txtRedigera[2 * index + 1]->clear();
}

void FrmRedigera::comKlipp_Click(int index)
{
    FrmKlipp klipp(this, txtRedigera[2 * index + 1]->text());
    klipp.exec();
    txtRedigera[2 * index + 1]->setText(klipp.Tag());
}

void FrmRedigera::comOK_Click()
{
    // The cleaning would drop such a letter silently; the teacher corrects
    // it here instead.
    for (const QLineEdit* ruta : txtRedigera) {
        if (const std::optional<TeckenUtanKod> fel = foerstaTeckenUtanKod(ruta->text())) {
            MsgBox(teckenUtanKodText(fel->tecken, 0, QString::fromUtf8("Ändra texten och tryck OK igen.")),
                   MsgKnappar::Ok, MsgIkon::Utropstecken, Program::Titel);
            return;
        }
    }
    if (m_glosorMedLjud)
        StaengLjud();
    Uppgift uppgift;
    for (int i = 0; i < 4; ++i) {
        QString text = txtRedigera[i]->text();
        RensaFaelt(text);
        uppgift.falt(i + 1) = text;
    }
    mRad = OevningsRad(uppgift);
    for (QLineEdit* ruta : txtRedigera)
        ruta->clear();
    m_tag = mRad;
    accept();
}

void FrmRedigera::comAvbryt_Click()
{
    m_tag.clear();
    reject();
}

void FrmRedigera::reject()
{
    if (m_glosorMedLjud)
        StaengLjud();
    QDialog::reject();
}

void FrmRedigera::Form_Unload()
{
    if (modPluvo().TalFinns) {
        if (mTsp)
            mTsp->Tysta();
        if (modPluvo().TvaaRoester && mTsp2)
            mTsp2->Tysta();
    }
    mTsp = nullptr;
    mTsp2 = nullptr;
}
