#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace TestSupport {

// What a file chooser offers for the file `namn` in it that could change the
// disk: the enabled entries of the file's menu and a new-folder button. The
// Delete key is tried on the file too; a chooser that asks first waits in
// its question, which nothing here answers.
QStringList erbjudetIFilvaeljaren(QWidget& vaeljare, const QString& namn);

}  // namespace TestSupport
