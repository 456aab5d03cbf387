#include "platform/BrowserText.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Hex.h"

TEST(BrowserText, ParseFilterSplitsOnlyAtSingleByteBars) {
    auto e = ParseFilter("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|HTML文書(*.htm *.html)|*.htm|すべてのﾌｧｲﾙ (*.*)|*.*");
    ASSERT_EQ(3u, e.size());
    EXPECT_EQ(Hex("ﾃｷｽﾄﾌｧｲﾙ(*.txt)"), Hex(e[0].Label));
    EXPECT_EQ("*.txt", e[0].Pattern);
    EXPECT_EQ(Hex("HTML文書(*.htm *.html)"), Hex(e[1].Label));
    EXPECT_EQ("*.htm", e[1].Pattern);
    EXPECT_EQ(Hex("すべてのﾌｧｲﾙ (*.*)"), Hex(e[2].Label));
    EXPECT_EQ("*.*", e[2].Pattern);

    // ポ is 0x83 0x7C: its trail byte is no separator.
    auto p = ParseFilter("ポ|*.p|x");
    ASSERT_EQ(2u, p.size());
    EXPECT_EQ(Hex("ポ"), Hex(p[0].Label));
    EXPECT_EQ("*.p", p[0].Pattern);
    EXPECT_EQ("x", p[1].Label);
    EXPECT_EQ("*.*", p[1].Pattern);  // a label without its pattern

    EXPECT_TRUE(ParseFilter("").empty());
}

TEST(BrowserText, FolderChainFromRootDown) {
    struct Row {
        std::string Folder;
        std::vector<std::string> Paths, Names;
    } rows[] = {
        {"C:\\Windows\\System32", {"C:\\", "C:\\Windows\\", "C:\\Windows\\System32\\"}, {"C:\\", "Windows", "System32"}},
        {"C:\\", {"C:\\"}, {"C:\\"}},
        {"C:", {"C:\\"}, {"C:\\"}},
        // ソ ends in 0x5C: one folder, not two.
        {"C:\\ソ\\a\\", {"C:\\", "C:\\ソ\\", "C:\\ソ\\a\\"}, {"C:\\", "ソ", "a"}},
        {"\\\\srv\\share\\d", {"\\\\srv\\share\\", "\\\\srv\\share\\d\\"}, {"\\\\srv\\share\\", "d"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(Hex(r.Folder));
        auto chain = FolderChain(r.Folder);
        ASSERT_EQ(r.Paths.size(), chain.size());
        for (std::size_t i = 0; i < chain.size(); ++i) {
            EXPECT_EQ(Hex(r.Paths[i]), Hex(chain[i].Path));
            EXPECT_EQ(Hex(r.Names[i]), Hex(chain[i].Name));
        }
    }
    EXPECT_TRUE(FolderChain("").empty());
}

TEST(BrowserText, FileNameOrderFoldsAsciiOnly) {
    // ア (0x83 0x41) keeps its trail byte: folded to 0x61 it would sort after 0x83 0x5B.
    std::vector<std::string> names = {"b.txt", "A.txt", "a.txt", "\x83\x5b", "\x83\x41", "C.TXT"};
    std::sort(names.begin(), names.end(), FileNameLess);
    std::vector<std::string> want = {"A.txt", "a.txt", "b.txt", "C.TXT", "\x83\x41", "\x83\x5b"};
    EXPECT_EQ(want, names);
}
