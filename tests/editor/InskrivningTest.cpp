// The text window: the whole exercise as free text.
#include "RedigerarFixtur.h"

#include "support/Foensterstyrning.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

using TestSupport::medModal;

namespace {

QPlainTextEdit* ruta(QWidget& foenster)
{
    return foenster.findChild<QPlainTextEdit*>("txtSkrivIn");
}

void klickaI(QWidget& foenster, const QString& knapp)
{
    QTest::mouseClick(foenster.findChild<QPushButton*>(knapp), Qt::LeftButton);
}

// Pastes a text at the end of the box, as a teacher would with Ctrl+V.
void klistraIn(QWidget& foenster, const QString& inklistrad)
{
    QApplication::clipboard()->setText(inklistrad);
    QTest::keyClick(ruta(foenster), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(ruta(foenster), Qt::Key_V, Qt::ControlModifier);
}

}  // namespace

TEST_F(RedigerarTest, FriTextMedBlandadeRadslutBlirRattaRader)
{
    starta("rtt");
    uppgifter = {"a"};
    klicka("comRedigera0");

    QString titel, foere, efter;
    QStringList listaEfterUppdatera;
    medModal([&](QWidget& foenster) {
        titel = foenster.windowTitle();
        foere = ruta(foenster)->toPlainText();
        klistraIn(foenster, QString::fromUtf8("hund = dog\r\nkatt(cat)[kat]\rmus\n\n(bara förklaring)\r\nräv"));
        klickaI(foenster, "comSkrivIn1");
        efter = ruta(foenster)->toPlainText();
        listaEfterUppdatera = lista();
        // A second Uppdatera changes nothing.
        klickaI(foenster, "comSkrivIn1");
        EXPECT_EQ(ruta(foenster)->toPlainText(), efter);
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
    medModal([&](QWidget& foenster) {
        klistraIn(foenster, "ett = one\n");
        klickaI(foenster, "comSkrivIn1");
        klistraIn(foenster, QString::fromUtf8("två = two\n"));
        // Esc must not throw the typed text away.
        QTest::keyClick(ruta(foenster), Qt::Key_Escape);
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
    medModal([&](QWidget& foenster) {
        QTest::keyClick(ruta(foenster), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(ruta(foenster), Qt::Key_Delete);
        klickaI(foenster, "comSkrivIn0");
    });
    klicka("comSkrivIn");
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(raeknare(), QString());
}

TEST_F(RedigerarTest, TeckenSomFilenInteRymmerVaegrasMedRadenNamngiven)
{
    starta("rtt");
    uppgifter = {"a"};
    klicka("comRedigera0");
    const QString inklistrad = QString::fromUtf8("hund = dog\nłódź = båt\nź\n");
    QString kvar;
    bool oeppetEfterOk = false;
    medModal([&](QWidget& foenster) {
        klistraIn(foenster, inklistrad);
        klickaI(foenster, "comSkrivIn1");
        EXPECT_EQ(lista(), QStringList({"a"}));
        klickaI(foenster, "comSkrivIn0");
        oeppetEfterOk = foenster.isVisible();
        kvar = ruta(foenster)->toPlainText();
        klickaI(foenster, "comSkrivIn2");
    });
    klicka("comSkrivIn");

    ASSERT_EQ(meddelanden.size(), 2u);
    for (const MsgBoxAnrop& m : meddelanden) {
        EXPECT_EQ(m.text, QString::fromUtf8("Tecknet \"ł\" i rad 3 kan inte sparas i en övningsfil.\r\n"
                                            "Ändra raden och försök igen."));
        EXPECT_EQ(m.ikon, MsgIkon::Utropstecken);
    }
    EXPECT_TRUE(oeppetEfterOk);
    EXPECT_EQ(kvar, "a\n" + inklistrad);
    EXPECT_EQ(lista(), QStringList({"a"}));
}
