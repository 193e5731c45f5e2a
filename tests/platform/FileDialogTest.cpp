// The open and save dialogs every part of the program uses choose files and
// change nothing on the disk.
#include "platform/FileDialog.h"
#include "support/Filvaeljare.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(FileDialogTest, OpenAndSaveOfferNoRenameDeleteOrNewFolder)
{
    QTemporaryDir mapp;
    const QString fil = mapp.filePath("djur.rtt");
    TestSupport::skrivFil(fil, "[Pluvo 7.0.7]\r\nhund\r\n");

    // A dialog that can delete asks first, in a window of its own that
    // nothing here answers.
    QStringList oeppna, spara;
    TestSupport::medVakt(10, [&] {
        TestSupport::medModal([&](QWidget& w) { oeppna = TestSupport::erbjudetIFilvaeljaren(w, "djur.rtt"); });
        VisaOeppnaDialog({"Rättstavning|*.rtt", 1, mapp.path()});
        TestSupport::medModal([&](QWidget& w) { spara = TestSupport::erbjudetIFilvaeljaren(w, "djur.rtt"); });
        VisaSparaDialog({"Rättstavning|*.rtt", 1, mapp.path(), {}});
    });
    EXPECT_TRUE(oeppna.isEmpty()) << oeppna.join(", ").toStdString();
    EXPECT_TRUE(spara.isEmpty()) << spara.join(", ").toStdString();

    EXPECT_TRUE(QFileInfo::exists(fil));
}
