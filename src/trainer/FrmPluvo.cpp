#include "trainer/FrmPluvo.h"

#include "common/FrmBilder.h"
#include "common/FrmSplash.h"
#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "common/Munbild.h"
#include "common/Program.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "platform/FoerstaRitning.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/Tangentbordet.h"
#include "trainer/Instaellningar.h"
#include "trainer/Layout.h"
#include "trainer/LetterBoard.h"
#include "trainer/TangentFaangare.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPalette>

namespace {

FrmPluvo*& enda()
{
    static FrmPluvo* f = nullptr;
    return f;
}

// The decoration's own measures, in pixels.
constexpr int RamBredd = 3;  // frame of the usable screen
const QColor Dekorfaerg(96, 96, 200);

QFrame* nyYta(QWidget* foralder, const QColor& faerg, bool fylld)
{
    auto* yta = new QFrame(foralder);
    if (fylld) {
        yta->setAutoFillBackground(true);
        QPalette p = yta->palette();
        p.setColor(QPalette::Window, faerg);
        yta->setPalette(p);
    } else {
        yta->setFrameStyle(QFrame::Box | QFrame::Plain);
        yta->setLineWidth(RamBredd);
        QPalette p = yta->palette();
        p.setColor(QPalette::WindowText, faerg);
        yta->setPalette(p);
    }
    yta->setAttribute(Qt::WA_TransparentForMouseEvents);
    return yta;
}

Etikett* nyEtikett(QWidget* foralder, const QString& text = QString(), double storlek = 12, bool autoSize = true)
{
    auto* e = new Etikett(foralder);
    QFont font("Arial");
    font.setPointSizeF(storlek);
    e->setFont(font);
    e->setAutoSize(autoSize);
    e->setCaption(text);
    return e;
}

Etikett* nyBild(QWidget* foralder)
{
    auto* e = new Etikett(foralder);
    e->setScaledContents(true);
    return e;
}

}  // namespace

FrmPluvo::FrmPluvo()
{
    enda() = this;
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_egenPekare = QCursor(Qt::PointingHandCursor);
    skapaKontroller();
    kopplaHaendelser();
    saettLjudKoppling({&tspPluvo, &tspPluvo2, [this] { timKontroll.setInterval(100); }});
}

FrmPluvo::~FrmPluvo()
{
    saettLjudKoppling({});
    if (enda() == this)
        enda() = nullptr;
}

FrmPluvo* FrmPluvo::instans()
{
    return enda();
}

void FrmPluvo::setBackColor(const QColor& farg)
{
    m_backColor = farg;
    QPalette p = palette();
    p.setColor(QPalette::Window, farg);
    setPalette(p);
    setAutoFillBackground(true);
}

void FrmPluvo::skapaKontroller()
{
    // Every control stands on the area below the menu bar, which is the
    // window's usable area.
    klientyta = new QWidget(this);
    for (size_t i = 0; i < shaRam.size(); ++i)
        shaRam[i] = nyYta(klientyta, Dekorfaerg, false);
    shaRam[1]->setFrameStyle(QFrame::NoFrame);
    for (RamLinje& l : linRam)
        l.linje = nyYta(klientyta, Dekorfaerg, true);
    for (auto& bild : imaRam)
        bild = nyBild(klientyta);
    for (auto& bild : imaMeny)
        bild = nyBild(klientyta);

    labMeny = nyEtikett(klientyta, QString(), 28, false);
    labMeny->setAlignment(Qt::AlignCenter);
    for (auto& val : labMenyVal) {
        val = nyEtikett(klientyta, QString(), 32, false);
        val->setAlignment(Qt::AlignCenter);
        val->hide();
    }
    labAktuell = nyEtikett(klientyta, QString(), 7);
    const char* fakta[6] = {"Antal uppgifter: ", "0", "Kvar: ", "0", "Antal fel: ", "0"};
    for (size_t i = 0; i < labFakta.size(); ++i) {
        labFakta[i] = nyEtikett(klientyta, QString::fromUtf8(fakta[i]), 14);
        labFakta[i]->hide();
    }

    labOrd.push_back(nyEtikett(klientyta, "A", 48));
    labOrd[0]->hide();
    labFoerklaring.push_back(nyEtikett(klientyta, "A", 48));
    labFoerklaring[0]->hide();
    labTest = nyEtikett(klientyta, QString(), 48);
    labTest->hide();
    labStreck = nyEtikett(klientyta, "_", 48);
    labStreck->hide();
    picFel = nyBild(klientyta);
    picFel->hide();

    shaSiffertavla = nyYta(klientyta, Dekorfaerg, false);
    shaSiffertavla->hide();
    for (auto& cell : labSiffertavla) {
        cell = nyEtikett(klientyta, " ", 24, false);
        cell->setAlignment(Qt::AlignCenter);
        cell->hide();
    }
    picNaesta = nyBild(klientyta);
    picNaesta->hide();
    picBakaat = nyBild(klientyta);
    picBakaat->hide();

    imaMun = nyBild(klientyta);
    imaMun->hide();
    imaMun_akt = nyBild(klientyta);
    imaMun_akt->hide();
    picUpp = nyBild(klientyta);
    picUpp->hide();
    picNer = nyBild(klientyta);
    picNer->hide();
    labFilnamn = nyEtikett(klientyta);
    labFilnamn->hide();

    picTaTangent = new TangentFaangare(this, klientyta);

    skapaMenyrad();
}

void FrmPluvo::kopplaHaendelser()
{
    for (int i = 0; i < int(labMenyVal.size()); ++i) {
        connect(labMenyVal[size_t(i)], &Etikett::klickad, this, [this, i] { labMenyVal_Click(i); });
        connect(labMenyVal[size_t(i)], &Etikett::musRoerd, this, [this, i] { labMenyVal_MouseMove(i); });
    }
    for (int i = 0; i < int(labSiffertavla.size()); ++i) {
        connect(labSiffertavla[size_t(i)], &Etikett::klickad, this, [this, i] { labSiffertavla_Click(i); });
        connect(labSiffertavla[size_t(i)], &Etikett::musRoerd, this, [this, i] { labSiffertavla_MouseMove(i); });
    }
    connect(labOrd[0], &Etikett::klickad, this, [this] { labOrd_Click(0); });
    connect(labOrd[0], &Etikett::musRoerd, this, [this] { labOrd_MouseMove(0); });
    connect(labFoerklaring[0], &Etikett::klickad, this, [this] { labFoerklaring_Click(0); });
    connect(labFoerklaring[0], &Etikett::musRoerd, this, [this] { labFoerklaring_MouseMove(0); });
    connect(picBakaat, &Etikett::klickad, this, &FrmPluvo::picBakaat_Click);
    connect(picBakaat, &Etikett::musRoerd, this, &FrmPluvo::picBakaat_MouseMove);
    connect(picNaesta, &Etikett::klickad, this, &FrmPluvo::picNaesta_Click);
    connect(picNaesta, &Etikett::musRoerd, this, &FrmPluvo::picNaesta_MouseMove);
    connect(picUpp, &Etikett::musNer, this, [this] { picUpp_MouseDown(); });
    connect(picNer, &Etikett::musNer, this, [this] { picNer_MouseDown(); });
    connect(labFilnamn, &Etikett::klickad, this, &FrmPluvo::labFilnamn_Click);

    connect(&timAutostart, &VbTimer::Timer, this, &FrmPluvo::timAutostart_Timer);
    connect(&timEnTangent, &VbTimer::Timer, this, &FrmPluvo::timEnTangent_Timer);
    connect(&timKontroll, &VbTimer::Timer, this, &FrmPluvo::timKontroll_Timer);
    connect(&timPrata, &VbTimer::Timer, this, &FrmPluvo::timPrata_Timer);
}

void FrmPluvo::Form_Load()
{
    ModPluvo& m = modPluvo();
    const int skrivfelFoere = SettingsStore::antalSkrivfel();
    setWindowTitle(Program::Rubrik());
    Twips::placera(this, 0, 0, Skaerm::Width(), Skaerm::Height());
    // The menu size is needed below; it is computed here rather than left
    // to a second resize event, which Qt does not always deliver.
    Form_Resize();

    // The usable area lies below the menu bar, which takes what height it
    // has (none where the desktop shows the menus elsewhere).
    layout()->activate();
    const int menyradsHoejd = klientyta->y();
    m.SkaermHoejd = Twips::avrunda((Skaerm::GetSystemMetrics(17) + 4 - menyradsHoejd) * double(Skaerm::TwipsPerPixel));
    m.SkaermBredd = Twips::avrunda((Skaerm::GetSystemMetrics(16) + 4) * double(Skaerm::TwipsPerPixel));
    labAktuell->setCaption(QString::fromUtf8("Aktuell övning: "));
    placeraDekoration();
    haemtaBilder();

    LaesInstaellningar();
    placeraEfterYtan();
    SaettMuspekare();

    HaemtaAktuellOevning();

    Tangentbordet::foelj();
    Skaerm::visaMaximerad(this);
    m_utlagd = true;
    picTaTangent->setFocus();
    if (!utanStartbild) {
        // The window is drawn first; the speech engine starts while the
        // splash window stands on top of it.
        vaentaTillsRitad(this, 500);
        TextSpeaker::startaMotorn();
        visaSplash(this);
    }
    m.TalFinns = tspPluvo.TalsyntesFinns();

    TangentNere = false;
    Omvaend = false;

    if (m.TalFinns) {
        if (!tspPluvo.HaemtaRoest("MOLVI Pluvo"))
            MsgBox(QString::fromUtf8("Kunde inte hämta röst 1"), MsgKnappar::Ok, MsgIkon::Utropstecken,
                   Program::Titel);
        if (m.TvaaRoester && !tspPluvo2.HaemtaRoest("MOLVI Pluvo2"))
            MsgBox(QString::fromUtf8("Kunde inte hämta röst 2"), MsgKnappar::Ok, MsgIkon::Utropstecken,
                   Program::Titel);
    }

    if (SettingsStore::iMinnet()) {
        m_instaellningsfelSagt = true;
        Instaellningsfel::visaIMinnet(Program::Titel);
    } else if (SettingsStore::antalSkrivfel() > skrivfelFoere) {
        saegOmInstaellningsfel();
    }

    for (size_t i = 0; i < imaMeny.size(); ++i)
        imaMeny[i]->setPixmap(frmBilder().imaMeny(int(i)));
    VisaHuvudmeny();
}

// The word, explanation and letter board, sized from the usable area.
void FrmPluvo::placeraEfterYtan()
{
    ModPluvo& m = modPluvo();
    PlaceraKontroller();

    Twips::setTop(labSiffertavla[0], Twips::Top(labFoerklaring[0]) + Twips::Height(labFoerklaring[0]) + 48);
    m.TavlaHoejd = int(Twips::avrunda(
        (Twips::Top(imaRam[2]) - (Twips::Top(labFoerklaring[0]) + Twips::Height(labFoerklaring[0]))) / 2 - 144));
    PlaceraTavla();

    imaMun->resize(Munbild::storlek());
    PlaceraMunAkt();
}

// The window manager granted a client area other than the one laid out (a
// caption bar, panels): everything sized from the usable area follows it.
void FrmPluvo::placeraOm()
{
    ModPluvo& m = modPluvo();
    m.SkaermBredd = klientyta->width() * Skaerm::TwipsPerPixel;
    m.SkaermHoejd = klientyta->height() * Skaerm::TwipsPerPixel;
    placeraDekoration();
    placeraEfterYtan();
    placeraMenyOm();
    placeraRadOm();
}

// The pictures of the window's own decoration and controls.
void FrmPluvo::haemtaBilder()
{
    FrmBilder& bilder = frmBilder();
    for (size_t i = 0; i < imaRam.size(); ++i)
        imaRam[i]->setPixmap(bilder.imaRam(int(i)));
    m_egenPekare = bilder.egenPekare();
    const int pil = Twips::tillPixlar(Munbild::PilHoejd);
    for (Etikett* bild : {picUpp, picNer})
        bild->resize(pil, pil);
    picUpp->setPixmap(bilder.picUpp(picUpp->size()));
    picNer->setPixmap(bilder.picNer(picNer->size()));
    imaMun->setPixmap(bilder.imaMun());
    picNaesta->setPixmap(bilder.picNaesta());
    picBakaat->setPixmap(bilder.picBakaat());
    picFel->setPixmap(bilder.imaAlt(0));
}

void FrmPluvo::placeraDekoration()
{
    const ModPluvo& m = modPluvo();
    const double P = Twips::PerPixel;
    const double hoejd = m.SkaermHoejd;
    const double bredd = m.SkaermBredd;

    Twips::placera(shaRam[0], RamBredd * P / 2, RamBredd * P / 2, bredd - RamBredd * P, hoejd - RamBredd * P);
    Twips::setWidth(shaRam[1], Twips::Width(shaRam[0]) / 2);
    Twips::setLeft(shaRam[1], bredd / 4);
    Twips::setTop(shaRam[1], hoejd / 5);

    // The top band carries the fact line, so it is as tall as a fact label
    // and a little room.
    linRam[0].BorderWidth = labFakta[0]->height() + 8;
    linRam[0].Y1 = hoejd / 7;
    const double bandHoejd = linRam[0].BorderWidth * P;
    Twips::placera(linRam[0].linje, 0, linRam[0].Y1 - bandHoejd / 2, bredd, bandHoejd);
    // The bottom band is as thick as the top band.
    linRam[1].BorderWidth = linRam[0].BorderWidth;
    linRam[1].Y1 = hoejd - linRam[1].BorderWidth * P / 2;
    const double bottenHoejd = linRam[1].BorderWidth * P;
    Twips::placera(linRam[1].linje, 0, linRam[1].Y1 - bottenHoejd / 2, bredd, bottenHoejd);

    for (size_t i = 0; i < imaRam.size(); ++i) {
        const RamLinje& l = linRam[i < 2 ? 0 : 1];
        const double h = l.BorderWidth * P;
        const double b = h * 2;
        const double left = i % 2 == 0 ? 0 : Twips::Width(klientyta) - b - 50;
        Twips::placera(imaRam[i], left, l.Y1 - h / 2, b, h);
        imaRam[i]->raise();
    }

    Twips::setWidth(labMeny, bredd);
    Twips::setHeight(labMeny, labMeny->sizeHint().height() * P);
    Twips::setLeft(labMeny, 0);
    Twips::setTop(labMeny, ((linRam[0].Y1 - bandHoejd / 2) - Twips::Height(labMeny)) / 2);

    const double menyBredd = Twips::Width(shaRam[1]) * 0.9;
    for (Etikett* val : labMenyVal) {
        val->setFontSize(MenyTeckenstorlek);
        Twips::setWidth(val, menyBredd);
        Twips::setHeight(val, val->sizeHint().height() * P);
        // Centred on the middle of the menu box.
        Twips::setLeft(val, Twips::Left(shaRam[1]) + Twips::Width(shaRam[1]) / 2 - menyBredd / 2);
    }

    labAktuell->setFontSize(labMeny->FontSize() / 4);
    Twips::setLeft(labAktuell, modPluvo().SkaermBredd / 2.0);
    Twips::setTop(labAktuell, hoejd - Twips::Height(labAktuell) * 5 / 4 - bottenHoejd);

    FaktaMellanrum = 0;
    for (Etikett* fakta : labFakta) {
        Twips::setTop(fakta, (linRam[0].Y1 - bandHoejd / 2) + (bandHoejd - Twips::Height(labFakta[0])) / 2);
        FaktaMellanrum += int(Twips::Width(fakta));
    }
    FaktaMellanrum = int(Twips::avrunda((bredd - FaktaMellanrum - 2 * RamBredd * P) / 4));
    Twips::setLeft(labFakta[0], RamBredd * P + FaktaMellanrum);
    for (size_t i = 1; i < labFakta.size(); ++i) {
        double left = Twips::Left(labFakta[i - 1]) + Twips::Width(labFakta[i - 1]);
        if (i == 2 || i == 4)
            left += FaktaMellanrum;
        Twips::setLeft(labFakta[i], left);
    }

    Twips::placera(picTaTangent, 0, 0, 15, 15);
}

void FrmPluvo::Form_Resize()
{
    const double skala = Skaerm::Width() / (Skaerm::TwipsPerPixel * 800.0);
    MenyTeckenstorlek = int(Twips::avrunda(skala * 32));
    labMeny->setFontSize(float(skala * 28));
    // Where the window stands is not moved here: a window that is not
    // maximized is placed on the screen when it is shown or restored, like
    // every window of the program, and then stands where the pupil puts it.
}

void FrmPluvo::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // The first size change is the window being made; later ones (the
    // area a window manager grants, a screen change) lay it out again.
    if (!m_harAendratStorlek) {
        m_harAendratStorlek = true;
        return;
    }
    Form_Resize();
    const ModPluvo& m = modPluvo();
    if (m_utlagd && (Twips::fraanPixlar(klientyta->width()) != m.SkaermBredd
                     || Twips::fraanPixlar(klientyta->height()) != m.SkaermHoejd))
        placeraOm();
}

void FrmPluvo::HaemtaAktuellOevning()
{
    LaddarSparadOevning = true;
    LaesInOevning(SettingsStore::GetSetting("Aktuell", "Filnamn", QString()), false);
}

void FrmPluvo::PlaceraMunAkt()
{
    imaMun_akt->setPixmap(imaMun->pixmap());
    Twips::setWidth(imaMun_akt, Twips::Width(imaMun));
    Twips::setHeight(imaMun_akt, Twips::Height(imaMun));
    Twips::setTop(imaMun_akt, Twips::Height(imaMun) * 5 / 4);
    Twips::setLeft(imaMun_akt, Twips::Width(klientyta) - 2 * Twips::Width(imaMun));
}

void FrmPluvo::Form_QueryUnload(bool& Cancel)
{
    Cancel = false;
    skrivLoggbokFil(Cancel);
}

void FrmPluvo::Form_Unload()
{
    StaengLjud();
    laddaUrFrmBilder();
}

void FrmPluvo::LaddaUrObjekt()
{
    close();
}

void FrmPluvo::closeEvent(QCloseEvent* e)
{
    bool Cancel = false;
    Form_QueryUnload(Cancel);
    if (Cancel) {
        e->ignore();
        return;
    }
    Form_Unload();
    e->accept();
}
