#include "import/PreviewContent.h"

#include <gtest/gtest.h>

#include "Hex.h"

TEST(PreviewContent, LineBreaksBecomeCrLfAndBytesStay) {
    struct Row {
        std::string In, Out;
    } rows[] = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"\n\r\n\r", "\r\n\r\n\r\n"},
        {"a\r\r\nb", "a\r\n\r\nb"},
        // Shift-JIS with 0x5C and 0x7C trail bytes, and a trailing lead byte.
        {"\x83\x5c\x83\x7c\n\x82\xa0\x81", "\x83\x5c\x83\x7c\r\n\x82\xa0\x81"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(Hex(r.In));
        std::string text = "stale";
        ASSERT_TRUE(PreviewContentOf(r.In, text));
        EXPECT_EQ(Hex(r.Out), Hex(text));
    }
}

TEST(PreviewContent, NulByteIsRefusedRatherThanCut) {
    std::string text;
    EXPECT_FALSE(PreviewContentOf(std::string("ab\0cd", 5), text));
    EXPECT_FALSE(PreviewContentOf(std::string("\xff\xfe" "a\0", 4), text));  // UTF-16 text
}
