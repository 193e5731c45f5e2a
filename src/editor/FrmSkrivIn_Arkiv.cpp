// The editor's file menu: new, open, save, save as, delete, print, close.
#include "editor/FrmSkrivIn.h"

#include "common/ExerciseFile.h"
#include "common/OevningsNamn.h"
#include "common/Program.h"
#include "common/TextConversion.h"
#include "editor/Oevningslista.h"
#include "editor/Oevningsutskrift.h"
#include "editor/TeckenUtanKod.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// A path in a menu caption shows its "&" instead of underlining a letter.
QString menytext(const QString& text)
{
    QString resultat = text;
    return resultat.replace(u'&', QStringLiteral("&&"));
}

// Why the disk refused, in the teacher's terms; empty when neither the
// folder nor the file shows why (a full disk).
QString skrivhinderText(HelaFiler::Skrivhinder hinder, const QString& soekvaeg)
{
    const QString mapp = QDir::toNativeSeparators(QFileInfo(soekvaeg).absolutePath());
    switch (hinder) {
    case HelaFiler::Skrivhinder::MappenSaknas:
        return "Mappen " + mapp + " finns inte.";
    case HelaFiler::Skrivhinder::MappenSkrivskyddad:
        return QString::fromUtf8("Det går inte att spara i mappen ") + mapp + ".";
    case HelaFiler::Skrivhinder::FilenSkrivskyddad:
        return QDir::toNativeSeparators(soekvaeg) + QString::fromUtf8(" är skrivskyddad.");
    case HelaFiler::Skrivhinder::Okaent:
        break;
    }
    return QString();
}

// What a refused save tells the teacher: the character the file cannot
// hold and its line, or that the file could not be written and why.
QString skrivfelText(const OevningsfilSkrivning& s, const QString& soekvaeg)
{
    switch (s.fel) {
    case OevningsfilSkrivning::Fel::TeckenUtanKod:
        return teckenUtanKodText(s.tecken, s.radIndex + 1, QString::fromUtf8("Ändra raden och spara igen."));
    case OevningsfilSkrivning::Fel::RadbrytningIRad:
        return QString::fromUtf8("Rad %1 innehåller en radbrytning och kan inte sparas i en övningsfil.")
            .arg(s.radIndex + 1);
    case OevningsfilSkrivning::Fel::KundeInteSkriva:
    case OevningsfilSkrivning::Fel::Inget:
        break;
    }
    const QString fel = QStringLiteral("Ett fel uppstod vid skrivning!");
    const QString orsak = skrivhinderText(s.hinder, soekvaeg);
    return orsak.isEmpty() ? fel : fel + CRLF + orsak;
}

}  // namespace

void FrmSkrivIn::menArkiv_Click()
{
    const int antal = lstSkrivIn->count();
    const bool namngiven = aerNamngiven();
    menSpara->setEnabled(antal > 0 && namngiven && !Sparad);
    menSparaSom->setEnabled(antal > 0);
    // A path keeps its letter case: lower-cased it would name another file.
    menTaBort->setText("&Ta bort " + menytext(AktuellFil) + "...");
    menTaBort->setEnabled(namngiven && Sparad);
    menSkrivUt->setText("&Skriv ut " + menytext(AktuellFil) + "...");
    // Like saving, printing needs items: an empty list would print nothing.
    menSkrivUt->setEnabled(antal > 0 && namngiven && Sparad && !SkriverUt);
}

bool FrmSkrivIn::SparaFoerst(const QString& fraaga, const QString& rubrik)
{
    switch (MsgBox(fraaga, MsgKnappar::JaNejAvbryt, MsgIkon::Fraaga, rubrik, MsgSvar::Ja)) {
    case MsgSvar::Ja:
        return aerNamngiven() ? SparaOevning(AktuellFil) : SparaSom();
    case MsgSvar::Nej:
        return true;
    default:
        return false;
    }
}

void FrmSkrivIn::menOvningstyp_Click(int index)
{
    if (harNaagotAttFoerlora()
        && !SparaFoerst("Skall " + AktuellFil + QString::fromUtf8(" sparas först?"), Program::Titel))
        return;
    const QString foerra = TypNamn;
    TypNamn = NyTypNamn(index);
    BytTyp(TypNamn, foerra);
    SpaerraKnappar();
    AktuellFil = Namnloes;
    VisaRubrik();
    lstSkrivIn->clear();
    labUppgift->hide();
}

void FrmSkrivIn::menOeppna_Click()
{
    // Opening replaces the list, so unsaved changes get the same question
    // as a new exercise.
    if (harNaagotAttFoerlora()
        && !SparaFoerst("Skall " + AktuellFil + QString::fromUtf8(" sparas först?"), Program::Titel))
        return;
    OeppnaOevning();
}

void FrmSkrivIn::OeppnaOevning()
{
    Konvertera = false;
    if (!TypNamn.isEmpty())
        oeppnaFilterIndex = OeppnaFilterIndex(TypNamn);
    const std::optional<QString> vald = VisaOeppnaDialog({OeppnaFilter, oeppnaFilterIndex, Katalog});
    if (!vald || vald->isEmpty())
        return;
    const QString soekvaeg = *vald;
    if (!godtaOevningsfil(soekvaeg, QString::fromUtf8("Öppna")))
        return;
    Katalog = HaemtaKatalog(soekvaeg);

    const QString foerra = TypNamn;
    const QString nyTyp = OevningsTypFraanFil(soekvaeg);
    if (!nyTyp.isEmpty())
        TypNamn = nyTyp;
    BytTyp(TypNamn, foerra);
    AktuellFil = soekvaeg;
    VisaRubrik();
    lstSkrivIn->clear();

    // The reader asks the old-version question; the lines are converted
    // here, in the list, when the answer is Yes.
    const OevningsfilRader fil = LaesOevningsfilRader(soekvaeg, [this] {
        Konvertera = MsgBox(QString::fromUtf8("Denna övning tycks ha skapats med en äldre version av Pluvo.") + CRLF
                                + QString::fromUtf8("Skall övningen konverteras vid inläsning?"),
                            MsgKnappar::JaNej, MsgIkon::Fraaga, Program::Titel, MsgSvar::Ja)
                     == MsgSvar::Ja;
        return false;
    });
    lstSkrivIn->addItems(fil.rader);
    if (fil.status != OevningsfilStatus::Laest) {
        // What was read is not the file: it must never be saved over it or
        // count as it.
        AktuellFil = Namnloes;
        VisaRubrik();
        Sparad = false;
        VisaMarkering(0);
        MsgBox(QString::fromUtf8("Ett fel uppstod vid filhämtning!"), MsgKnappar::Ok, MsgIkon::Information,
               QString::fromUtf8("Öppna"));
        return;
    }
    Sparad = !Konvertera;
    if (Konvertera)
        KonverteraLista();
    VisaMarkering(0);
}

// Any name can be typed in the dialogs; only exercise files are taken.
bool FrmSkrivIn::godtaOevningsfil(const QString& soekvaeg, const QString& rubrik)
{
    if (AerOevningsfil(soekvaeg))
        return true;
    MsgBox(IngenOevningsfilText(soekvaeg), MsgKnappar::Ok, MsgIkon::Information, rubrik);
    return false;
}

// Saving through a link would write whatever file it names, like the
// settings file: the editor saves only over plain files.
bool FrmSkrivIn::godtaSparfil(const QString& soekvaeg, const QString& rubrik)
{
    if (!godtaOevningsfil(soekvaeg, rubrik))
        return false;
    if (!QFileInfo(soekvaeg).isSymLink())
        return true;
    MsgBox(QDir::toNativeSeparators(soekvaeg)
               + QString::fromUtf8(" är en länk till en annan fil och skrivs inte över.") + CRLF
               + QString::fromUtf8("Spara övningen under ett annat namn."),
           MsgKnappar::Ok, MsgIkon::Information, rubrik);
    return false;
}

void FrmSkrivIn::KonverteraLista()
{
    for (int i = 0; i < lstSkrivIn->count(); ++i)
        lstSkrivIn->item(i)->setText(KonverteraFraanDos(lstSkrivIn->item(i)->text()));
}

void FrmSkrivIn::menSpara_Click()
{
    SparaOevning(AktuellFil);
}

bool FrmSkrivIn::SparaOevning(const QString& soekvaeg)
{
    if (!godtaSparfil(soekvaeg, "Spara"))
        return false;
    const OevningsfilSkrivning s = SkrivOevningsfil(soekvaeg, rader());
    if (!s.ok()) {
        if (s.radIndex >= 0)
            VisaMarkering(s.radIndex);
        MsgBox(skrivfelText(s, soekvaeg), MsgKnappar::Ok,
               s.fel == OevningsfilSkrivning::Fel::KundeInteSkriva ? MsgIkon::Information : MsgIkon::Utropstecken,
               "Spara");
        return false;
    }
    Sparad = true;
    return true;
}

void FrmSkrivIn::menSparaSom_Click()
{
    SparaSom();
}

bool FrmSkrivIn::SparaSom()
{
    const bool ljud = TypNamn == QLatin1String("Glosor med ljud");
    SparaDialogAnrop anrop;
    anrop.filter = ljud ? SparaSomFilterLjud : SparaSomFilter;
    anrop.filterIndex = ljud ? 1 : std::max(1, SparaSomFilterIndex(TypNamn));
    anrop.startmapp = Katalog;
    anrop.filnamn = aerNamngiven() ? HaemtaFilnamn(AktuellFil) : QString();
    const std::optional<SparaDialogSvar> svar = VisaSparaDialog(anrop);
    if (!svar || svar->fil.isEmpty())
        return false;

    const QString soekvaeg = MedTypaendelse(svar->fil, ljud, svar->filterIndex);
    if (!godtaSparfil(soekvaeg, "Spara som"))
        return false;
    if (QFileInfo::exists(soekvaeg) && !VillErsaetta(soekvaeg, "Spara som"))
        return false;
    if (!SparaOevning(soekvaeg))
        return false;

    // The list now is that file.
    Katalog = HaemtaKatalog(soekvaeg);
    AktuellFil = soekvaeg;
    const QString nyTyp = OevningsTypFraanFil(soekvaeg);
    if (!nyTyp.isEmpty() && nyTyp != QLatin1String("Glosor med ljud"))
        TypNamn = nyTyp;
    VisaRubrik();
    return true;
}

void FrmSkrivIn::menTaBort_Click()
{
    if (!godtaOevningsfil(AktuellFil, "Ta bort"))
        return;
    if (MsgBox("Vill du ta bort " + AktuellFil, MsgKnappar::JaNejAvbryt, MsgIkon::Fraaga, "Ta bort", MsgSvar::Nej)
        != MsgSvar::Ja)
        return;
    if (!QFile::remove(AktuellFil)) {
        MsgBox("Ett fel uppstod", MsgKnappar::Ok, MsgIkon::Information, "Ta bort");
        return;
    }
    MsgBox(AktuellFil + " har tagits bort!", MsgKnappar::Ok, MsgIkon::Information, "Ta bort");
    AktuellFil = Namnloes;
    VisaRubrik();
    lstSkrivIn->clear();
    Sparad = false;
    SpaerraKnappar();
    labUppgift->hide();
}

void FrmSkrivIn::menSkrivUt_Click()
{
    SkriverUt = true;
    SkrivUtOevning(this, AktuellFil, rader(), lstSkrivIn->font().family());
    SkriverUt = false;
}

void FrmSkrivIn::menInstaellning_Click()
{
    VisaUtskriftsinstaellningar(this);
}

void FrmSkrivIn::menAvsluta_Click()
{
    close();
}

bool FrmSkrivIn::Form_QueryUnload()
{
    if (!harNaagotAttFoerlora())
        return true;
    return SparaFoerst(QString::fromUtf8("Övningen ") + AktuellFil + QString::fromUtf8(" är ej sparad.") + CRLF
                           + QString::fromUtf8("Skall den sparas först?"),
                       "Avsluta");
}
