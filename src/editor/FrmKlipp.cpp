#include "editor/FrmKlipp.h"

#include "common/FrmBilder.h"
#include "common/Informationsetikett.h"
#include "common/ModPluvo.h"
#include "common/Munbild.h"
#include "common/Program.h"
#include "common/SoundClip.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "editor/Foensterdelar.h"
#include "editor/Kontrollsoekning.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <functional>

using namespace Foensterdelar;

namespace {

constexpr int Spelintervall = 100;  // ms between progress polls
constexpr double AlltBredd = 135;
// The clip row reacts a little beyond both ends of the bar, so the very
// start and end are easy to hit.
constexpr double Faangmarginal = 150;

const QColor Blaa(0, 0, 255);
const QColor Groen(0, 255, 0);

QWidget* nyStapel(QWidget* foraelder, const QString& namn, const QColor& faerg)
{
    auto* s = new QWidget(foraelder);
    s->setObjectName(namn);
    s->setAutoFillBackground(true);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, faerg);
    s->setPalette(p);
    s->hide();
    return s;
}

}  // namespace

// The transparent row over the clip bar: reports each press with its x in
// twips from the bar's left edge.
class Klippfaelt : public QWidget {
public:
    Klippfaelt(QWidget* foraelder, std::function<void(Qt::MouseButton, double)> vidTryck)
        : QWidget(foraelder), m_vidTryck(std::move(vidTryck))
    {
        setObjectName("imaBar1");
        setToolTip(QString::fromUtf8("Ange inpunkt med vänsterklick och utpunkt med högerklick"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        m_vidTryck(e->button(), Twips::fraanPixlar(int(e->position().x())) - Faangmarginal);
    }

private:
    std::function<void(Qt::MouseButton, double)> m_vidTryck;
};

FrmKlipp::FrmKlipp(QWidget* redigera, const QString& tagLjud) : QDialog(redigera), m_tag(tagLjud)
{
    setObjectName("frmKlipp");
    setWindowTitle("Klipp");

    imaRekord = nyBild(this, "imaRekord");
    imaMun = nyBild(this, "imaMun");
    imaMun->setScaledContents(true);
    labLjud = nyInformationsetikett(this, "labLjud", QString(), 12, false);
    shaLjud[0] = nyStapel(this, "shaLjud0", Blaa);
    shaLjud[1] = nyStapel(this, "shaLjud1", Groen);
    shaLjud[2] = nyStapel(this, "shaLjud2", Blaa);
    shaLjud[3] = nyStapel(this, "shaLjud3", Groen);
    imaBar = new Klippfaelt(this, [this](Qt::MouseButton knapp, double x) { imaBar_MouseDown(knapp, x); });
    imaBar->hide();
    chkAllt = new QCheckBox(this);
    chkAllt->setObjectName("chkAllt");
    chkAllt->hide();
    labAllt = nyInformationsetikett(this, "labAllt", "Allt", 12, false);
    labAllt->hide();
    comLyssna[0] = nyKnapp(this, "comLyssna0", "&Lyssna");
    comLyssna[1] = nyKnapp(this, "comLyssna1", "L&yssna");
    comLyssna[0]->hide();
    comLyssna[1]->hide();
    labLaengd = nyInformationsetikett(this, "labLaengd", QString(), 12, false);
    labKlipp = nyInformationsetikett(this, "labKlipp", QString(), 12, false);
    comOK = nyKnapp(this, "comOK", "&OK");
    comAvbryt = nyKnapp(this, "comAvbryt", "&Avbryt");
    comOK->setDefault(true);

    connect(chkAllt, &QCheckBox::clicked, this, [this] { chkAllt_Click(); });
    connect(comLyssna[0], &QPushButton::clicked, this, [this] { comLyssna_Click(0); });
    connect(comLyssna[1], &QPushButton::clicked, this, [this] { comLyssna_Click(1); });
    connect(comOK, &QPushButton::clicked, this, [this] { comOK_Click(); });
    connect(comAvbryt, &QPushButton::clicked, this, &FrmKlipp::reject);
    connect(&timSpela, &VbTimer::Timer, this, [this] { timSpela_Timer(); });

    Form_Load(redigera);
}

void FrmKlipp::Form_Load(QWidget* redigera)
{
    // The window covers the item window and keeps its buttons where they were.
    const double bredd = redigera ? Twips::Width(redigera) : 6000;
    const double hoejd = redigera ? Twips::Height(redigera) : 4000;
    setFixedSize(Twips::tillPixlar(bredd), Twips::tillPixlar(hoejd));
    if (redigera)
        move(redigera->pos());

    imaRekord->setPixmap(frmBilder().imaLjud(size()));
    imaRekord->setGeometry(rect());
    imaRekord->lower();

    const QWidget* redigeraMun = kontrollIFoenster(redigera, "imaMun");
    const QSize munStorlek = Munbild::storlek();
    imaMun->setPixmap(frmBilder().imaMun(munStorlek));
    if (redigeraMun)
        imaMun->setGeometry(redigeraMun->geometry());
    else
        imaMun->setGeometry(QRect(QPoint(munStorlek.width() / 2, munStorlek.height() / 4), munStorlek));
    imaMun->raise();
    for (QPushButton* k : {comOK, comAvbryt}) {
        if (const QWidget* motsvarande = kontrollIFoenster(redigera, k->objectName()))
            k->move(motsvarande->pos());
    }
    if (!redigera) {
        Twips::setTop(comOK, hoejd - 2 * KnappHoejd);
        Twips::setLeft(comOK, (bredd - 2 * KnappBredd) / 3);
        Twips::setTop(comAvbryt, Twips::Top(comOK));
        Twips::setLeft(comAvbryt, 2 * Twips::Left(comOK) + KnappBredd);
    }

    const KlippReferens tolkad = TolkaKlipp(m_tag);
    labLjud->setText(tolkad.soekvaeg);
    labLjud->adjustSize();
    QString fel;
    mLaengd = HaemtaLaengd(tolkad.soekvaeg, fel);
    Twips::setTop(labLjud, Twips::Top(imaMun) + Twips::Height(imaMun));
    Twips::setLeft(labLjud, (bredd - Twips::Width(labLjud)) / 2);

    if (mLaengd <= 0) {
        if (fel.isEmpty())
            fel = QString::fromUtf8("Ljudfilen innehåller inget ljud.");
        MsgBox(fel, MsgKnappar::Ok, MsgIkon::Information, Program::Titel);
        comOK->setEnabled(false);
        return;
    }
    m_klipp = KontrolleraKlipp(Klipp{tolkad.inpunkt, tolkad.utpunkt}, mLaengd);

    const double stapelHoejd = Twips::Height(labLjud) / 2;
    const double stapelBredd = bredd * 9 / 10 - AlltBredd;
    const double stapelLeft = (bredd - stapelBredd - AlltBredd - Twips::Width(labAllt)) / 2;
    const double oeverstaTop = Twips::Top(labLjud) + Twips::Height(labLjud) + stapelHoejd;
    for (int i : {0, 1})
        Twips::placera(shaLjud[i], stapelLeft, oeverstaTop, stapelBredd, stapelHoejd);
    shaLjud[0]->show();
    shaLjud[1]->raise();

    Twips::setTop(comLyssna[0], oeverstaTop + 2 * stapelHoejd);
    Twips::setLeft(comLyssna[0], stapelLeft);
    comLyssna[0]->show();

    const double klippTop = Twips::Top(comLyssna[0]) + KnappHoejd + stapelHoejd;
    for (int i : {2, 3})
        Twips::placera(shaLjud[i], stapelLeft, klippTop, stapelBredd, stapelHoejd);
    shaLjud[2]->show();
    RitaKlipp();
    shaLjud[3]->raise();

    Twips::setTop(comLyssna[1], klippTop + 2 * stapelHoejd);
    Twips::setLeft(comLyssna[1], stapelLeft);
    comLyssna[1]->show();

    Twips::placera(imaBar, stapelLeft - Faangmarginal, klippTop - stapelHoejd / 2, stapelBredd + 2 * Faangmarginal,
                   2 * stapelHoejd);
    imaBar->show();
    imaBar->raise();

    Twips::placera(chkAllt, stapelLeft + stapelBredd + Faangmarginal, klippTop - stapelHoejd / 2, AlltBredd * 2,
                   2 * stapelHoejd);
    chkAllt->show();
    Twips::setTop(labAllt, klippTop - stapelHoejd / 2);
    Twips::setLeft(labAllt, Twips::Left(chkAllt) + Twips::Width(chkAllt));
    labAllt->show();

    labLaengd->setText(QString::fromUtf8("Längd: ") + QString::number(qint64(mLaengd)) + " ms");
    labLaengd->adjustSize();
    Twips::setTop(labLaengd, Twips::Top(comLyssna[0]));
    Twips::setLeft(labLaengd, stapelLeft + KnappBredd * 3 / 2);
    Twips::setTop(labKlipp, Twips::Top(comLyssna[1]));
    Twips::setLeft(labKlipp, stapelLeft + KnappBredd * 3 / 2);
    VisaKlipp();
}

void FrmKlipp::VisaKlipp()
{
    labKlipp->setText(KlippText(m_klipp, mLaengd));
    labKlipp->adjustSize();
    chkAllt->setChecked(HelaLjudet(m_klipp, mLaengd));
}

void FrmKlipp::RitaKlipp()
{
    const double stapelBredd = Twips::Width(shaLjud[0]);
    const double stapelLeft = Twips::Left(shaLjud[0]);
    for (int i : {2, 3}) {
        Twips::setWidth(shaLjud[i], (m_klipp.utpunkt - m_klipp.inpunkt) / mLaengd * stapelBredd);
        Twips::setLeft(shaLjud[i], stapelLeft + m_klipp.inpunkt / mLaengd * stapelBredd);
    }
}

void FrmKlipp::chkAllt_Click()
{
    // Clearing the box changes nothing: a clip is made on the bar.
    if (!chkAllt->isChecked()) {
        chkAllt->setChecked(HelaLjudet(m_klipp, mLaengd));
        return;
    }
    m_klipp = Klipp{0, mLaengd};
    RitaKlipp();
    VisaKlipp();
}

void FrmKlipp::imaBar_MouseDown(Qt::MouseButton knapp, double xPaaStapeln)
{
    const double t = PositionTillTid(xPaaStapeln, Twips::Width(shaLjud[0]), mLaengd);
    if (knapp == Qt::LeftButton) {
        if (t < m_klipp.utpunkt) {
            m_klipp.inpunkt = t;
            RitaKlipp();
            VisaKlipp();
        } else {
            MsgBox(QString::fromUtf8("Inpunkten måste ligga framför utpunkten"), MsgKnappar::Ok,
                   MsgIkon::Information, Program::Titel);
        }
    } else if (knapp == Qt::RightButton) {
        if (t <= m_klipp.inpunkt) {
            MsgBox(QString::fromUtf8("Utpunkten måste ligga bakom inpunkten"), MsgKnappar::Ok,
                   MsgIkon::Information, Program::Titel);
        } else {
            m_klipp.utpunkt = t;
            RitaKlipp();
            VisaKlipp();
        }
    }
}

void FrmKlipp::comLyssna_Click(int index)
{
    if (!modPluvo().OeppetLjud.isEmpty())
        StaengLjud();
    mSpelarKlipp = index == 1;
    shaLjud[mSpelarKlipp ? 1 : 3]->hide();
    mPos = 0;
    timSpela.setInterval(Spelintervall);
    if (mSpelarKlipp)
        SpelaLjud(labLjud->text() + LjudKlippSuffix(m_klipp.inpunkt, m_klipp.utpunkt), false);
    else
        SpelaLjud(labLjud->text(), false);
}

void FrmKlipp::timSpela_Timer()
{
    const QString oeppet = modPluvo().OeppetLjud;
    if (oeppet.isEmpty()) {
        // Nothing plays (it could not be opened): no reason to keep polling.
        timSpela.setInterval(0);
        return;
    }
    bool slut = !MciKommando("Status " + oeppet + " mode").isEmpty() || LjudetSlut(modPluvo().MciSvar);
    if (!slut) {
        mPos = HaemtaPosition(oeppet);
        const double fraan = mSpelarKlipp ? m_klipp.inpunkt : 0;
        const double till = mSpelarKlipp ? m_klipp.utpunkt : mLaengd;
        QWidget* framsteg = shaLjud[mSpelarKlipp ? 3 : 1];
        slut = mPos >= till;
        if (!slut) {
            Twips::setWidth(framsteg, FramstegsBredd(mPos, fraan, till, Spelintervall, Twips::Width(shaLjud[0]),
                                                     mLaengd));
            framsteg->show();
        }
    }
    if (slut)
        stoppaUppspelning();
}

void FrmKlipp::stoppaUppspelning()
{
    timSpela.setInterval(0);
    shaLjud[1]->hide();
    shaLjud[3]->hide();
    StaengLjud();
}

void FrmKlipp::comOK_Click()
{
    stoppaUppspelning();
    m_tag = KlippReferensText(labLjud->text(), m_klipp, mLaengd);
    accept();
}

void FrmKlipp::reject()
{
    stoppaUppspelning();
    QDialog::reject();
}
