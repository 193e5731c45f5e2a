// The whole road of one program run by keys alone: start, fetch an
// exercise through the on-screen menus and the file selector, run it in
// Pluvo with some letters wrong, answer the summary, end the program, and
// read the logbook file written at exit.
#include "common/ModPluvo.h"
#include "support/TraeningsFixtur.h"
#include "trainer/FrmPluvo.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace TestSupport;

namespace {

class HelaVaegenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nyStart();
        ASSERT_TRUE(m_mapp.isValid());
        m_program = m_mapp.path() + "/program";
        m_oevningar = m_mapp.path() + "/Övningar";
        m_diskett = m_mapp.path() + "/diskett";
        QDir().mkpath(m_program);
        QDir().mkpath(m_diskett);
        setenv("PLUVO_DISKETT", m_diskett.toLocal8Bit().constData(), 1);
        skrivInstaellning("Special", "spd", "True");
        skrivInstaellning("Filkatalog", "Path", m_oevningar);
        // The saved choice not to shuffle keeps the words in file order.
        skrivInstaellning("Filkatalog", "Slump", "0");
    }
    void TearDown() override { unsetenv("PLUVO_DISKETT"); }

    QTemporaryDir m_mapp;
    QString m_program;
    QString m_oevningar;
    QString m_diskett;
    MsgBoxInspelare m_msgBox;
    MeddelandeSvarare m_meddelanden;
};

}  // namespace

TEST_F(HelaVaegenTest, FromStartToExitByKeysAlone)
{
    skrivFil(m_oevningar + "/Ord.rtt", "[Pluvo 7.0.7]\r\nsol\r\nhus (house)\r\nhäst\r\n");
    skrivFil(m_oevningar + "/glosor.glo", "[Pluvo 7.0.7]\r\ncat (katt)\r\n");

    auto f = startaTraeningsfoenster(m_program);
    const ModPluvo& m = modPluvo();
    ASSERT_EQ(m.Tillstaand, Huvudmeny);
    ASSERT_EQ(f->labAktuell->Caption(), "Aktuell övning: Ej inläst");

    // "Hämta", "Rättstavning", Enter on the one file of that type.
    tryckTecken(*f, u'h');
    ASSERT_EQ(m.Tillstaand, HaemtaMeny);
    tryckTecken(*f, u'r');
    ASSERT_EQ(m.Tillstaand, ListaRtt);
    ASSERT_EQ(f->labFilnamn->Caption(), " ord.rtt ");
    tryckTangent(*f, Qt::Key_Return);
    ASSERT_EQ(m.Tillstaand, Huvudmeny);
    ASSERT_EQ(f->labAktuell->Caption(), "Aktuell övning: Rättstavning - ord");
    ASSERT_EQ(m.OevningsTyp, 1);

    // "Pluvo": Rättstavning is not reversible, so the run starts at once.
    tryckTecken(*f, u'p');
    ASSERT_EQ(m.Tillstaand, PluvoVisar);

    // First pass: "sol" right, "hus" with x, "häst" with e and o.
    skriv(*f, "sol");
    tryckTangent(*f, Qt::Key_Return);
    skriv(*f, "hxus");
    tryckTangent(*f, Qt::Key_Return);
    skriv(*f, "heoäst");
    tryckTangent(*f, Qt::Key_Return);
    // Second pass: the two words typed wrong, now right.
    ASSERT_EQ(m.Tillstaand, PluvoVisar);
    ASSERT_EQ(m.Ordlista.size(), 2u);
    skriv(*f, "hus");
    tryckTangent(*f, Qt::Key_Return);
    skriv(*f, "häst");
    tryckTangent(*f, Qt::Key_Return);

    // The summary was shown and answered; the main menu is back.
    EXPECT_EQ(m_meddelanden.texter.size(), 1);
    EXPECT_EQ(m.Tillstaand, Huvudmeny);
    EXPECT_EQ(f->AntalFel, 3);
    EXPECT_EQ(f->lstFel, (QStringList{"hus (house)", "häst"}));

    // "Sluta" ends the program through the window's close.
    tryckTecken(*f, u'u');
    EXPECT_TRUE(f->isHidden());
    EXPECT_TRUE(m_msgBox.anrop.empty());

    const QStringList filer = QDir(m_diskett).entryList({"*.slf"}, QDir::Files);
    ASSERT_EQ(filer.size(), 1);
    EXPECT_TRUE(QRegularExpression("^\\d{8}_\\d{6}\\.slf$").match(filer[0]).hasMatch()) << filer[0].toStdString();
    const QByteArray bytes = lasFil(m_diskett + "/" + filer[0]);
    // Windows-1252 with CRLF: "ä" is one byte, 0xE4.
    EXPECT_TRUE(bytes.contains("h\xE4st - he\\o\r\n"));
    EXPECT_FALSE(bytes.contains("\xC3\xA4"));

    QString text = QString::fromLatin1(bytes);
    text.replace(QRegularExpression("\\d\\d:\\d\\d:\\d\\d"), "TT");
    text.replace(QRegularExpression("\\d{4}-\\d\\d-\\d\\d"), "DD");
    const QStringList rader = text.split("\r\n");
    const QStringList vaentade{
        "Pluvo - Loggbok",
        "DD - TT",
        "",
        "**** Aktuell övning: Rättstavning - ord - TT ****",
        "",
        "Pluvo - Antal ord: 3 - TT",
        "hus (house) - hx",
        "häst - he\\o",
        "Övningen genomförd - TT",
        "",
        "",
        "",
        "",
    };
    ASSERT_EQ(rader.size(), vaentade.size()) << text.toStdString();
    for (int i = 0; i < vaentade.size(); ++i)
        EXPECT_EQ(rader[i], vaentade[i]) << "line " << i;
}
