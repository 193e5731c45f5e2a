// The open and save dialogs every part of the program uses choose files and
// change nothing on the disk.
#include "platform/FileDialog.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Right-clicks the file in the dialog's list and returns the actions its
// menu offers enabled, then tries the Delete key on it.
QStringList erbjudetFoerFil(QWidget& w, const QString& namn)
{
    auto* dialog = qobject_cast<QFileDialog*>(&w);
    if (!dialog)
        return {"no file dialog"};
    auto* lista = dialog->findChild<QAbstractItemView*>("listView");
    QModelIndex fil;
    const bool listad = QTest::qWaitFor([&] {
        const auto traeffar = lista->model()->match(lista->model()->index(0, 0, lista->rootIndex()), Qt::DisplayRole,
                                                    namn, 1, Qt::MatchExactly);
        fil = traeffar.isEmpty() ? QModelIndex() : traeffar.first();
        return fil.isValid();
    });
    if (!listad)
        return {"file not listed"};
    lista->setCurrentIndex(fil);
    const QPoint punkt = lista->visualRect(fil).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, punkt);
    // The menu runs its own loop until it closes: it is read from there.
    QStringList erbjudet;
    QTimer::singleShot(100, [&erbjudet] {
        auto* meny = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!meny) {
            erbjudet << "no menu";
            return;
        }
        for (QAction* a : meny->actions())
            if (a->isEnabled() && !a->isSeparator() && !a->isCheckable())
                erbjudet << a->text();
        meny->close();
    });
    QContextMenuEvent hoegerklick(QContextMenuEvent::Mouse, punkt, lista->viewport()->mapToGlobal(punkt));
    QApplication::sendEvent(lista->viewport(), &hoegerklick);
    for (auto* knapp : dialog->findChildren<QToolButton*>("newFolderButton"))
        if (knapp->isVisible() && knapp->isEnabled())
            erbjudet << "new folder button";
    QTest::keyClick(lista, Qt::Key_Delete);
    return erbjudet;
}

}  // namespace

TEST(FileDialogTest, OpenAndSaveOfferNoRenameDeleteOrNewFolder)
{
    QTemporaryDir mapp;
    const QString fil = mapp.filePath("djur.rtt");
    TestSupport::skrivFil(fil, "[Pluvo 7.0.7]\r\nhund\r\n");

    // A dialog that can delete asks first, in a window of its own that
    // nothing here answers.
    QStringList oeppna, spara;
    TestSupport::medVakt(10, [&] {
        TestSupport::medModal([&](QWidget& w) { oeppna = erbjudetFoerFil(w, "djur.rtt"); });
        VisaOeppnaDialog({"Rättstavning|*.rtt", 1, mapp.path()});
        TestSupport::medModal([&](QWidget& w) { spara = erbjudetFoerFil(w, "djur.rtt"); });
        VisaSparaDialog({"Rättstavning|*.rtt", 1, mapp.path(), {}});
    });
    EXPECT_TRUE(oeppna.isEmpty()) << oeppna.join(", ").toStdString();
    EXPECT_TRUE(spara.isEmpty()) << spara.join(", ").toStdString();

    EXPECT_TRUE(QFileInfo::exists(fil));
}
