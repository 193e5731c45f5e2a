#include "platform/Programstil.h"

#include <QImage>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace {

QImage bildAv(const QIcon& ikon)
{
    return ikon.pixmap(QSize(16, 16)).toImage();
}

}  // namespace

// The menu bar's overflow arrow is the platform style's own picture, though
// it is fetched only when drawn.
TEST(Programstil, TheMenuBarsOverflowArrowIsTheStylesOwnPicture)
{
    Programstil stil;
    QStyle* bas = QStyleFactory::create(stil.baseStyle()->name());
    ASSERT_NE(bas, nullptr);
    const QIcon ikon = stil.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(ikon.isNull());
    const QImage vaentad = bildAv(bas->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
    ASSERT_FALSE(vaentad.isNull());
    EXPECT_EQ(bildAv(ikon), vaentad);
    delete bas;
}

TEST(Programstil, OtherPicturesComeStraightFromTheStyle)
{
    Programstil stil;
    QStyle* bas = QStyleFactory::create(stil.baseStyle()->name());
    ASSERT_NE(bas, nullptr);
    for (QStyle::StandardPixmap bild : {QStyle::SP_MessageBoxWarning, QStyle::SP_DialogOkButton})
        EXPECT_EQ(bildAv(stil.standardIcon(bild)), bildAv(bas->standardIcon(bild)));
    delete bas;
}
