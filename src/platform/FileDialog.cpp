#include "platform/FileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace {

std::function<std::optional<QString>(const OeppnaDialogAnrop&)>& oeppnaHanterare()
{
    static std::function<std::optional<QString>(const OeppnaDialogAnrop&)> h;
    return h;
}

std::function<std::optional<SparaDialogSvar>(const SparaDialogAnrop&)>& sparaHanterare()
{
    static std::function<std::optional<SparaDialogSvar>(const SparaDialogAnrop&)> h;
    return h;
}

// "Name|*.a;*.b|..." becomes Qt's "Name (*.a *.b)" filters.
QStringList qtFilter(const QString& filter)
{
    const QStringList delar = filter.split('|');
    QStringList resultat;
    for (int i = 0; i + 1 < delar.size(); i += 2) {
        QString moenster = delar[i + 1];
        moenster.replace(';', ' ');
        const QString& namn = delar[i];
        resultat << (namn.contains('(') ? namn.left(namn.indexOf('(')).trimmed() : namn) + " (" + moenster + ")";
    }
    return resultat;
}

void foerbered(QFileDialog& dialog, const QStringList& filter, int filterIndex, const QString& knapp)
{
    // The dialogs choose a file; they never rename, delete or make one, as
    // Qt's own dialog otherwise offers (a pupil could remove the settings
    // and so their lock). A desktop's own dialog may offer it regardless.
    dialog.setOptions(QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(filter);
    if (filterIndex >= 1 && filterIndex <= filter.size())
        dialog.selectNameFilter(filter[filterIndex - 1]);
    dialog.setLabelText(QFileDialog::Accept, knapp);
    dialog.setLabelText(QFileDialog::Reject, "Avbryt");
    dialog.setLabelText(QFileDialog::LookIn, "Leta i:");
    dialog.setLabelText(QFileDialog::FileName, "Filnamn:");
    dialog.setLabelText(QFileDialog::FileType, "Filformat:");
}

}  // namespace

std::optional<QString> VisaOeppnaDialog(const OeppnaDialogAnrop& anrop)
{
    if (oeppnaHanterare())
        return oeppnaHanterare()(anrop);

    QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8("Öppna"), anrop.startmapp);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    foerbered(dialog, qtFilter(anrop.filter), anrop.filterIndex, QString::fromUtf8("&Öppna"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void saettOeppnaDialogHanterare(std::function<std::optional<QString>(const OeppnaDialogAnrop&)> h)
{
    oeppnaHanterare() = std::move(h);
}

std::optional<SparaDialogSvar> VisaSparaDialog(const SparaDialogAnrop& anrop)
{
    if (sparaHanterare())
        return sparaHanterare()(anrop);

    QFileDialog dialog(QApplication::activeWindow(), "Spara som", anrop.startmapp);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filter = qtFilter(anrop.filter);
    foerbered(dialog, filter, anrop.filterIndex, "&Spara");
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!anrop.filnamn.isEmpty())
        dialog.selectFile(QDir(anrop.startmapp).filePath(anrop.filnamn));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SparaDialogSvar{dialog.selectedFiles().first(), int(filter.indexOf(dialog.selectedNameFilter())) + 1};
}

void saettSparaDialogHanterare(std::function<std::optional<SparaDialogSvar>(const SparaDialogAnrop&)> h)
{
    sparaHanterare() = std::move(h);
}
