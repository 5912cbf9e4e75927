#include "app/DocumentText.h"

#include <gtest/gtest.h>

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
