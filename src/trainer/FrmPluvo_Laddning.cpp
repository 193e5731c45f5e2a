// Loading an exercise into the training window, and the logbook file saved
// at exit.
#include "trainer/FrmPluvo.h"

#include "common/Diskett.h"
#include "common/ExerciseFile.h"
#include "common/Instaellningsfel.h"
#include "common/ModPluvo.h"
#include "common/OevningsNamn.h"
#include "common/Program.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "platform/Timglas.h"

namespace {

const QString AktuellOevning = QStringLiteral("Aktuell övning: ");

}  // namespace

void FrmPluvo::HaemtaOevningDialog(int TypIndex)
{
    OeppnaDialogAnrop anrop;
    anrop.filter = QStringLiteral(
        "Rättstavning (*.rtt)|*.rtt|Ordkunskap (*.ord)|*.ord|Glosor (*.glo)|*.glo|"
        "Glosor med ljud (*.gls)|*.gls|Övrigt (*.tst)|*.tst"
        "|Alla typer|*.rtt;*.ord;*.glo;*.tst;*.gls");
    anrop.filterIndex = TypIndex + 1;
    anrop.startmapp = modPluvo().OevningsMapp;
    const std::optional<QString> fil = VisaOeppnaDialog(anrop);
    // Cancel ends the command without a word.
    if (!fil)
        return;
    LaesInOevning(*fil, true);
}

void FrmPluvo::LaesInOevning(const QString& Soekvaeg, bool FraanDialog)
{
    ModPluvo& m = modPluvo();
    Timglas timglas;

    // The type comes from the ending alone. A file of any other ending is
    // no exercise and is refused like one that cannot be opened, so it can
    // never run under the previous exercise's type.
    const QString typNamn = OevningsTypFraanFil(Soekvaeg);
    bool oeppnad = false;
    if (!typNamn.isEmpty()) {
        timglas.paa();
        InlaestOevning fil = LaesInOevningsfil(Soekvaeg, [&timglas] {
            timglas.av();
            const bool ja =
                MsgBox(QStringLiteral("Denna övning tycks ha skapats med en äldre version av Pluvo.\r\n"
                                      "Skall övningen konverteras vid inläsning?"),
                       MsgKnappar::JaNej, MsgIkon::Fraaga, Program::Titel, MsgSvar::Ja) == MsgSvar::Ja;
            timglas.paa();
            return ja;
        });
        // A file that opened but could not be read through counts as one
        // without rows: the teacher is told, and nothing half-read is used.
        oeppnad = fil.status != OevningsfilStatus::KundeInteOeppnas;
        if (oeppnad) {
            if (fil.status != OevningsfilStatus::Laest)
                fil.rader.clear();
            m.AntalOrd = int(fil.rader.size());
            // The previous exercise's rows stay until the new one has rows.
            if (m.AntalOrd > 0)
                m.OevningsOrdlista = std::move(fil.rader);
        }
    }
    timglas.av();

    if (oeppnad && m.AntalOrd > 0) {
        sparaAktuellOevning(Soekvaeg);
        AktuellSoekvaeg = Soekvaeg;
        // Always rewritten, also when the file name has no name part, so the
        // line never shows the previous exercise.
        labAktuell->setCaption(AktuellOevning + typNamn + " - " + OevningsNamnAvSoekvaeg(Soekvaeg).toLower());
        if (typNamn == QStringLiteral("Glosor med ljud"))
            imaMun_akt->show();
        else
            imaMun_akt->hide();
        txtLoggbok.skrivInlaesning(labAktuell->Caption(), Klocka::Tid(Klocka::Nu()));
        m.OevningsTyp = OevningsTypNummer(typNamn);
    } else {
        if (oeppnad) {
            const QString text = QStringLiteral("Övningen innehåller inga godkända ord");
            if (FraanDialog)
                MsgBox(text, MsgKnappar::Ok, MsgIkon::Information, Program::Titel);
            else
                VisaMeddelande(text);
        }
        if (LaddarSparadOevning) {
            // The remembered exercise is gone: none is current.
            labAktuell->setCaption(AktuellOevning + QStringLiteral("Ej inläst"));
            imaMun_akt->hide();
            m.OevningsTyp = 0;
            AktuellSoekvaeg.clear();
            // Written only when there is something to empty, so a first
            // start leaves the key missing.
            if (!SettingsStore::GetSetting("Aktuell", "Filnamn", QString()).isEmpty())
                sparaAktuellOevning(QString());
        } else {
            HaemtaAktuellOevning();
        }
    }

    LaddarSparadOevning = false;
}

void FrmPluvo::sparaAktuellOevning(const QString& soekvaeg)
{
    if (!SettingsStore::SaveSetting("Aktuell", "Filnamn", soekvaeg))
        saegOmInstaellningsfel();
}

// Said once the window stands; what start-up could not store is told then.
void FrmPluvo::saegOmInstaellningsfel()
{
    if (!m_utlagd || m_instaellningsfelSagt)
        return;
    m_instaellningsfelSagt = true;
    Instaellningsfel::visa(Program::Titel, Instaellningsfel::GaellerTillsAvslut);
}

void FrmPluvo::skrivLoggbokFil(bool& Cancel)
{
    if (!modPluvo().SparaLoggbokDiskett || !LoggbokHarInnehaall(txtLoggbok.text()))
        return;
    if (Diskett::skrivLoggbokFil(txtLoggbok.text(), Klocka::Nu()))
        return;
    const MsgSvar svar = MsgBox(QStringLiteral("Kunde inte spara Loggbok på disk.\r\nVill du avluta ändå?"),
                                MsgKnappar::JaNej, MsgIkon::Fraaga, Program::Titel, MsgSvar::Nej);
    // Only a plain Yes gives the logbook up; anything else keeps the program.
    if (svar != MsgSvar::Ja)
        Cancel = true;
}
