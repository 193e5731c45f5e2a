#include "platform/Screen.h"
#include "platform/Skaermgraens.h"

#include <QDialog>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using Skaermgraens::inomYtan;

TEST(Skaermgraens, RamenFlyttasSaaLiteSomMoejligtInPaaYtan)
{
    const QRect yta(0, 20, 800, 580);
    EXPECT_EQ(inomYtan(QRect(100, 100, 300, 200), yta), QRect(100, 100, 300, 200));
    EXPECT_EQ(inomYtan(QRect(600, 100, 300, 200), yta), QRect(500, 100, 300, 200));
    EXPECT_EQ(inomYtan(QRect(-5, 500, 300, 200), yta), QRect(0, 400, 300, 200));
    EXPECT_EQ(inomYtan(QRect(100, 0, 300, 200), yta), QRect(100, 20, 300, 200));
    // A frame larger than the area keeps to its top left corner.
    EXPECT_EQ(inomYtan(QRect(300, 300, 900, 700), yta), QRect(0, 20, 900, 700));
}

TEST(Skaermgraens, EttFoensterOeppnasPaaSkaermenOchVaexerDaer)
{
    Skaerm::saettStorlek(QSize(800, 600));
    QDialog ruta;
    ruta.resize(300, 200);
    ruta.move(700, 550);
    ruta.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ruta));
    EXPECT_EQ(ruta.windowHandle()->frameGeometry().bottomRight(), QPoint(799, 599));
    ruta.resize(400, 250);
    EXPECT_EQ(ruta.windowHandle()->frameGeometry().bottomRight(), QPoint(799, 599));
    EXPECT_EQ(ruta.size(), QSize(400, 250));
    // Larger than the screen it shrinks to it.
    ruta.resize(900, 700);
    EXPECT_EQ(ruta.windowHandle()->frameGeometry(), QRect(0, 0, 800, 600));
    // The largest window is the area less the frame.
    const QSize ram = ruta.windowHandle()->frameGeometry().size() - ruta.size();
    EXPECT_EQ(Skaermgraens::stoerstaStorlek(&ruta) + ram, QSize(800, 600));

    // Shown again where it was moved, it opens on the screen again.
    ruta.hide();
    ruta.move(-300, 500);
    ruta.show();
    EXPECT_EQ(ruta.windowHandle()->frameGeometry().topLeft(), QPoint(0, 0));
    Skaerm::saettStorlek({});
}
