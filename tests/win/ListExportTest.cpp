// The four exporter DLLs end to end, loaded by ordinal and called as the host
// calls them: the list file they write (byte for byte) and what the shell was
// asked to open.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/ExportSupport.h"
#include "support/TestSupport.h"

namespace {

// The lines of a list, each of which must end in CR LF.
std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t eol; (eol = Text.find("\r\n", at)) != std::string::npos; at = eol + 2)
        lines.push_back(Text.substr(at, eol - at));
    EXPECT_EQ(at, Text.size()) << "text after the last CR LF";
    return lines;
}

const std::string kZoo =
    "[InternetShortcut]\r\nURL=http://zoo/\r\n[Log]\r\nUserComment=動物園\r\nLastVisit=2001/2/3 4:05:06\r\n";
const std::string kNovel = "[InternetShortcut]\r\nURL=http://novel/\r\n";
const std::string kHeader = "サブフォルダ,ページタイトル,URL,コメント,登録日,最終訪問日\r\n";

struct Mode {
    const char* Plugin;
    std::string WorkedExample;  // the list of Zoo and Books\Novel
};

const Mode kModes[] = {
    {"Quimsby", "\r\n[]\r\nZoo=http://zoo/\r\n\r\n[Books]\r\nNovel=http://novel/\r\n"},
    {"Sabrel",
     "<BR>\r\n[]<BR>\r\n<A HREF=\"http://zoo/\">Zoo</A>\r\n<BR>\r\n[Books]<BR>\r\n<A HREF=\"http://novel/\">Novel</A>\r\n"},
    {"Dorrant",
     "<BR>\r\n[]<BR>\r\n<A HREF=\"http://zoo/\">Zoo</A>:動物園<BR>\r\n<BR>\r\n[Books]<BR>\r\n"
     "<A HREF=\"http://novel/\">Novel</A>:<BR>\r\n"},
    {"Wendrel", kHeader + "[]\r\n,Zoo,http://zoo/,動物園,2005/06/07 08:09:10,2001/02/03 04:05:06\r\n[Books]\r\n"
                          ",Novel,http://novel/,,2005/06/07 08:09:10,\r\n"},
};

using ListExport = ExportFixture;

TEST_F(ListExport, WorkedExampleInEveryMode) {
    WriteFavorites(Root(), {{"Books\\Novel.URL", kNovel}, {"Zoo.URL", kZoo}});
    std::size_t runs = 0;
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.Plugin);
        ASSERT_EQ(RunExporter(mode.Plugin, Root()), 0);
        EXPECT_EQ(Escaped(ReadTextFile(ListFile())), Escaped(mode.WorkedExample));
        // The shell was asked to open exactly the list file, once per run.
        std::vector<std::string> opened = FRecorder.Lines(++runs);
        ASSERT_EQ(opened.size(), runs);
        EXPECT_EQ(Escaped(opened.back()), Escaped(ListFile()));
    }
}

TEST_F(ListExport, RootWithoutBackslashPrefixesSubfolderHeadings) {
    WriteFavorites(Root(), {{"Zoo.URL", kZoo}, {"Books\\Old\\Map.URL", kNovel}});
    std::string root = Root().substr(0, Root().size() - 1);
    ASSERT_EQ(RunExporter("Quimsby", root), 0);
    EXPECT_EQ(Escaped(ReadTextFile(ListFile())),
              Escaped("\r\n[]\r\nZoo=http://zoo/\r\n\r\n[\\Books\\Old]\r\nMap=http://novel/\r\n"));
}

TEST_F(ListExport, NoShortcutGivesHeaderOnlyOrNothing) {
    WriteFavorites(Root(), {{"Books\\readme.txt", "x"}});
    for (const Mode& mode : kModes) {
        SCOPED_TRACE(mode.Plugin);
        WriteTextFile(ListFile(), "stale");
        ASSERT_EQ(RunExporter(mode.Plugin, Root()), 0);
        EXPECT_TRUE(PathExists(ListFile()));
        EXPECT_EQ(ReadTextFile(ListFile()), std::string(mode.Plugin) == "Wendrel" ? kHeader : "");
    }
    // A favourites folder that does not exist is no shortcut at all.
    ASSERT_EQ(RunExporter("Wendrel", FFavorites / "Missing\\"), 0);
    EXPECT_EQ(ReadTextFile(FTemp / "Missing.txt"), kHeader);
}

TEST_F(ListExport, ExtensionsAndShiftJisNames) {
    // ソ and 表 end in the byte 0x5C; the lowercase and mixed-case extensions
    // count, a longer one does not.
    WriteFavorites(Root(), {{"a.url", kNovel},
                            {"b.Url", kNovel},
                            {"Page.url.bak", kNovel},
                            {"ソフト\\表.URL", "[InternetShortcut]\r\nURL=http://表/\r\n"},
                            {"No URL.URL", "[Log]\r\nUserComment=x\r\n"}});
    ASSERT_EQ(RunExporter("Quimsby", Root()), 0);
    std::vector<std::string> lines = SplitLines(ReadTextFile(ListFile()));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "[]");
    // The root's files come in the order of the walk, which the file system picks.
    std::vector<std::string> root(lines.begin() + 2, lines.begin() + 5);
    std::sort(root.begin(), root.end());
    EXPECT_EQ(root, (std::vector<std::string>{"No URL=なし", "a=http://novel/", "b=http://novel/"}));
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(Escaped(lines[6]), Escaped("[ソフト]"));
    EXPECT_EQ(Escaped(lines[7]), Escaped("表=http://表/"));
}

TEST_F(ListExport, NextRunReplacesTheList) {
    WriteFavorites(Root(), {{"Books\\Novel.URL", kNovel}, {"Zoo.URL", kZoo}});
    ASSERT_EQ(RunExporter("Wendrel", Root()), 0);
    ASSERT_EQ(RunExporter("Sabrel", Root()), 0);
    EXPECT_EQ(Escaped(ReadTextFile(ListFile())), Escaped(kModes[1].WorkedExample));
}

TEST_F(ListExport, FavoritesAtTheRootOfADrive) {
    WriteFavorites(Root(), {{"Zoo.URL", kZoo}, {"Books\\Novel.URL", kNovel}});
    std::int32_t result;
    {
        DriveMapping mapping(Root());
        ASSERT_FALSE(mapping.Drive().empty()) << mapping.Error();
        ASSERT_TRUE(PathExists(mapping.Drive() + "\\Zoo.URL"));
        result = RunExporter("Quimsby", mapping.Drive() + "\\");
    }
    ASSERT_EQ(result, 0);
    // The folder has no name, so the list is ".txt" alone.
    EXPECT_EQ(Escaped(ReadTextFile(FTemp / ".txt")), Escaped(kModes[0].WorkedExample));
    EXPECT_FALSE(PathExists(ListFile()));
}

}  // namespace
