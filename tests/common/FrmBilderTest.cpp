#include "common/FrmBilder.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace {

bool harFaerg(const QPixmap& bild)
{
    const QImage img = bild.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0)
                return true;
    return false;
}

}  // namespace

TEST(FrmBilder, VarjeBildRitasIFleraStorlekar)
{
    for (const QString& namn : FrmBilder::bildnamn()) {
        SCOPED_TRACE(namn.toStdString());
        const QSize egen = FrmBilder::egenStorlek(namn);
        ASSERT_FALSE(egen.isEmpty());
        for (const QSize storlek : {QSize(), QSize(8, 8), QSize(16, 40), QSize(120, 30), QSize(640, 480)}) {
            const QPixmap bild = frmBilder().bild(namn, storlek);
            ASSERT_FALSE(bild.isNull());
            EXPECT_EQ(bild.deviceIndependentSize().toSize(), storlek.isValid() ? storlek : egen);
            EXPECT_TRUE(harFaerg(bild));
        }
    }
}

TEST(FrmBilder, AaatkomstPerKontrollnamn)
{
    FrmBilder& b = frmBilder();
    const QSize s(50, 20);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(b.imaMeny(i, s).isNull());
        EXPECT_FALSE(b.imaRam(i, s).isNull());
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(b.imaOK(i).isNull());
        EXPECT_FALSE(b.imaAlt(i, s).isNull());
    }
    for (const QPixmap& bild : {b.imaBkg(s), b.imaLjud(s), b.imaMun(s), b.picUpp(s), b.picNer(s),
                                b.imgLogo(s), b.picNaesta(s), b.picBakaat(s)}) {
        EXPECT_FALSE(bild.isNull());
        EXPECT_EQ(bild.deviceIndependentSize().toSize(), s);
    }
    // The top and bottom bars lie, the side bars stand.
    EXPECT_GT(b.imaMeny(0).width(), b.imaMeny(0).height());
    EXPECT_GT(b.imaMeny(2).width(), b.imaMeny(2).height());
    EXPECT_LT(b.imaMeny(1).width(), b.imaMeny(1).height());
    EXPECT_LT(b.imaMeny(3).width(), b.imaMeny(3).height());
    // The mouth is twice as wide as it is high.
    EXPECT_EQ(b.imaMun().width(), 2 * b.imaMun().height());
}

TEST(FrmBilder, BilderSparasPerStorlek)
{
    const QPixmap foersta = frmBilder().picUpp(QSize(40, 40));
    EXPECT_EQ(frmBilder().picUpp(QSize(40, 40)).cacheKey(), foersta.cacheKey());
    EXPECT_NE(frmBilder().picUpp(QSize(41, 40)).cacheKey(), foersta.cacheKey());
}

TEST(FrmBilder, TipsTillMarkeringarna)
{
    EXPECT_EQ(FrmBilder::imaAltTips(0), QString());
    EXPECT_EQ(FrmBilder::imaAltTips(1), QString("Försök igen med annat ord!"));
}

TEST(FrmBilder, EgenPekareVisarMedFingertoppen)
{
    const QCursor pekare = frmBilder().egenPekare();
    EXPECT_EQ(pekare.shape(), Qt::BitmapCursor);
    EXPECT_EQ(pekare.hotSpot(), QPoint(11, 1));
    const QImage bild = pekare.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(bild.size(), QSize(32, 32));
    // The fingertip lies on the hot spot; the corner beside it is empty.
    EXPECT_GT(qAlpha(bild.pixel(11, 1)), 0);
    EXPECT_GT(qAlpha(bild.pixel(11, 2)), 0);
    EXPECT_EQ(qAlpha(bild.pixel(2, 2)), 0);
}

TEST(FrmBilder, BlirAldrigSynlig)
{
    FrmBilder& b = frmBilder();
    for (const QString& namn : FrmBilder::bildnamn())
        b.bild(namn);
    b.egenPekare();
    QApplication::processEvents();
    EXPECT_TRUE(b.isHidden());
    EXPECT_FALSE(b.isVisible());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmBilder") {
            EXPECT_FALSE(w->isVisible());
        }
    }
}

TEST(FrmBilder, LaddasUrOchSkapasIgen)
{
    frmBilder().imaBkg();
    laddaUrFrmBilder();
    EXPECT_FALSE(frmBilder().imaBkg(QSize(10, 10)).isNull());
}
