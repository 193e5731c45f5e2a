#include "common/SettingsRules.h"

#include <gtest/gtest.h>

using LasRegel::D;
using LasRegel::F;
using LasRegel::T;
using LasRegel::W;

TEST(LasRegel, BooleansCompareTheExactText)
{
    EXPECT_TRUE(T(std::nullopt));
    EXPECT_TRUE(T(QString("false")));   // only "False" turns it off
    EXPECT_TRUE(T(QString()));
    EXPECT_FALSE(T(QString("False")));
    EXPECT_FALSE(F(std::nullopt));
    EXPECT_FALSE(F(QString("true")));   // only "True" turns it on
    EXPECT_TRUE(F(QString("True")));
}

TEST(LasRegel, WholeNumbersReadTheNumberAtTheStartAndFallBackOutsideTheRange)
{
    EXPECT_EQ(W(std::nullopt, 0, 5, 3), 3);
    EXPECT_EQ(W(QString("7"), 0, 5, 3), 3);
    EXPECT_EQ(W(QString("abc"), 0, 5, 3), 0);  // no number reads 0, in range
    EXPECT_EQ(W(QString(""), 0, 5, 3), 0);
    EXPECT_EQ(W(QString("2.5"), 1, 10, 2), 2);  // halves to the even one
    EXPECT_EQ(W(QString("3.5"), 1, 10, 2), 4);
    EXPECT_EQ(W(QString("10"), 1, 10, 2), 10);
    EXPECT_EQ(W(QString("11"), 1, 10, 2), 2);
    EXPECT_EQ(W(QString(" \t4x"), 0, 5, 0), 4);
    EXPECT_EQ(W(QString("2"), 0, 1, 1), 1);   // "Slump" = "2"
    EXPECT_EQ(W(QString("0"), 1, 5, 1), 1);   // "i_v" = "0"
    EXPECT_EQ(W(QString("-1"), 0, 3, 0), 0);
}

TEST(LasRegel, WholeNumbersOutsideSixteenBitsGiveTheDefault)
{
    EXPECT_EQ(W(QString("65539"), 0, 5, 3), 3);   // would wrap to 3
    EXPECT_EQ(W(QString("-65536"), -5, 5, 2), 2);
    EXPECT_EQ(W(QString("1e400"), 0, 5, 3), 3);
    EXPECT_EQ(W(QString("99999999999999999999"), 0, 5, 3), 3);
}

TEST(LasRegel, FactorsAcceptTheLimitsAndNothingOutside)
{
    EXPECT_FLOAT_EQ(D(std::nullopt), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("0.4")), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("6")), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("0.5")), 0.5f);
    EXPECT_FLOAT_EQ(D(QString("0,5")), 0.5f);
    EXPECT_FLOAT_EQ(D(QString("5")), 5.0f);
    EXPECT_FLOAT_EQ(D(QString("2,25")), 2.25f);
    EXPECT_FLOAT_EQ(D(QString("nan")), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("inf")), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("1.5abc")), 1.0f);
    EXPECT_FLOAT_EQ(D(QString("")), 1.0f);
}
