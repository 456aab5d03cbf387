// The order and the text of a list: folder sort, headings per mode, the CSV
// header, the list file's name.
#include "listexport/ListOutput.h"

#include <gtest/gtest.h>

#include "Hex.h"
#include "listexport/FolderSort.h"

namespace {

TEST(FolderSort, OrdersFoldersByBytesAndKeepsEachFolderStable) {
    // Reported in walk order; each line names its file so pairing shows.
    std::vector<std::string> files = {
        "C:\\F\\A\\1.URL",   "C:\\F\\b\\1.URL",   "C:\\F\\B\\1.URL",  "C:\\F\\A\\Y.URL",  "C:\\F\\A B\\1.URL",
        "C:\\F\\A-B\\1.URL", "C:\\F\\ソフト\\1.URL", "C:\\F\\A1\\1.URL", "C:\\F\\Zoo.URL",   "C:\\F\\AB\\1.URL",
        "C:\\F\\A\\X.URL",   "C:\\F\\Ab\\1.URL",  "C:\\F\\A\\S\\1.URL", "C:\\F\\ｱ\\1.URL",  "C:\\F\\Mid.URL",
    };
    std::vector<std::string> lines;
    for (const auto& f : files) lines.push_back("line of " + f);
    SortFilesByFolder(files, lines);
    const std::vector<std::string> expected = {
        "C:\\F\\Zoo.URL",   "C:\\F\\Mid.URL",                       // the root first, in walk order
        "C:\\F\\A B\\1.URL", "C:\\F\\A-B\\1.URL", "C:\\F\\A1\\1.URL",  // bytes below "\" before A
        "C:\\F\\AB\\1.URL",  "C:\\F\\A\\1.URL",   "C:\\F\\A\\Y.URL",  "C:\\F\\A\\X.URL",  // Y before X
        "C:\\F\\A\\S\\1.URL", "C:\\F\\Ab\\1.URL",                    // A's subfolders, then Ab
        "C:\\F\\B\\1.URL",   "C:\\F\\b\\1.URL",                     // B before b
        "C:\\F\\ソフト\\1.URL", "C:\\F\\ｱ\\1.URL",                  // Japanese after ASCII (0x83, 0xB1)
    };
    ASSERT_EQ(files.size(), expected.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Hex(files[i]), Hex(expected[i]));
        EXPECT_EQ(lines[i], "line of " + files[i]);
    }
}

TStringList Lines(std::initializer_list<std::string> Items) {
    TStringList list;
    for (const auto& s : Items) list.Add(s);
    return list;
}

TEST(ListOutput, HeadingsPerModeAndRoot) {
    // Worked example: Zoo in the root, Novel in Books, already sorted.
    const TStringList sorted = Lines({"C:\\Fav\\Zoo.URL", "C:\\Fav\\Books\\Novel.URL", "C:\\Fav\\Books\\Old\\Map.URL"});
    const TStringList entries = Lines({"zoo", "novel", "map"});
    const struct {
        std::uint8_t Mode;
        const char* Root;
        std::vector<std::string> Expected;
    } cases[] = {
        {0, "C:\\Fav\\", {"", "[]", "zoo", "", "[Books]", "novel", "", "[Books\\Old]", "map"}},
        {1, "C:\\Fav\\", {"<BR>", "[]<BR>", "zoo", "<BR>", "[Books]<BR>", "novel", "<BR>", "[Books\\Old]<BR>", "map"}},
        {2, "C:\\Fav\\", {"<BR>", "[]<BR>", "zoo", "<BR>", "[Books]<BR>", "novel", "<BR>", "[Books\\Old]<BR>", "map"}},
        {3, "C:\\Fav\\", {CsvHeader, "[]", "zoo", "[Books]", "novel", "[Books\\Old]", "map"}},
        {3, "C:\\Fav", {CsvHeader, "[]", "zoo", "[\\Books]", "novel", "[\\Books\\Old]", "map"}},
    };
    // The favourites folder at a drive's root.
    TStringList atRoot;
    BuildListOutput(0, "Q:\\", Lines({"Q:\\Zoo.URL", "Q:\\Books\\Novel.URL"}), Lines({"zoo", "novel"}), atRoot);
    EXPECT_EQ(atRoot.Items(), (std::vector<std::string>{"", "[]", "zoo", "", "[Books]", "novel"}));
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Mode) + " " + c.Root);
        TStringList out;
        BuildListOutput(c.Mode, c.Root, sorted, entries, out);
        EXPECT_EQ(out.Items(), c.Expected);
    }
    EXPECT_EQ(Hex(CsvHeader), Hex("サブフォルダ,ページタイトル,URL,コメント,登録日,最終訪問日"));
}

TEST(ListOutput, NoFilesGivesHeaderOnlyInCsv) {
    for (std::uint8_t mode = 0; mode < 4; ++mode) {
        TStringList out;
        BuildListOutput(mode, "C:\\Fav\\", TStringList(), TStringList(), out);
        EXPECT_EQ(out.Text(), mode == 3 ? CsvHeader + "\r\n" : "") << int(mode);
    }
}

TEST(ListOutput, ListFileName) {
    const struct {
        const char* Favorites;
        const char* Expected;
    } cases[] = {
        {"C:\\WINDOWS\\Favorites\\", "C:\\WINDOWS\\TEMP\\Favorites.txt"},
        {"C:\\WINDOWS\\Favorites", "C:\\WINDOWS\\TEMP\\Favorites.txt"},
        {"C:\\", "C:\\WINDOWS\\TEMP\\.txt"},
        {"C:\\お気に入り\\ソ", "C:\\WINDOWS\\TEMP\\ソ.txt"},
        {"C:\\Fav\\表\\", "C:\\WINDOWS\\TEMP\\表.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.Favorites));
        EXPECT_EQ(Hex(ListFileName("C:\\WINDOWS\\TEMP\\", c.Favorites)), Hex(c.Expected));
    }
}

}  // namespace
