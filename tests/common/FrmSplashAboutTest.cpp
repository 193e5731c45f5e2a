#include "common/FrmAbout.h"
#include "common/FrmSplash.h"
#include "platform/Screen.h"
#include "platform/VbTimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QPoint nedreHoegraHoernet()
{
    const QSize s = Skaerm::storlekPixlar();
    return QPoint(s.width() - 1, s.height() - 1);
}

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override { QCursor::setPos(10, 10); }
};

}  // namespace

TEST_F(SplashTest, VisarTitelOchVersion)
{
    FrmSplash splash;
    EXPECT_EQ(splash.findChild<QLabel*>("lblVersion")->text(), QString("Version 7.0.7"));
    EXPECT_EQ(splash.findChild<QLabel*>("lblProductName")->text(), QString("Pluvo"));
    EXPECT_FALSE(splash.findChild<QLabel*>("lblCompany")->text().isEmpty());
    EXPECT_FALSE(splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
}

TEST_F(SplashTest, VarningenStaarMittIFoenstret)
{
    FrmSplash splash;
    const QLabel* varning = splash.findChild<QLabel*>("lblWarning");
    const int mitt = varning->mapTo(&splash, varning->rect().center()).x();
    EXPECT_NEAR(mitt, splash.width() / 2, 1);
}

TEST_F(SplashTest, StaengsVidTredjeTicket)
{
    FrmSplash splash;
    splash.show();
    VbTimer* timer = splash.findChild<VbTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 1000);
    EXPECT_TRUE(timer->gaar());
    emit timer->Timer();
    emit timer->Timer();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_EQ(QCursor::pos(), QPoint(10, 10));
    emit timer->Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->gaar());
    EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet());
}

TEST_F(SplashTest, StaengsEfterTreSekunderUtanInmatning)
{
    FrmSplash splash;
    QElapsedTimer klocka;
    klocka.start();
    splash.show();
    QTest::qWait(2500);
    EXPECT_TRUE(splash.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 1500);
    EXPECT_GE(klocka.elapsed(), 2900);
    EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet());
}

TEST_F(SplashTest, EnTangentStaengerGenast)
{
    for (Qt::Key tangent : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_F1}) {
        QCursor::setPos(10, 10);
        FrmSplash splash;
        splash.show();
        QTest::keyClick(&splash, tangent);
        EXPECT_FALSE(splash.isVisible()) << tangent;
        EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet());
    }
}

TEST_F(SplashTest, EttKlickStaengerGenast)
{
    for (const char* namn : {"frmSplash", "Frame1", "imgLogo", "lblCompany", "lblProductName", "lblVersion",
                             "lblBeskrivning", "lblWarning"}) {
        QCursor::setPos(10, 10);
        FrmSplash splash;
        splash.show();
        QWidget* maal = splash.objectName() == namn ? &splash : splash.findChild<QWidget*>(namn);
        ASSERT_NE(maal, nullptr) << namn;
        QTest::mouseClick(maal, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(splash.isVisible()) << namn;
        EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet()) << namn;
    }
}

TEST_F(SplashTest, ModalVisningAatervaenderNaerDenStaengs)
{
    QTimer::singleShot(50, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            QTest::keyClick(w, Qt::Key_X);
    });
    visaSplash();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet());
}

TEST(FrmAbout, RubrikVersionOchBakgrund)
{
    FrmAbout om;
    EXPECT_EQ(om.windowTitle(), QString("Om Pluvo"));
    EXPECT_EQ(om.findChild<QLabel*>("lblTitle")->text(), QString("Pluvo"));
    EXPECT_EQ(om.findChild<QLabel*>("lblVersion")->text(), QString("Version 7.0.7"));
    EXPECT_FALSE(om.findChild<QLabel*>("imaRekord")->pixmap().isNull());
}

TEST(FrmAbout, OkStaenger)
{
    FrmAbout om;
    om.show();
    QPushButton* ok = om.findChild<QPushButton*>("cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QString("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(om.isVisible());
}
