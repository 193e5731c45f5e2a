#include "common/FrmMeddelande.h"

#include "common/Etikett.h"
#include "common/ModPluvo.h"
#include "common/SpeechSound.h"
#include "common/Twips.h"
#include "platform/Screen.h"
#include "platform/TextSpeaker.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FrmMeddelandeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::nyStart();
        modPluvo().MeddelandeText = "Bra gjort!";
        saettLjudKoppling(LjudKoppling{&roest1, &roest2, {}});
    }
    void TearDown() override { saettLjudKoppling(LjudKoppling{}); }

    Etikett* ok(FrmMeddelande& f, int i) { return f.findChild<Etikett*>(QString("imaOK%1").arg(i)); }

    TextSpeaker roest1;
    TextSpeaker roest2;
    MeddelandeUtseende utseende;
};

}  // namespace

TEST_F(FrmMeddelandeTest, EnterOchMellanslagStaenger)
{
    for (Qt::Key tangent : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        FrmMeddelande f(utseende);
        f.show();
        QTest::keyClick(&f, tangent);
        EXPECT_FALSE(f.isVisible()) << tangent;
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
}

TEST_F(FrmMeddelandeTest, AndraTangenterOchEscStaengerInte)
{
    FrmMeddelande f(utseende);
    f.show();
    for (Qt::Key tangent : {Qt::Key_Escape, Qt::Key_A, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_F4, Qt::Key_Down})
        QTest::keyClick(&f, tangent);
    QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FrmMeddelandeTest, EnHaallenTangentStaengerInte)
{
    FrmMeddelande f(utseende);
    f.show();
    QTest::sendKeyEvent(QTest::Press, &f, Qt::Key_Return, QString("\r"), Qt::NoModifier);
    QKeyEvent upprepad(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(&f, &upprepad);
    EXPECT_FALSE(f.isVisible());

    FrmMeddelande g(utseende);
    g.show();
    QApplication::sendEvent(&g, &upprepad);
    EXPECT_TRUE(g.isVisible());
}

TEST_F(FrmMeddelandeTest, FoensterhanterarenKanInteStaenga)
{
    FrmMeddelande f(utseende);
    f.show();
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    f.reject();
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FrmMeddelandeTest, EttKlickPaaOkBildenStaenger)
{
    // Pressed and released through the window at the picture, as the
    // window system delivers a pupil's click.
    for (Qt::MouseButton knapp : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        FrmMeddelande f(utseende);
        f.show();
        const QPoint mitt = ok(f, 0)->geometry().center();
        QTest::mousePress(f.windowHandle(), knapp, {}, mitt);
        EXPECT_TRUE(ok(f, 0)->isHidden());
        EXPECT_FALSE(ok(f, 1)->isHidden());
        EXPECT_TRUE(f.isVisible());
        QTest::mouseRelease(f.windowHandle(), knapp, {}, mitt);
        EXPECT_FALSE(f.isVisible()) << knapp;
    }
}

TEST_F(FrmMeddelandeTest, SlaeppUtanfoerBildenStaengerOcksaa)
{
    FrmMeddelande f(utseende);
    f.show();
    QTest::mousePress(f.windowHandle(), Qt::LeftButton, {}, ok(f, 0)->geometry().center());
    QTest::mouseRelease(f.windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FrmMeddelandeTest, KlickPaaTextenStaengerInte)
{
    FrmMeddelande f(utseende);
    f.show();
    QTest::mouseClick(f.findChild<Etikett*>("labMeddelande"), Qt::LeftButton);
    QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(f.isVisible());
}

TEST_F(FrmMeddelandeTest, UtseendeOchPlacering)
{
    modPluvo().MeddelandeText = "Övningen genomförd!\r\nAntal fel: 3";
    utseende.bakgrund = QColor(0, 0, 0);
    utseende.textfaerg = QColor(255, 255, 0);
    utseende.textStorlek = 24;
    utseende.pekare = QCursor(Qt::PointingHandCursor);
    FrmMeddelande f(utseende);
    const Etikett* lab = f.findChild<Etikett*>("labMeddelande");
    EXPECT_EQ(lab->text(), QString("Övningen genomförd!\nAntal fel: 3"));
    EXPECT_EQ(lab->ForeColor(), QColor(255, 255, 0));
    EXPECT_EQ(lab->font().pointSizeF(), 24);
    EXPECT_EQ(lab->font().family(), QFont("Arial").family());
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0, 0, 0));
    EXPECT_TRUE(f.windowTitle().isEmpty());
    EXPECT_EQ(ok(f, 0)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ok(f, 1)->cursor().shape(), Qt::PointingHandCursor);

    const double labB = Twips::Width(lab), labH = Twips::Height(lab);
    const double okB = Twips::Width(ok(f, 0)), okH = Twips::Height(ok(f, 0));
    EXPECT_EQ(f.width(), Twips::tillPixlar(labB * 20 / 19));
    EXPECT_EQ(f.height(), Twips::tillPixlar(labH + okH * 5 / 2));
    EXPECT_EQ(lab->y(), Twips::tillPixlar(okH / 2));
    EXPECT_NEAR(lab->x(), (f.width() - lab->width()) / 2.0, 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ok(f, i)->y(), Twips::tillPixlar(labH + okH));
        EXPECT_NEAR(ok(f, i)->x(), (f.width() - okB / 15) / 2, 1);
    }
    const QSize skaerm = Skaerm::storlekPixlar();
    EXPECT_NEAR(f.x(), (skaerm.width() - f.width()) / 2.0, 1);
    EXPECT_NEAR(f.y(), (skaerm.height() - f.height()) / 2.0, 1);
}

TEST_F(FrmMeddelandeTest, LaangTextGerBreddareFoenster)
{
    FrmMeddelande kort(utseende);
    modPluvo().MeddelandeText = QString(" Övningar av denna typ saknas. ").repeated(3);
    FrmMeddelande laang(utseende);
    const Etikett* lab = laang.findChild<Etikett*>("labMeddelande");
    EXPECT_GT(laang.width(), kort.width());
    EXPECT_EQ(laang.width(), Twips::tillPixlar(Twips::Width(lab) * 20 / 19));
}

TEST_F(FrmMeddelandeTest, LaesesUppNaerMenyerLaesesOchTalFinns)
{
    QSignalSpy talade(&roest1, &TextSpeaker::talade);
    QSignalSpy tystades(&roest1, &TextSpeaker::tystades);
    modPluvo().TalFinns = true;
    modPluvo().LaesMeny = true;
    FrmMeddelande f(utseende);
    ASSERT_EQ(talade.count(), 1);
    EXPECT_EQ(talade.at(0).at(0).toString(), QString("Bra gjort!, okej."));
    const int tystFoere = tystades.count();
    f.show();
    QTest::keyClick(&f, Qt::Key_Space);
    EXPECT_EQ(tystades.count(), tystFoere + 1);
    roest1.Tysta();
}

TEST_F(FrmMeddelandeTest, TystUtanLaesningIMenyer)
{
    QSignalSpy talade(&roest1, &TextSpeaker::talade);
    modPluvo().TalFinns = true;
    modPluvo().LaesMeny = false;
    FrmMeddelande f(utseende);
    EXPECT_EQ(talade.count(), 0);
}

TEST_F(FrmMeddelandeTest, UtanTalAnropasIngenTaloperation)
{
    QSignalSpy talade(&roest1, &TextSpeaker::talade);
    QSignalSpy tystades(&roest1, &TextSpeaker::tystades);
    modPluvo().TalFinns = false;
    modPluvo().LaesMeny = true;
    FrmMeddelande f(utseende);
    f.show();
    f.ok_tryck();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(talade.count(), 0);
    EXPECT_EQ(tystades.count(), 0);
}

TEST_F(FrmMeddelandeTest, ModalVisningAatervaenderEfterOk)
{
    bool svarat = false;
    QTimer::singleShot(50, [&] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activeModalWidget(), w);
        QTest::keyClick(w, Qt::Key_Return);
        svarat = true;
    });
    visaMeddelandeFoenster(utseende);
    EXPECT_TRUE(svarat);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
