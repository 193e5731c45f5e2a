// The one naming of the engine's voices.
#include "platform/TextSpeaker.h"

#include <gtest/gtest.h>

namespace {

TEST(Roestnamn, EveryNameLeadsBackToOneVoice)
{
    const QStringList namn = roestnamn({{"gmq/sv", "Swedish"},
                                        {"gmw/en", "English"},
                                        {"gmw/en-sv", "Swedish"},
                                        {"x/sv", "Swedish"}});
    EXPECT_EQ(namn, (QStringList{"Swedish", "English", "Swedish (gmw/en-sv)", "Swedish (x/sv)"}));
}

TEST(Roestnamn, TheEngineListsEachNameOnce)
{
    TextSpeaker tal;
    QStringList namn;
    for (int i = 0; i < tal.AntalRoester(); ++i)
        namn << tal.Roest(i).RoestNamn();
    EXPECT_EQ(namn.removeDuplicates(), 0);
}

}  // namespace
