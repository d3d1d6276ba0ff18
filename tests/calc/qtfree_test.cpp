// The calculation library must build without Qt: this file sees exactly the include paths that
// linking tavo_calc gives, and fails to compile if a Qt header became reachable through it.

#if __has_include(<QtCore/qglobal.h>) || __has_include(<qglobal.h>) || __has_include(<QString>)
#error "A Qt header is reachable from tavo_calc's include paths"
#endif

#include <gtest/gtest.h>

TEST(CalcLibrary, BuildsWithoutQtHeaders)
{
    SUCCEED();
}
