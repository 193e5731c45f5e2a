#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Prints a saved exercise's lines in columns with page headers, in the
// print size and order of the print settings. `aktuellFil` names the file
// in the header; `teckensnitt` is the editor list's font family.
void SkrivUtOevning(QWidget* aegare, const QString& aktuellFil, const QStringList& rader,
                    const QString& teckensnitt);

// The print-settings window, modal.
void VisaUtskriftsinstaellningar(QWidget* aegare);
