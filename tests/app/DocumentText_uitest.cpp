#include <string>
using namespace std::string_literals;
#include "app/DocumentText.h"

#include <gtest/gtest.h>

TEST(DocumentText, EveryByteSavesBackAsItCame)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    bytes += "ligne\r\nseule CR\rseule LF\n\r\n\r\r\n\n\0fin"s;
    EXPECT_EQ(DocumentTextToBytes(DocumentBytesToText(bytes)), bytes);
}

TEST(DocumentText, LineEndsBecomeLinesAndStrayBytesStayVisible)
{
    EXPECT_EQ(DocumentBytesToText("a\r\nb"), QStringLiteral("a\nb"));
    EXPECT_EQ(DocumentBytesToText("a\rb\nc"), QString::fromUtf8("a␍b␊c"));
    EXPECT_EQ(DocumentBytesToText(std::string("a\0b", 3)), QString::fromUtf8("a␀b"));
    EXPECT_EQ(DocumentBytesToText("D\xE9" "c. \xB0"), QString::fromUtf8("Déc. °"));
}

TEST(DocumentText, TypedTextIsStoredInWindows1252)
{
    // Paragraph and line separators of the editor are CR LF in the file.
    EXPECT_EQ(DocumentTextToBytes(QString::fromUtf8("a\u2029b\u2028c\nd")), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(DocumentTextToBytes(QString::fromUtf8("€ → 😀")), "\x80 ? ?");
    EXPECT_EQ(StorableText(QString::fromUtf8("x → y")), QStringLiteral("x ? y"));
    EXPECT_EQ(DocumentByteCount(QString::fromUtf8("ab\ncd😀")), 7u);
}
