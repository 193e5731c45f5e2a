#include "common/FrmMeddelande.h"

#include "common/Etikett.h"
#include "common/FrmBilder.h"
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "platform/TextSpeaker.h"

#include <QCloseEvent>
#include <QKeyEvent>

FrmMeddelande::FrmMeddelande(const MeddelandeUtseende& utseende, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("frmMeddelande");
    setFocusPolicy(Qt::StrongFocus);

    ModPluvo& mod = modPluvo();

    labMeddelande = new Etikett(this);
    labMeddelande->setObjectName("labMeddelande");
    labMeddelande->setBackColor(utseende.bakgrund);
    labMeddelande->setForeColor(utseende.textfaerg);
    labMeddelande->setFontName(utseende.fontNamn);
    labMeddelande->setFontSize(utseende.textStorlek);
    labMeddelande->setAlignment(Qt::AlignCenter);
    labMeddelande->setAutoSize(true);
    // Messages are written with CR LF line ends.
    labMeddelande->setCaption(QString(mod.MeddelandeText).replace("\r\n", "\n"));

    for (int i = 0; i < 2; ++i) {
        imaOK[i] = new Etikett(this);
        imaOK[i]->setObjectName(QString("imaOK%1").arg(i));
        imaOK[i]->setPixmap(frmBilder().imaOK(i));
        imaOK[i]->setAutoSize(true);
        imaOK[i]->setCursor(utseende.pekare);
        connect(imaOK[i], &Etikett::musNer, this, &FrmMeddelande::imaOK_MouseDown);
        connect(imaOK[i], &Etikett::musUpp, this, &FrmMeddelande::imaOK_MouseUp);
    }

    if (mod.TalFinns && mod.LaesMeny)
        Laes(mod.MeddelandeText + ", okej.");

    QPalette p = palette();
    p.setColor(QPalette::Window, utseende.bakgrund);
    setPalette(p);
    setAutoFillBackground(true);
    QFont f(utseende.fontNamn);
    f.setPointSizeF(qBound(1.0, utseende.fontStorlek, 1000.0));
    setFont(f);

    // Sizes in twips: the label has sized itself to its text.
    const double labBredd = Twips::Width(labMeddelande);
    const double labHoejd = Twips::Height(labMeddelande);
    const double okBredd = Twips::Width(imaOK[0]);
    const double okHoejd = Twips::Height(imaOK[0]);
    const double bredd = labBredd * 20 / 19;
    const double hoejd = labHoejd + okHoejd * 5 / 2;
    setFixedSize(Twips::tillPixlar(bredd), Twips::tillPixlar(hoejd));

    Twips::setTop(labMeddelande, okHoejd / 2);
    for (Etikett* ok : imaOK)
        Twips::placera(ok, (bredd - okBredd) / 2, labHoejd + okHoejd, okBredd, okHoejd);
    imaOK[1]->stackUnder(imaOK[0]);
    Twips::setLeft(labMeddelande, (bredd - labBredd) / 2);

    // Centred on the owner's usable area (the training window's client area
    // under a window manager), or on the screen.
    QRect yta(QPoint(0, 0), Skaerm::storlekPixlar());
    if (parent)
        yta = QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    move(yta.x() + (yta.width() - Twips::tillPixlar(bredd)) / 2,
         yta.y() + (yta.height() - Twips::tillPixlar(hoejd)) / 2);
}

void FrmMeddelande::ok_tryck()
{
    if (modPluvo().TalFinns) {
        if (TextSpeaker* roest = ljudKoppling().roest1)
            roest->Tysta();
    }
    accept();
}

void FrmMeddelande::keyPressEvent(QKeyEvent* e)
{
    // A key still held from the window below must not close the message
    // before the pupil has seen it.
    if (e->isAutoRepeat())
        return;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        ok_tryck();
        break;
    default:
        break;
    }
}

void FrmMeddelande::imaOK_MouseDown()
{
    imaOK[0]->setVisible(false);
    // Hiding the pressed picture ends Qt's hold on the pointer, and the
    // release would reach no widget; the pressed look takes the hold over,
    // so one click closes the window wherever the button comes up.
    imaOK[1]->grabMouse();
}

void FrmMeddelande::imaOK_MouseUp()
{
    imaOK[1]->releaseMouse();
    ok_tryck();
}

void FrmMeddelande::reject() {}

void FrmMeddelande::closeEvent(QCloseEvent* e)
{
    e->ignore();
}

void visaMeddelandeFoenster(const MeddelandeUtseende& utseende, QWidget* aegare)
{
    FrmMeddelande meddelande(utseende, aegare);
    meddelande.exec();
}
