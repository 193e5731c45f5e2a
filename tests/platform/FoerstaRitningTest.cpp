#include "platform/FoerstaRitning.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class RaeknatFoenster : public QWidget {
public:
    int ritningar = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++ritningar; }
};

}  // namespace

TEST(FoerstaRitning, AShownWindowIsPaintedBeforeTheWaitEnds)
{
    RaeknatFoenster f;
    f.resize(200, 100);
    f.show();
    EXPECT_EQ(f.ritningar, 0);
    vaentaTillsRitad(&f, 5000);
    EXPECT_GE(f.ritningar, 1);
}

TEST(FoerstaRitning, AHiddenWindowIsNotWaitedFor)
{
    RaeknatFoenster f;
    f.resize(200, 100);
    vaentaTillsRitad(&f, 5000);
    EXPECT_EQ(f.ritningar, 0);
    EXPECT_TRUE(f.isHidden());
}
