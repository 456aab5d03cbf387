// Shortcut files on a real file system: what one reading yields (dates from
// the file's time and from LastVisit), and what writing the address changes.
#include <gtest/gtest.h>

#include "platform/PlatformError.h"
#include "plugin/Shortcut.h"
#include "support/ExportSupport.h"
#include "support/TestSupport.h"

namespace {

TEST(Shortcut, ReadsAddressCommentAndDates) {
    RequireCodePage932();
    TempFolder dir("sc");
    const struct {
        const char* Name;
        std::string Content;
        std::string URL, Comment, LastVisit;
    } cases[] = {
        {"Full.URL",
         "[InternetShortcut]\r\nURL=http://a/\r\n[Log]\r\nUserComment=良い,本\r\nLastVisit=2001/2/3 4:05:06\r\n",
         "http://a/", "良い,本", "2001/02/03 04:05:06"},
        {"Only.url", "[InternetShortcut]\r\nURL=http://b/\r\n", "http://b/", "", ""},
        {"NoUrl.Url", "[InternetShortcut]\r\nIconIndex=0\r\n", "なし", "", ""},
        {"EmptyUrl.URL", "[InternetShortcut]\r\nURL=\r\n", "", "", ""},
        {"BadVisit.URL", "[InternetShortcut]\r\nURL=c\r\n[Log]\r\nLastVisit=2001/02/30 00:00:00\r\n", "c", "", ""},
        {"Empty.URL", "", "なし", "", ""},
        {"ソフト.URL", "[InternetShortcut]\r\nURL=http://ソ/\r\n", "http://ソ/", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string path = dir / c.Name;
        WriteTextFile(path, c.Content);
        // An odd second shows as the even one before.
        ASSERT_TRUE(SetLocalWriteTime(path, 2005, 6, 7, 8, 9, 11));

        TShortcutInfo plain = ReadShortcut(path, false);
        EXPECT_EQ(Escaped(plain.URL), Escaped(c.URL));
        EXPECT_EQ(Escaped(plain.Comment), Escaped(c.Comment));
        EXPECT_EQ(plain.Registered, "");
        EXPECT_EQ(plain.LastVisit, "");
        EXPECT_EQ(Escaped(plain.Title), Escaped(std::string(c.Name).substr(0, std::string(c.Name).rfind('.'))));

        TShortcutInfo dated = ReadShortcut(path, true);
        EXPECT_EQ(dated.Registered, "2005/06/07 08:09:10");
        EXPECT_EQ(dated.LastVisit, c.LastVisit);
    }
}

TEST(Shortcut, DatesThatCannotBeShownStayEmpty) {
    TempFolder dir("scd");
    // Before 1980 a DOS date cannot hold the time stamp.
    std::string old = dir / "Old.URL";
    WriteTextFile(old, "[InternetShortcut]\r\nURL=x\r\n");
    ASSERT_TRUE(SetLocalWriteTime(old, 1975, 1, 1, 0, 0, 0));
    TShortcutInfo info = ReadShortcut(old, true);
    EXPECT_EQ(info.URL, "x");
    EXPECT_EQ(info.Registered, "");

    // A file gone since it was found reads with the defaults.
    TShortcutInfo gone = ReadShortcut(dir / "Gone.URL", true);
    EXPECT_EQ(gone.Title, "Gone");
    EXPECT_EQ(gone.URL, "なし");
    EXPECT_EQ(gone.Registered, "");
    EXPECT_EQ(gone.LastVisit, "");
}

TEST(Shortcut, WriteChangesOnlyTheAddress) {
    TempFolder dir("scw");
    std::string fresh = dir / "新しい.URL";
    WriteShortcut(fresh, "http://new/");
    EXPECT_EQ(ReadTextFile(fresh), "[InternetShortcut]\r\nURL=http://new/\r\n");

    const std::string log = "[Log]\r\nUserComment=メモ\r\nLastVisit=2001/02/03 04:05:06\r\n";
    std::string existing = dir / "Old.URL";
    WriteTextFile(existing, log + "\r\n[InternetShortcut]\r\nURL=http://old/\r\nIconIndex=1\r\n");
    WriteShortcut(existing, "http://new/");
    EXPECT_EQ(Escaped(ReadTextFile(existing)),
              Escaped(log + "\r\n[InternetShortcut]\r\nURL=http://new/\r\nIconIndex=1\r\n"));

    std::string noFolder = dir / "nowhere\\Page.URL";
    EXPECT_THROW(WriteShortcut(noFolder, "x"), PlatformError);
    EXPECT_FALSE(PathExists(dir / "nowhere"));
    EXPECT_THROW(WriteShortcut(dir / "bad|name.URL", "x"), PlatformError);
}

}  // namespace
