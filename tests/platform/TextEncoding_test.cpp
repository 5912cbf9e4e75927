#include "platform/TextEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, FrenchTextTheEuroSignAndEveryByteBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
    EXPECT_EQ(Windows1252ToUtf8("Com\xE8te \x80 \x9C"), "Comète € œ");
    EXPECT_EQ(Utf8ToWindows1252("Éphéméride ° ’"), "\xC9ph\xE9m\xE9ride \xB0 \x92");
    EXPECT_EQ(Windows1252ToCodePoint(0x81), U'\u0081');
    EXPECT_EQ(CodePointToWindows1252(U'\u0080'), -1);  // 0x80 is the euro sign, not U+0080
    // Unmappable and malformed input becomes the replacement.
    EXPECT_EQ(Utf8ToWindows1252("a\xE2\x82"), "a??");     // truncated sequence
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");       // overlong slash
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???");  // surrogate
    EXPECT_EQ(Utf8ToWindows1252("ł😀x"), "??x");
}
