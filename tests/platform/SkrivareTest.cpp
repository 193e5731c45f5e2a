// Printing to a file writes only a PDF: the settings and the exercises stay
// as they are, and the print dialog's chooser changes nothing on the disk.
#include "platform/SettingsStore.h"
#include "platform/Skrivare.h"
#include "support/Filvaeljare.h"
#include "support/Foensterstyrning.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(Skrivare, PrintsToAFileOnlyAPdfAndItsChooserChangesNothing)
{
    // The settings hold the lock; beside an exercise lie a file named .pdf
    // that is none and an old PDF.
    TestSupport::nyStart();
    SettingsStore::SaveSetting("Visa", "Inst", "1");
    QTemporaryDir mapp;
    const QString oevning = mapp.filePath("djur.rtt"), falsk = mapp.filePath("falsk.pdf"),
                  gammal = mapp.filePath("gammal.pdf");
    TestSupport::skrivFil(oevning, "[Pluvo 7.0.7]\r\nhund\r\n");
    TestSupport::skrivFil(falsk, "[Pluvo 7.0.7]\r\nkatt\r\n");
    TestSupport::skrivFil(gammal, "%PDF-1.4\n%gammal\n");
    const QStringList kvar{SettingsStore::filnamn(), oevning, falsk};
    QList<QByteArray> foere;
    for (const QString& fil : kvar)
        foere << TestSupport::lasFil(fil);

    TestSupport::MsgBoxInspelare meddelanden(MsgSvar::Nej);
    // Message boxes that are not the program's own are closed unanswered.
    QStringList qtsRutor;
    QTimer vakt;
    QObject::connect(&vakt, &QTimer::timeout, [&qtsRutor] {
        if (auto* ruta = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            qtsRutor << ruta->text();
            ruta->close();
        }
    });
    vakt.start(20);

    QStringList erbjudet{"no chooser"};
    TestSupport::medModal(
        [&](QWidget& dialog) {
            auto* filruta = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
            const auto skrivUtTill = [&](const QString& fil) {
                QTest::keyClick(filruta, Qt::Key_A, Qt::ControlModifier);
                TestSupport::skrivIn(filruta, fil);
                QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
                return dialog.isVisible();
            };
            // To a file: each of them typed in turn, the old PDF kept at Nej.
            QTest::keyClick(dialog.findChild<QComboBox*>(QStringLiteral("printers")), Qt::Key_End);
            for (const QString& fil : kvar + QStringList{gammal})
                if (!skrivUtTill(fil))
                    return;
            TestSupport::medModal([&](QWidget& vaeljare) { erbjudet = TestSupport::erbjudetIFilvaeljaren(vaeljare, "falsk.pdf"); },
                                  [](QWidget& w) { return qobject_cast<QFileDialog*>(&w) != nullptr; });
            QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("fileBrowser")), Qt::LeftButton);
            // The old PDF is replaced at Ja, and printed to.
            meddelanden.svar = MsgSvar::Ja;
            skrivUtTill(gammal);
        },
        [](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; });
    Skrivare skrivare;
    if (skrivare.VisaDialog(nullptr))
        skrivare.SkrivKopior("Pluvo", [&] {
            skrivare.Print("Pluvo");
            return true;
        });
    vakt.stop();

    for (int i = 0; i < kvar.size(); ++i)
        EXPECT_EQ(TestSupport::lasFil(kvar[i]), foere[i]) << kvar[i].toStdString();
    EXPECT_TRUE(TestSupport::lasFil(gammal).startsWith("%PDF-"));
    EXPECT_NE(TestSupport::lasFil(gammal), "%PDF-1.4\n%gammal\n");
    EXPECT_TRUE(qtsRutor.isEmpty()) << qtsRutor.join(" | ").toStdString();
    QStringList sagt;
    for (const MsgBoxAnrop& a : meddelanden.anrop)
        sagt << a.text.section(u'\r', 0, 0);
    EXPECT_EQ(sagt.join(" | ").toStdString(),
              QStringList({kvar[0] + QString::fromUtf8(" är ingen PDF-fil."),
                           oevning + QString::fromUtf8(" är ingen PDF-fil."),
                           falsk + QString::fromUtf8(" är ingen PDF-fil och ersätts inte."), gammal + " finns redan.",
                           gammal + " finns redan."})
                  .join(" | ")
                  .toStdString());
    EXPECT_TRUE(erbjudet.isEmpty()) << erbjudet.join(", ").toStdString();
    TestSupport::nyStart();
}
