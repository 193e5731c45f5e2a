// The text window: the whole exercise as free text.
#include "RedigerarFixtur.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `steg` on the text window once it is open, and makes sure the
// window never stays open past the test.
void medTextfoenster(QObject* redigerare, std::function<void(QDialog&)> steg)
{
    QTimer::singleShot(0, [steg] {
        auto* foenster = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(foenster, nullptr);
        ASSERT_EQ(foenster->objectName(), QString("frmInskrivning"));
        steg(*foenster);
    });
    QTimer::singleShot(5000, redigerare, [] {
        if (auto* kvar = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            kvar->done(QDialog::Rejected);
    });
}

void klickaI(QDialog& foenster, const QString& knapp)
{
    QTest::mouseClick(foenster.findChild<QPushButton*>(knapp), Qt::LeftButton);
}

QString text(QDialog& foenster)
{
    return foenster.findChild<QPlainTextEdit*>("txtSkrivIn")->toPlainText();
}

// Pastes a text at the end of the box, as a teacher would with Ctrl+V.
void klistraIn(QDialog& foenster, const QString& inklistrad)
{
    QPlainTextEdit* ruta = foenster.findChild<QPlainTextEdit*>("txtSkrivIn");
    QApplication::clipboard()->setText(inklistrad);
    QTest::keyClick(ruta, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(ruta, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

TEST_F(RedigerarTest, FriTextMedBlandadeRadslutBlirRattaRader)
{
    starta("rtt");
    uppgifter = {"a"};
    klicka("comRedigera0");

    QString titel;
    QString foere;
    QString efter;
    QStringList listaEfterUppdatera;
    medTextfoenster(f.get(), [&](QDialog& foenster) {
        titel = foenster.windowTitle();
        foere = text(foenster);
        klistraIn(foenster, QString::fromUtf8("hund = dog\r\nkatt(cat)[kat]\rmus\n\n(bara förklaring)\r\nräv"));
        klickaI(foenster, "comSkrivIn1");
        efter = text(foenster);
        listaEfterUppdatera = lista();
        // A second Uppdatera changes nothing.
        klickaI(foenster, "comSkrivIn1");
        EXPECT_EQ(text(foenster), efter);
        klickaI(foenster, "comSkrivIn0");
    });
    klicka("comSkrivIn");

    EXPECT_EQ(titel, QString::fromUtf8("Övningar - Rättstavning - [namnlös] - Skriv in/Redigera i textfönster"));
    EXPECT_EQ(foere, QString("a\n"));
    const QStringList vaentad{"a", "hund (dog)", "katt (cat)[kat]", "mus", QString::fromUtf8("räv")};
    EXPECT_EQ(efter, vaentad.join('\n') + '\n');
    EXPECT_EQ(listaEfterUppdatera, vaentad);
    EXPECT_EQ(lista(), vaentad);
    EXPECT_EQ(raeknare(), QString(" Ord 1 av 5 "));
    EXPECT_TRUE(knappPaa(4));
}

TEST_F(RedigerarTest, AvbrytEfterUppdateraBehaallerDenListan)
{
    starta("glo");
    medTextfoenster(f.get(), [&](QDialog& foenster) {
        klistraIn(foenster, "ett = one\n");
        klickaI(foenster, "comSkrivIn1");
        klistraIn(foenster, QString::fromUtf8("två = two\n"));
        // Esc must not throw the typed text away.
        QTest::keyClick(foenster.findChild<QPlainTextEdit*>("txtSkrivIn"), Qt::Key_Escape);
        EXPECT_TRUE(foenster.isVisible());
        klickaI(foenster, "comSkrivIn2");
    });
    klicka("comSkrivIn");
    EXPECT_EQ(lista(), QStringList({"ett (one)"}));

    // Even Avbryt leaves the list counted as changed.
    vaelj({"&Arkiv", "&Avsluta"});
    EXPECT_EQ(meddelanden.size(), 1u);
    EXPECT_TRUE(f->isVisible());
}

TEST_F(RedigerarTest, TomTextMedOkTommerListan)
{
    starta("rtt");
    uppgifter = {"a", "b"};
    klicka("comRedigera0");
    medTextfoenster(f.get(), [&](QDialog& foenster) {
        QPlainTextEdit* ruta = foenster.findChild<QPlainTextEdit*>("txtSkrivIn");
        QTest::keyClick(ruta, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ruta, Qt::Key_Delete);
        klickaI(foenster, "comSkrivIn0");
    });
    klicka("comSkrivIn");
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(raeknare(), QString());
}
