#include "common/ColourSchemes.h"

#include <array>

namespace {

const std::array<FaergSchema, 6>& scheman()
{
    // Each colour from its red, green and blue parts. Black on yellow and
    // black on white take the greys of white on black mirrored, dark enough
    // to read: the word darkest, then explanation and items, then the title
    // and the current line.
    static const std::array<FaergSchema, 6> s = {{
        {QString::fromUtf8("Gult på svart"), QColor(0, 0, 0), QColor(255, 255, 0), QColor(255, 255, 128),
         QColor(255, 128, 0), QColor(255, 255, 128)},
        {QString::fromUtf8("Vitt på svart"), QColor(0, 0, 0), QColor(255, 255, 255), QColor(224, 224, 224),
         QColor(192, 192, 192), QColor(224, 224, 224)},
        {QString::fromUtf8("Svart på gult"), QColor(255, 238, 192), QColor(0, 0, 0), QColor(31, 31, 31),
         QColor(63, 63, 63), QColor(31, 31, 31)},
        {QString::fromUtf8("Blått på gult"), QColor(255, 238, 192), QColor(0, 0, 255), QColor(128, 128, 255),
         QColor(128, 128, 255), QColor(128, 128, 255)},
        {QString::fromUtf8("Svart på vitt"), QColor(255, 255, 238), QColor(0, 0, 0), QColor(31, 31, 31),
         QColor(63, 63, 63), QColor(31, 31, 31)},
        {QString::fromUtf8("Blått på vitt"), QColor(255, 238, 255), QColor(0, 0, 255), QColor(128, 128, 255),
         QColor(128, 128, 255), QColor(128, 128, 255)},
    }};
    return s;
}

}  // namespace

const FaergSchema* faergSchema(int nummer)
{
    if (nummer < 0 || nummer >= int(scheman().size()))
        return nullptr;
    return &scheman()[size_t(nummer)];
}
