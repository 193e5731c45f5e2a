#include "platform/Utskriftsdialog.h"

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QToolButton>

namespace {

const QString Rubrik = QStringLiteral("Utskrift");

// Qt's dialog takes a name without a folder from the home folder.
QString utskriftsfil(const QString& text)
{
    return QDir::isRelativePath(text) ? QDir::home().filePath(text) : text;
}

// A regular file (behind links too) that begins as every PDF file does.
bool aerPdf(const QFileInfo& fil)
{
    QFile f(fil.filePath());
    return fil.isFile() && f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

// A printout goes only to a file named .pdf and replaces only a PDF, so
// that the settings or an exercise typed as the name are never written
// over. False, once the user is told why or has said no, when it may not.
bool godtaUtskriftsfil(const QString& soekvaeg)
{
    const QFileInfo fil(soekvaeg);
    QString varfoer;
    if (!fil.fileName().endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        varfoer = QString::fromUtf8(" är ingen PDF-fil.\r\nUtskrifter sparas bara i filer med ändelsen .pdf.");
    else if (!fil.exists() && !fil.isSymLink())
        return true;
    else if (aerPdf(fil))
        return VillErsaetta(soekvaeg, Rubrik);
    else
        varfoer = QString::fromUtf8(" är ingen PDF-fil och ersätts inte.\r\nVälj ett annat namn.");
    MsgBox(QDir::toNativeSeparators(soekvaeg) + varfoer, MsgKnappar::Ok, MsgIkon::Information, Rubrik);
    return false;
}

// Qt's dialog chooses the file with a file dialog of its own, which can
// rename and delete, and before printing asks in English whether any file
// at all may be written over. Both are taken over here: "..." opens the
// program's save dialog, and printing to a file checks the file first.
// False when the dialog is not built as expected.
bool taOeverFilvalet(QPrintDialog& dialog)
{
    auto* skrivare = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    auto* filruta = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    auto* vaeljare = dialog.findChild<QToolButton*>(QStringLiteral("fileBrowser"));
    auto* knappar = dialog.findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (!skrivare || !filruta || !vaeljare || !knappar
        || !QObject::disconnect(vaeljare, &QToolButton::clicked, nullptr, nullptr)
        || !QObject::disconnect(knappar, &QDialogButtonBox::accepted, &dialog, nullptr))
        return false;

    // The last printer in the list is the PDF file.
    const auto tillFil = [skrivare] { return skrivare->currentIndex() == skrivare->count() - 1; };
    QObject::connect(vaeljare, &QToolButton::clicked, &dialog, [skrivare, filruta] {
        const QFileInfo nu(utskriftsfil(filruta->text()));
        const std::optional<SparaDialogSvar> svar =
            VisaSparaDialog({QStringLiteral("PDF-fil|*.pdf"), 1, nu.absolutePath(), nu.fileName()});
        if (!svar || svar->fil.isEmpty())
            return;
        filruta->setText(svar->fil);
        skrivare->setCurrentIndex(skrivare->count() - 1);
    });
    QObject::connect(knappar, &QDialogButtonBox::accepted, &dialog, [&dialog, filruta, tillFil] {
        if (!tillFil()) {
            // A printer's options are checked by Qt's dialog as before.
            if (!QMetaObject::invokeMethod(&dialog, "_q_checkFields"))
                dialog.accept();
            return;
        }
        const QString fil = utskriftsfil(filruta->text());
        if (!godtaUtskriftsfil(fil))
            return;
        filruta->setText(fil);
        dialog.accept();
    });
    return true;
}

}  // namespace

bool VisaUtskriftsdialog(QPrinter& skrivare, QWidget* aegare)
{
    QPrintDialog dialog(&skrivare, aegare);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // Without the check, the dialog prints to printers only.
    if (!taOeverFilvalet(dialog))
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}
