#include "platform/FileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace {

std::function<std::optional<QString>(const OeppnaDialogAnrop&)>& hanterare()
{
    static std::function<std::optional<QString>(const OeppnaDialogAnrop&)> h;
    return h;
}

}  // namespace

std::optional<QString> VisaOeppnaDialog(const OeppnaDialogAnrop& anrop)
{
    if (hanterare())
        return hanterare()(anrop);

    // "Name|*.a;*.b|..." becomes Qt's "Name (*.a *.b)" filters.
    const QStringList delar = anrop.filter.split('|');
    QStringList filter;
    for (int i = 0; i + 1 < delar.size(); i += 2) {
        QString moenster = delar[i + 1];
        moenster.replace(';', ' ');
        QString namn = delar[i];
        filter << (namn.contains('(') ? namn.left(namn.indexOf('(')).trimmed() : namn) + " (" + moenster + ")";
    }
    QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8("Öppna"), anrop.startmapp);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filter);
    if (anrop.filterIndex >= 1 && anrop.filterIndex <= filter.size())
        dialog.selectNameFilter(filter[anrop.filterIndex - 1]);
    dialog.setLabelText(QFileDialog::Accept, QString::fromUtf8("&Öppna"));
    dialog.setLabelText(QFileDialog::Reject, "Avbryt");
    dialog.setLabelText(QFileDialog::LookIn, "Leta i:");
    dialog.setLabelText(QFileDialog::FileName, "Filnamn:");
    dialog.setLabelText(QFileDialog::FileType, "Filformat:");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void saettOeppnaDialogHanterare(std::function<std::optional<QString>(const OeppnaDialogAnrop&)> h)
{
    hanterare() = std::move(h);
}
