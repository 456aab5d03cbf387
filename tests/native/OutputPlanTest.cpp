#include "import/OutputPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>
#include <stdexcept>

#include "Hex.h"
#include "platform/MessageDlg.h"

namespace {

TEST(ReadOutputLine, FolderAndEntryLines) {
    struct Case {
        std::string Line;
        TOutputLineKind Kind;
        std::string Folder, Name, URL;
    } cases[] = {
        {"", TOutputLineKind::Empty, "", "", ""},
        {"[Links]", TOutputLineKind::Folder, "Links", "", ""},
        {"[]", TOutputLineKind::Folder, "", "", ""},
        {"[a\\b]", TOutputLineKind::Folder, "a\\b", "", ""},
        {"[ソ]", TOutputLineKind::Folder, "ソ", "", ""},
        // A title that begins with "[" is an entry, not a folder.
        {"[PR] News=http://x/", TOutputLineKind::Entry, "", "[PR] News", "http://x/"},
        {"[ゾ=http://x/]", TOutputLineKind::Folder, "ゾ=http://x/", "", ""},
        {"[ゾ", TOutputLineKind::Entry, "", "", "[ゾ"},
        {"A=http://x/", TOutputLineKind::Entry, "", "A", "http://x/"},
        {"a=b=http://x/", TOutputLineKind::Entry, "", "a", "b=http://x/"},
        {"=http://x/", TOutputLineKind::Entry, "", "", "http://x/"},
        {"no equals", TOutputLineKind::Entry, "", "", "no equals"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.Line));
        TOutputLine got = ReadOutputLine(c.Line);
        EXPECT_EQ(static_cast<int>(got.Kind), static_cast<int>(c.Kind));
        EXPECT_EQ(Hex(got.Folder), Hex(c.Folder));
        EXPECT_EQ(Hex(got.Name), Hex(c.Name));
        EXPECT_EQ(Hex(got.URL), Hex(c.URL));
    }
}

TEST(CutURL, NeverSplitsADoubleByteCharacter) {
    const std::string a254(254, 'a');
    struct Case {
        std::string URL, Cut;
    } cases[] = {
        {std::string(300, 'u'), std::string(255, 'u')},
        {std::string(255, 'u'), std::string(255, 'u')},
        {a254 + "表x", a254},               // 255th byte begins 表
        {a254 + "表", a254},                // even when nothing follows it
        {a254.substr(1) + "表x", a254.substr(1) + "表"},  // 表 ends at byte 255
        {"a" + std::string(126, 'x') + "ソソソ" + std::string(200, 'y'), "a" + std::string(126, 'x') + "ソソソ" + std::string(122, 'y')},
        {std::string(127, 'x') + std::string("ソ") + std::string(200, 'y'), std::string(127, 'x') + "ソ" + std::string(126, 'y')},
        {"http://x/", "http://x/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.URL.substr(std::min<std::size_t>(c.URL.size(), 250))));
        EXPECT_EQ(Hex(std::string(CutURL(c.URL))), Hex(c.Cut));
    }
    // Through a whole line: a 300-byte URL keeps its first 255 bytes.
    EXPECT_EQ(ReadOutputLine("n=" + std::string(300, 'u')).URL, std::string(255, 'u'));
}

TEST(OutputPaths, StayInsideTheFavouritesFolder) {
    const std::string dest = "C:\\Fav\\";
    struct Case {
        std::string Sub;
        bool Safe;
    } folders[] = {
        {"Links\\", true},      {"\\", true},          {"a\\b\\", true},       {"\\Books\\", true},
        {"\\\\", true},         {"a\\\\b\\", true},    {"ソフト\\", true},     {"表\\", true},
        {"abc\x83\\", true},    {"COM0\\", true},      {"console\\", true},    {"a.b\\", true},
        {"..\\", false},        {"..\\..\\x\\", false}, {"a\\..\\b\\", false}, {"a/../b\\", false},
        {"../\\", false},       {"C:\\x\\", false},    {"\\\\srv\\share\\", false}, {"//srv/share\\", false},
        {"a:b\\", false},       {"a<b\\", false},      {"a>b\\", false},       {"a|b\\", false},
        {"a?\\", false},        {"a*\\", false},       {"a\"b\\", false},      {"a\tb\\", false},
        {".\\", false},         {"...\\", false},      {". .\\", false},       {".. \\", false},
        {"CON\\", false},       {"nul.txt\\", false},  {"com1\\", false},      {"Lpt9 \\", false},
        {"\x81/..\\", false},   // 0x2F is no second byte: Windows may read a "/" there
    };
    for (const auto& c : folders) {
        SCOPED_TRACE("folder " + Hex(c.Sub));
        EXPECT_EQ(IsSafeFolder(dest, c.Sub), c.Safe);
    }
    struct EntryCase {
        std::string Sub, Name;
        bool Safe;
    } entries[] = {
        {"", "A", true},        {"", "", true},        {"", "a\\b", true},     {"", "a/b", true},
        {"\\", "\\srv", true},  {"", "x ", true},      {"", "ソ", true},       {"Links\\", "表", true},
        {"", "...x", true},     {"", "COM10", true},
        {"", "..", false},      {"", ".", false},      {"", "..\\evil", false}, {"", "a/../../x", false},
        {"", "C:\\x", false},   {"", "a:b", false},    {"", "\\\\srv\\x", false}, {"", "con", false},
        {"", "CON.txt", false}, {"", "a?", false},     {"", "a\"b", false},    {"", "a*", false},
        {"", "abc\x83", false},  // the lead byte would swallow the "." of ".URL"
        {"..\\", "x", false},   {"C:\\x\\", "x", false}, {"\\\\srv\\", "x", false},
    };
    for (const auto& c : entries) {
        SCOPED_TRACE("entry " + Hex(c.Sub) + " " + Hex(c.Name));
        EXPECT_EQ(IsSafeShortcut(dest, c.Sub, c.Name), c.Safe);
    }
    // An empty favourites folder means the current folder: a leading "\"
    // would reach the drive's root.
    EXPECT_TRUE(IsSafeShortcut("", "", "x"));
    EXPECT_TRUE(IsSafeFolder("", "a\\"));
    EXPECT_FALSE(IsSafeShortcut("", "\\", "x"));
    EXPECT_FALSE(IsSafeFolder("", "\\"));
    // Without its trailing "\" the folder's own name would grow.
    EXPECT_FALSE(IsSafeShortcut("C:\\Fav", "", "x"));
    EXPECT_TRUE(IsSafeShortcut("C:\\Fav", "\\", "x"));
    EXPECT_TRUE(IsSafeShortcut("C:\\ソ", "\\", "x"));
}

TEST(OutputPrompts, ExactTexts) {
    EXPECT_EQ(Hex(OverwritePromptText("ソフト")),
              Hex("\"ソフト\"このページ名は既に使われています\r\n上書きしますか\x3f"));
    EXPECT_EQ(Hex(ErrorPromptText("C:\\Fav\\a?.URL")),
              Hex("C:\\Fav\\a?.URL は不正なファイル名です\r\n変換を続行しますか\x3f"));
}

// The file system and the prompts as a log of calls; folders and files are
// kept so that writes into missing folders fail as they do on Windows.
class FakeSystem : public TOutputSystem {
public:
    std::vector<std::string> Log;
    std::set<std::string> Folders{"C:\\Fav"}, Files;
    std::deque<int> OverwriteAnswers, ErrorAnswers;
    std::set<std::string> Unwritable;

    bool FileExists(const std::string& Path) override {
        Log.push_back("exists " + Path);
        return Files.count(Collapsed(Path)) != 0;
    }
    void ForceDirectories(const std::string& Path) override {
        Log.push_back("mkdir " + Path);
        std::string p = Collapsed(Path);
        if (Unwritable.count(p)) throw std::runtime_error("cannot create");
        while (!p.empty() && p.back() == '\\') p.pop_back();
        for (std::size_t at = p.find('\\'); at != std::string::npos; at = p.find('\\', at + 1))
            Folders.insert(p.substr(0, at));
        Folders.insert(p);
    }
    void WriteShortcut(const std::string& Path, const std::string& URL) override {
        Log.push_back("write " + Path + " " + URL);
        std::string p = Collapsed(Path);
        std::string parent = p.substr(0, p.rfind('\\'));
        if (!Folders.count(parent) || Unwritable.count(p)) throw std::runtime_error("cannot write");
        Files.insert(p);
    }
    int AskOverwrite(const std::string& Text) override { return Answer("ask-overwrite " + Text, OverwriteAnswers); }
    int AskError(const std::string& Text) override { return Answer("ask-error " + Text, ErrorAnswers); }

private:
    // "C:\Fav\\x" is "C:\Fav\x" to the file system.
    static std::string Collapsed(const std::string& Path) {
        std::string out;
        for (char c : Path)
            if (!(c == '\\' && !out.empty() && out.back() == '\\')) out += c;
        return out;
    }
    int Answer(std::string Entry, std::deque<int>& Answers) {
        Log.push_back(std::move(Entry));
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected prompt: " << Hex(Log.back());
            return mrCancel;
        }
        int a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

TStringList Lines(std::initializer_list<const char*> Texts) {
    TStringList list;
    for (const char* t : Texts) list.Add(t);
    return list;
}

std::string Overwrite(const std::string& Name) { return "ask-overwrite " + OverwritePromptText(Name); }
std::string Error(const std::string& Path) { return "ask-error " + ErrorPromptText(Path); }

void ExpectLog(const FakeSystem& Sys, const std::vector<std::string>& Expected) {
    ASSERT_EQ(Sys.Log.size(), Expected.size()) << "log:\n" << [&] {
        std::string all;
        for (const auto& l : Sys.Log) all += Hex(l) + "\n";
        return all;
    }();
    for (std::size_t i = 0; i < Expected.size(); ++i) EXPECT_EQ(Hex(Sys.Log[i]), Hex(Expected[i])) << "call " << i;
}

TEST(RunOutput, FoldersAndEntries) {
    FakeSystem sys;
    RunOutput("C:\\Fav\\", Lines({"Top=http://t/", "[Links]", "A=http://a/", "[a\\b]", "[c]", "B=x=http://b/",
                                  "", "[]", "=http://e/", "[PR] News=http://p/"}),
              sys);
    ExpectLog(sys, {
                       "exists C:\\Fav\\Top.URL",
                       "write C:\\Fav\\Top.URL http://t/",
                       "mkdir C:\\Fav\\Links\\",
                       "exists C:\\Fav\\Links\\A.URL",
                       "write C:\\Fav\\Links\\A.URL http://a/",
                       "mkdir C:\\Fav\\a\\b\\",
                       "mkdir C:\\Fav\\c\\",
                       "exists C:\\Fav\\c\\B.URL",
                       "write C:\\Fav\\c\\B.URL x=http://b/",
                       "mkdir C:\\Fav\\\\",
                       "exists C:\\Fav\\\\.URL",
                       "write C:\\Fav\\\\.URL http://e/",
                       "exists C:\\Fav\\\\[PR] News.URL",
                       "write C:\\Fav\\\\[PR] News.URL http://p/",
                   });
}

TEST(RunOutput, OverwriteAnswers) {
    FakeSystem sys;
    sys.Files = {"C:\\Fav\\A.URL", "C:\\Fav\\B.URL", "C:\\Fav\\C.URL", "C:\\Fav\\D.URL"};
    const TStringList lines = Lines({"A=1", "B=2", "C=3", "D=4", "E=5"});

    sys.OverwriteAnswers = {mrYes, mrNo, mrAll};
    RunOutput("C:\\Fav\\", lines, sys);
    ExpectLog(sys, {
                       "exists C:\\Fav\\A.URL", Overwrite("A"), "write C:\\Fav\\A.URL 1",
                       "exists C:\\Fav\\B.URL", Overwrite("B"),
                       "exists C:\\Fav\\C.URL", Overwrite("C"), "write C:\\Fav\\C.URL 3",
                       "write C:\\Fav\\D.URL 4",  // All: no more asking
                       "write C:\\Fav\\E.URL 5",
                   });

    // A second Output asks again, and Cancel ends it.
    sys.Log.clear();
    sys.OverwriteAnswers = {mrCancel};
    RunOutput("C:\\Fav\\", lines, sys);
    ExpectLog(sys, {"exists C:\\Fav\\A.URL", Overwrite("A")});

    // Answers other than the four named ones write.
    sys.Log.clear();
    sys.OverwriteAnswers = {0, mrCancel};
    RunOutput("C:\\Fav\\", Lines({"A=9", "A=10"}), sys);
    ExpectLog(sys, {"exists C:\\Fav\\A.URL", Overwrite("A"), "write C:\\Fav\\A.URL 9", "exists C:\\Fav\\A.URL",
                    Overwrite("A")});
}

TEST(RunOutput, ErrorAnswers) {
    FakeSystem sys;
    sys.Unwritable = {"C:\\Fav\\bad\\"};
    // "a\b" needs a folder a that does not exist; the folder "bad" cannot be
    // made, so the entries under it fail too.
    const TStringList lines = Lines({"a\\b=1", "[bad]", "X=2", "Y=3", "[ok]", "Z=4"});

    sys.ErrorAnswers = {mrYes, mrAll};
    RunOutput("C:\\Fav\\", lines, sys);
    ExpectLog(sys, {
                       "exists C:\\Fav\\a\\b.URL", "write C:\\Fav\\a\\b.URL 1", Error("C:\\Fav\\a\\b.URL"),
                       "mkdir C:\\Fav\\bad\\", Error("C:\\Fav\\bad\\a\\b.URL"),  // the latest entry's name
                       "exists C:\\Fav\\bad\\X.URL", "write C:\\Fav\\bad\\X.URL 2",
                       "exists C:\\Fav\\bad\\Y.URL", "write C:\\Fav\\bad\\Y.URL 3",
                       "mkdir C:\\Fav\\ok\\", "exists C:\\Fav\\ok\\Z.URL", "write C:\\Fav\\ok\\Z.URL 4",
                   });

    sys.Log.clear();
    sys.ErrorAnswers = {mrNo};
    RunOutput("C:\\Fav\\", lines, sys);
    ExpectLog(sys, {"exists C:\\Fav\\a\\b.URL", "write C:\\Fav\\a\\b.URL 1", Error("C:\\Fav\\a\\b.URL")});

    // A failing folder line before any entry shows the subfolder and ".URL".
    sys.Log.clear();
    sys.ErrorAnswers = {mrNo};
    RunOutput("C:\\Fav\\", Lines({"[bad]"}), sys);
    ExpectLog(sys, {"mkdir C:\\Fav\\bad\\", Error("C:\\Fav\\bad\\.URL")});
}

TEST(RunOutput, TraversalAttemptsTouchNothing) {
    FakeSystem sys;
    sys.ErrorAnswers = {mrYes, mrYes, mrYes, mrYes, mrYes, mrYes, mrYes};
    RunOutput("C:\\Fav\\",
              Lines({"[..\\..\\x]", "in=http://a", "[]", "..\\evil=http://a", "C:\\x=http://a", "a:b=http://a",
                     "\\\\srv\\s\\x=http://a", "[C:\\x]", "[]", "safe=http://a"}),
              sys);
    ExpectLog(sys, {
                       Error("C:\\Fav\\..\\..\\x\\.URL"),
                       Error("C:\\Fav\\..\\..\\x\\in.URL"),  // entries under the refused folder fail too
                       "mkdir C:\\Fav\\\\",
                       Error("C:\\Fav\\\\..\\evil.URL"),
                       Error("C:\\Fav\\\\C:\\x.URL"),
                       Error("C:\\Fav\\\\a:b.URL"),
                       Error("C:\\Fav\\\\\\\\srv\\s\\x.URL"),
                       Error("C:\\Fav\\C:\\x\\\\\\srv\\s\\x.URL"),
                       "mkdir C:\\Fav\\\\",
                       "exists C:\\Fav\\\\safe.URL",
                       "write C:\\Fav\\\\safe.URL http://a",
                   });
}

TEST(RunOutput, EmptyListAndEmptyLinesDoNothing) {
    FakeSystem sys;
    RunOutput("C:\\Fav\\", TStringList(), sys);
    RunOutput("C:\\Fav\\", Lines({"", ""}), sys);
    EXPECT_TRUE(sys.Log.empty());
}

}  // namespace
