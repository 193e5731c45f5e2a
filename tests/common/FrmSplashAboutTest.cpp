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

// Notes where the pointer stands when the window hides.
class HideSpion : public QObject {
public:
    HideSpion(QObject* foralder, QPoint& pos) : QObject(foralder), m_pos(pos) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Hide)
            m_pos = QCursor::pos();
        return false;
    }

private:
    QPoint& m_pos;
};

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
    for (Qt::Key tangent : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        QCursor::setPos(10, 10);
        FrmSplash splash;
        splash.show();
        QTest::keyClick(&splash, tangent);
        EXPECT_FALSE(splash.isVisible()) << tangent;
        EXPECT_EQ(QCursor::pos(), nedreHoegraHoernet());
    }
}

TEST_F(SplashTest, TangenterSomInteSkriverStaengerInte)
{
    FrmSplash splash;
    splash.show();
    for (Qt::Key tangent : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_F9, Qt::Key_Delete})
        QTest::keyClick(&splash, tangent);
    EXPECT_TRUE(splash.isVisible());
}

TEST_F(SplashTest, PekarenFlyttasInnanFoenstretStaengs)
{
    // Whatever lies below the window must never see the pointer resting
    // where the window was.
    QCursor::setPos(10, 10);
    FrmSplash splash;
    splash.show();
    QPoint vidStaengning;
    splash.installEventFilter(new HideSpion(&splash, vidStaengning));
    QTest::keyClick(&splash, Qt::Key_A);
    EXPECT_EQ(vidStaengning, nedreHoegraHoernet());
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
