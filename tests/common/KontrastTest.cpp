#include "common/Kontrast.h"

#include <gtest/gtest.h>

TEST(Kontrast, TheGuidelinesRatios)
{
    EXPECT_DOUBLE_EQ(kontrast(Qt::black, Qt::white), 21);
    EXPECT_DOUBLE_EQ(kontrast(Qt::white, QColor(0x77, 0x77, 0x77)), kontrast(QColor(0x77, 0x77, 0x77), Qt::white));
    EXPECT_NEAR(kontrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
}
