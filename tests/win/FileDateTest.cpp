// DOS file dates against Windows: our decoding of the date and time words
// (FileDateText) beside what FileTimeToDosDateTime and DosDateTimeToFileTime
// say for the same instants, swept over the whole DOS range; and FileAge on
// real files.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/DateText.h"
#include "platform/FileDate.h"
#include "support/ExportSupport.h"
#include "support/TestSupport.h"

namespace {

std::string SystemTimeText(const SYSTEMTIME& T) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04u/%02u/%02u %02u:%02u:%02u", T.wYear, T.wMonth, T.wDay, T.wHour, T.wMinute,
                  T.wSecond);
    return buf;
}

TEST(FileDate, DecodingMatchesWindowsOverTheDosRange) {
    // 1980-01-01 00:00:00 in file time, then steps of 13 days, 7 hours, 11
    // minutes and 3 seconds, which reach every month, hour and odd second;
    // up to 2099: Wine's FileTimeToDosDateTime takes 2100 for a leap year
    // (it gives February 29, 2100), a word we rightly reject.
    SYSTEMTIME start{1980, 1, 0, 1, 0, 0, 0, 0}, end{2100, 1, 0, 1, 0, 0, 0, 0};
    FILETIME ft, endFt;
    ASSERT_TRUE(::SystemTimeToFileTime(&start, &ft));
    ASSERT_TRUE(::SystemTimeToFileTime(&end, &endFt));
    const ULONGLONG last = (static_cast<ULONGLONG>(endFt.dwHighDateTime) << 32) | endFt.dwLowDateTime;
    ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
    const ULONGLONG step = ((13ull * 24 + 7) * 60 + 11) * 60 + 3;
    int checked = 0;
    for (; t.QuadPart < last; t.QuadPart += step * 10000000ull) {
        FILETIME at{t.LowPart, t.HighPart};
        WORD date = 0, time = 0;
        ASSERT_TRUE(::FileTimeToDosDateTime(&at, &date, &time));
        FILETIME back;
        SYSTEMTIME st;
        ASSERT_TRUE(::DosDateTimeToFileTime(date, time, &back));
        ASSERT_TRUE(::FileTimeToSystemTime(&back, &st));
        std::int32_t fileDate = static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time);
        ASSERT_EQ(FileDateText(fileDate), SystemTimeText(st)) << std::hex << fileDate;
        ++checked;
    }
    EXPECT_GT(checked, 3000);
}

TEST(FileDate, FileAgeIsTheLocalTimeInEvenSeconds) {
    TempFolder dir("age");
    std::string path = dir / "a.URL";
    WriteTextFile(path, "x");
    ASSERT_TRUE(SetLocalWriteTime(path, 2010, 3, 4, 5, 6, 7));
    EXPECT_EQ(FileDateText(FileAge(path)), "2010/03/04 05:06:06");
    ASSERT_TRUE(SetLocalWriteTime(path, 1979, 12, 31, 23, 59, 59));
    EXPECT_EQ(FileAge(path), -1);
    EXPECT_EQ(FileAge(dir / "missing.URL"), -1);
    EXPECT_EQ(FileAge(dir.Path()), -1);  // a folder has no file age
}

}  // namespace
