#include "plugin/LibUnit.h"

#include <gtest/gtest.h>

#include "Hex.h"
#include "platform/AnsiText.h"
#include "platform/FilePath.h"

namespace {

TEST(ExecCharset, LiteralsAreCodePage932) {
    EXPECT_EQ(Hex("ソ"), Hex("\x83\x5c"));
    EXPECT_EQ(Hex("表"), Hex("\x95\x5c"));
    EXPECT_EQ(Hex("能"), Hex("\x94\x5c"));
    EXPECT_EQ(Hex("ア"), Hex("\x83\x41"));
    EXPECT_EQ(Hex("ﾌ"), Hex("\xcc"));
}

struct PathCase {
    std::string Path, Appended, Removed;
};

TEST(LibUnit, AppendAndRemoveBackslash) {
    const PathCase cases[] = {
        {"", "", ""},
        {"C:\\Fav", "C:\\Fav\\", "C:\\Fav"},
        {"C:\\Fav\\", "C:\\Fav\\", "C:\\Fav"},
        {"C:\\Fav\\\\", "C:\\Fav\\\\", "C:\\Fav\\"},
        {"C:\\", "C:\\", "C:"},
        {"\\", "\\", ""},
        {"C:\\ソ", "C:\\ソ\\", "C:\\ソ"},
        {"C:\\表\\", "C:\\表\\", "C:\\表"},
        {"C:\\能", "C:\\能\\", "C:\\能"},
        {"C:\\ソ\\\\", "C:\\ソ\\\\", "C:\\ソ\\"},
        {"\x83", "\x83\\", "\x83"},  // a lone lead byte at the end is a character of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.Path));
        EXPECT_EQ(Hex(AppendBackslash(c.Path)), Hex(c.Appended));
        EXPECT_EQ(Hex(RemoveBackslash(c.Path)), Hex(c.Removed));
    }
}

TEST(FilePath, ExtractPathAndName) {
    struct Case {
        std::string Path, Dir, Name;
    } cases[] = {
        {"C:\\Fav\\News\\Daily.URL", "C:\\Fav\\News\\", "Daily.URL"},
        {"C:\\Fav\\ソフト.URL", "C:\\Fav\\", "ソフト.URL"},
        {"C:\\ソ\\表.URL", "C:\\ソ\\", "表.URL"},
        {"C:x.url", "C:", "x.url"},
        {"plain", "", "plain"},
        {"C:\\Fav\\", "C:\\Fav\\", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.Path));
        EXPECT_EQ(Hex(ExtractFilePath(c.Path)), Hex(c.Dir));
        EXPECT_EQ(Hex(ExtractFileName(c.Path)), Hex(c.Name));
    }
}

TEST(AnsiText, LowerCaseLeavesTrailBytes) {
    EXPECT_EQ(Hex(AnsiLowerCase("ABC.URL")), Hex("abc.url"));
    EXPECT_EQ(Hex(AnsiLowerCase("アA")), Hex("\x83\x41" "a"));
    EXPECT_EQ(Hex(AnsiLowerCase("ﾃｷｽﾄZ")), Hex("ﾃｷｽﾄz"));
}

TEST(AnsiText, AnsiPosNeverStartsInsideACharacter) {
    EXPECT_EQ(AnsiPos("\\", "ソ\\"), 3u);     // the 0x5C of ソ is skipped
    EXPECT_EQ(AnsiPos("A", "ア"), 0u);        // 0x41 is ア's trail byte
    EXPECT_EQ(AnsiPos("bc", "abc"), 2u);
    EXPECT_EQ(AnsiPos("", "abc"), 0u);
    EXPECT_EQ(Pos("A", "ア"), 2u);            // the plain byte search does find it
}

}  // namespace
