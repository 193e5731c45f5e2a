#include "common/FrmSplash.h"

#include "common/FrmBilder.h"
#include "common/Informationsetikett.h"
#include "common/Program.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "platform/VbTimer.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

#include <cmath>

namespace {

constexpr double Bredd = 7200;
constexpr double Hoejd = 4500;
constexpr double Marginal = 120;

const QColor Bakgrund(255, 238, 192);
}  // namespace

FrmSplash::FrmSplash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setWindowTitle(Program::Titel);
    QPalette p = palette();
    p.setColor(QPalette::Window, Bakgrund);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(Twips::tillPixlar(Bredd), Twips::tillPixlar(Hoejd));

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Frame1->setLineWidth(2);
    QPalette ramfaerg = Frame1->palette();
    ramfaerg.setColor(QPalette::WindowText, InformationsTextfaerg);
    Frame1->setPalette(ramfaerg);
    const double ramBredd = Bredd - 2 * Marginal;
    Twips::placera(Frame1, Marginal, Marginal, ramBredd, Hoejd - 2 * Marginal);

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(frmBilder().imgLogo(QSize(160, 120)));
    Twips::placera(imgLogo, 240, 600, 2400, 1800);

    lblCompany = nyInformationsetikett(Frame1, "lblCompany", "MOLVI", 11, true);
    Twips::setLeft(lblCompany, 2880);
    Twips::setTop(lblCompany, 360);
    lblProductName = nyInformationsetikett(Frame1, "lblProductName", Program::Titel, 40, true);
    Twips::setLeft(lblProductName, 2880);
    Twips::setTop(lblProductName, 840);
    lblVersion = nyInformationsetikett(Frame1, "lblVersion", Program::VersionText(), 12, false);
    Twips::setLeft(lblVersion, 2880);
    Twips::setTop(lblVersion, 2040);
    lblBeskrivning = nyInformationsetikett(Frame1, "lblBeskrivning", "Träna stavning och glosor", 12, false);
    Twips::setLeft(lblBeskrivning, 2880);
    Twips::setTop(lblBeskrivning, 2460);

    lblWarning = nyInformationsetikett(Frame1, "lblWarning", "Klicka eller tryck på en tangent för att börja.", 10, false);
    // Centred in the window; the frame sits at Marginal from its left edge.
    Twips::setLeft(lblWarning, (Bredd - Twips::Width(lblWarning)) / 2 - Marginal);
    Twips::setTop(lblWarning, Hoejd - 2 * Marginal - 600);

    Timer1 = new VbTimer(this);
    Timer1->setObjectName("Timer1");
    connect(Timer1, &VbTimer::Timer, this, &FrmSplash::Timer1_Timer);
    Timer1->setInterval(1000);
}

void FrmSplash::Timer1_Timer()
{
    ++m_tick;
    if (m_tick > 2)
        done(Accepted);
}

void FrmSplash::keyPressEvent(QKeyEvent* e)
{
    // A key that types closes the window; Shift, the arrows and the function
    // keys alone do not. Delete carries a character but types none.
    if (!e->text().isEmpty() && e->key() != Qt::Key_Delete)
        done(Accepted);
}

void FrmSplash::mouseReleaseEvent(QMouseEvent*)
{
    done(Accepted);
}

void FrmSplash::done(int resultat)
{
    if (!m_staengd) {
        m_staengd = true;
        Timer1->setEnabled(false);
        // The pointer leaves first: closing the window under a resting
        // pointer would hand the item below it an "entered" of its own.
        FlyttaMuspekare();
    }
    QDialog::done(resultat);
}

void visaSplash(QWidget* parent)
{
    FrmSplash splash(parent);
    splash.exec();
}

void FlyttaMuspekare()
{
    Skaerm::SetCursorPos(int(std::lround(Skaerm::Width())), int(std::lround(Skaerm::Height())));
}
