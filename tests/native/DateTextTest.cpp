// Date text of the shortcut lists: formatting, the locale's parse, DOS dates.
#include "platform/DateText.h"

#include <gtest/gtest.h>

namespace {

TEST(DateText, FormatsWithLeadingZeros) {
    auto value = EncodeDateTime(2001, 2, 3, 4, 5, 6);
    ASSERT_TRUE(value);
    EXPECT_EQ(FormatDateTime(ShortcutDateFormat, *value), "2001/02/03 04:05:06");
    EXPECT_EQ(FormatDateTime(ShortcutDateFormat, *EncodeDateTime(1899, 12, 30, 0, 0, 0)), "1899/12/30 00:00:00");
    EXPECT_EQ(FormatDateTime(ShortcutDateFormat, *EncodeDateTime(1, 1, 1, 23, 59, 59)), "0001/01/01 23:59:59");
    EXPECT_EQ(FormatDateTime(ShortcutDateFormat, *EncodeDateTime(9999, 12, 31, 12, 0, 0)), "9999/12/31 12:00:00");
    EXPECT_EQ(FormatDateTime(ShortcutDateFormat, *EncodeDateTime(2000, 2, 29, 0, 0, 0)), "2000/02/29 00:00:00");
    EXPECT_EQ(EncodeDateTime(1899, 12, 31, 0, 0, 1)->Milliseconds, 86401000);
}

TEST(DateText, ParsesTheJapaneseShortDateWithTime) {
    const struct {
        const char* Text;
        const char* Expected;  // "" when the text must be rejected
    } cases[] = {
        {"2001/02/03 04:05:06", "2001/02/03 04:05:06"},
        {"2001/2/3 4:5:6", "2001/02/03 04:05:06"},
        {"  2001/12/31   23:59:59 ", "2001/12/31 23:59:59"},
        {"2001/02/03", "2001/02/03 00:00:00"},
        {"2001/02/03 4:05", "2001/02/03 04:05:00"},
        {"2000/02/29 00:00:00", "2000/02/29 00:00:00"},
        {"1999/02/29 00:00:00", ""},   // no leap year
        {"1900/02/29 00:00:00", ""},
        {"2001/13/01 00:00:00", ""},
        {"2001/02/30 00:00:00", ""},
        {"2001/04/31 00:00:00", ""},
        {"2001/00/10 00:00:00", ""},
        {"2001/01/00 00:00:00", ""},
        {"2001/01/01 24:00:00", ""},
        {"2001/01/01 12:60:00", ""},
        {"2001/01/01 12:00:60", ""},
        {"2001/001/01 12:00:00", ""},
        {"01/02/03 04:05:06", ""},     // two-digit years are ambiguous
        {"2001-02-03 04:05:06", ""},
        {"2001/02/03T04:05:06", ""},
        {"2001/02/03 04:05:06 PM", ""},
        {"2001/02/03 04", ""},
        {"2001/02/03 04:05:", ""},
        {"", ""},
        {"abc", ""},
        {"0000/01/01 00:00:00", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ReformatDateText(c.Text), c.Expected);
    }
}

TEST(DateText, DosFileDates) {
    // 2001-02-03 04:05:06: date (21 << 9) | (2 << 5) | 3, time (4 << 11) | (5 << 5) | 3.
    const std::int32_t date = ((21 << 9) | (2 << 5) | 3) << 16 | ((4 << 11) | (5 << 5) | 3);
    EXPECT_EQ(FileDateText(date), "2001/02/03 04:05:06");
    EXPECT_EQ(FileDateText(static_cast<std::int32_t>(0xFF9FBF7Du)), "2107/12/31 23:59:58");
    EXPECT_EQ(FileDateText((1 << 5 | 1) << 16), "1980/01/01 00:00:00");
    EXPECT_EQ(FileDateText(-1), "");
    EXPECT_EQ(FileDateText(0), "");                                  // month 0, day 0
    EXPECT_EQ(FileDateText(((21 << 9) | (2 << 5) | 30) << 16), "");  // February 30
    EXPECT_EQ(FileDateText(static_cast<std::int32_t>(((120u << 9) | (2 << 5) | 29) << 16)), "");  // no leap year
    EXPECT_EQ(FileDateText(static_cast<std::int32_t>(((120u << 9) | (3 << 5) | 1) << 16)), "2100/03/01 00:00:00");
    EXPECT_EQ(FileDateText(((21 << 9) | (1 << 5) | 1) << 16 | (24 << 11)), "");
    EXPECT_EQ(FileDateText(((21 << 9) | (1 << 5) | 1) << 16 | 30), "");  // 60 seconds
}

}  // namespace
