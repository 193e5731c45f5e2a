#include "viewers/FrmPluvoLoggbok.h"

#include "common/Diskett.h"
#include "common/FrmBilder.h"
#include "common/LoggbokFil.h"
#include "common/ModPluvo.h"
#include "common/Program.h"
#include "common/TextFile.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/HelaFiler.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

const QString FelVidFilhaemtning = QStringLiteral("Ett fel uppstod vid filhämtning!");

void filfel()
{
    MsgBox(FelVidFilhaemtning, MsgKnappar::Ok, MsgIkon::Information, QStringLiteral("Öppna"));
}

// The saved logbook the teacher picks on the diskette, or nothing on
// Cancel. No diskette is reported, as a missing one is on the drive.
std::optional<QString> vaeljSparadLoggbok()
{
    const std::optional<QString> diskett = Diskett::mapp();
    if (!diskett) {
        filfel();
        return std::nullopt;
    }
    OeppnaDialogAnrop anrop;
    anrop.filter = QStringLiteral("Loggbok|*.slf");
    anrop.startmapp = *diskett;
    return VisaOeppnaDialog(anrop);
}

// A widget shows "\n" line ends; the logbook's CRLF would show as extra
// characters.
QString somRader(const QString& text)
{
    QString rader = text;
    rader.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    rader.replace(u'\r', u'\n');
    return rader;
}

}  // namespace

FrmPluvoLoggbok::FrmPluvoLoggbok(QWidget* parent, const QString& loggbok, TextSpeaker* roest)
    : TextVisare(parent, roest, QStringLiteral("Pluvo - Loggbok")), m_loggbok(loggbok)
{
    setObjectName("frmPluvoLoggbok");

    menAktuellLoggbok = nyttMenyval("menAktuellLoggbok", QStringLiteral("Öppna &aktuell Loggbok"), Qt::Key_F5);
    menArkiv->addSeparator();
    menOeppna = nyttMenyval("menOeppna", QStringLiteral("&Öppna sparad Loggbok..."));
    menTaBort = nyttMenyval("menTaBort", QStringLiteral("&Ta bort sparad Loggbok..."));
    menArkiv->addSeparator();
    laeggTillUtskriftOchStaeng();
    connect(menAktuellLoggbok, &QAction::triggered, this, &FrmPluvoLoggbok::VisaAktuellLoggbok);
    connect(menOeppna, &QAction::triggered, this, &FrmPluvoLoggbok::menOeppna_Click);
    connect(menTaBort, &QAction::triggered, this, &FrmPluvoLoggbok::menTaBort_Click);

    if (modPluvo().OevningsTyp == 5) {
        imaRekord->setPixmap(frmBilder().imaLjud());
        imaMun = new QLabel(this);
        imaMun->setObjectName("imaMun");
        const QPixmap mun = frmBilder().imaMun();
        imaMun->setPixmap(mun);
        imaMun->resize(mun.size());
        imaMun->raise();
        placeraMun();
    }

    VisaAktuellLoggbok();
}

void FrmPluvoLoggbok::resizeEvent(QResizeEvent* event)
{
    TextVisare::resizeEvent(event);
    placeraMun();
}

void FrmPluvoLoggbok::placeraMun()
{
    if (imaMun)
        imaMun->move(width() - 2 * imaMun->width(), height() - 2 * imaMun->height());
}

void FrmPluvoLoggbok::VisaAktuellLoggbok()
{
    txtHandledning->setPlainText(somRader(loggbokFilInnehaall(m_loggbok, Klocka::Nu())));
    menAktuellLoggbok->setEnabled(false);
}

void FrmPluvoLoggbok::menOeppna_Click()
{
    const std::optional<QString> fil = vaeljSparadLoggbok();
    if (!fil)
        return;
    // Any name can be typed: a pipe or a device must not hold the window.
    const HelaFiler::LaestFil loggbok = HelaFiler::laes(*fil, StoerstaLoggbokFil);
    if (loggbok.status != HelaFiler::Laesning::Laest) {
        filfel();
        return;
    }
    // The saved file is shown as stored, its own title and date included.
    QString text;
    for (const QString& rad : delaIRader(avkodaTextfil(loggbok.bytes)))
        text += rad + u'\n';
    txtHandledning->setPlainText(text);
    menAktuellLoggbok->setEnabled(true);
}

void FrmPluvoLoggbok::menTaBort_Click()
{
    const std::optional<QString> fil = vaeljSparadLoggbok();
    if (!fil)
        return;
    const QString rubrik = QStringLiteral("Ta bort");
    const QString visatNamn = QDir::toNativeSeparators(*fil);
    // Only the logbooks the program saved may go: the dialog lets any file
    // name be typed.
    if (QFileInfo(*fil).suffix().compare(QStringLiteral("slf"), Qt::CaseInsensitive) != 0) {
        MsgBox(QStringLiteral("Endast sparade loggböcker (*.slf) kan tas bort."), MsgKnappar::Ok,
               MsgIkon::Information, rubrik);
        return;
    }
    if (MsgBox("Vill du ta bort " + visatNamn + "?", MsgKnappar::JaNej, MsgIkon::Fraaga, rubrik,
               MsgSvar::Nej) != MsgSvar::Ja)
        return;
    QFile::remove(*fil);
    if (QFileInfo::exists(*fil)) {
        filfel();
        return;
    }
    MsgBox(visatNamn + " är raderad.", MsgKnappar::Ok, MsgIkon::Information, Program::Titel);
}
