// The Output command on real files and real prompts: OutputShortcuts runs on
// the test's thread while a second thread finds each MessageDlg prompt,
// reads it and presses a button.
#include "import/ShortcutOutput.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/Handles.h"
#include "support/PromptSupport.h"
#include "support/TestSupport.h"

namespace {

const char* const NewFileHead = "[InternetShortcut]\r\nURL=";

std::string NewFile(const std::string& URL) { return NewFileHead + URL + "\r\n"; }

TStringList Lines(std::initializer_list<std::string> Texts) {
    TStringList list;
    for (const auto& t : Texts) list.Add(t);
    return list;
}

std::vector<SeenPrompt> Output(const std::string& Dest, const TStringList& Lines,
                               const std::vector<std::string>& Answers) {
    return WithAnswers(Answers, [&] { OutputShortcuts(nullptr, Dest, Lines); });
}

// Names in a folder, "." and ".." left out.
std::vector<std::string> Listing(const std::string& Folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    FindHandle find(::FindFirstFileA((Folder + "*").c_str(), &fd));
    if (!find) return names;
    do {
        std::string n = fd.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (::FindNextFileA(find.Get(), &fd));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(ShortcutOutputGui, FoldersAndNewShortcuts) {
    RequireCodePage932();
    TempFolder fav("fav");
    const std::string longURL = "http://l/" + std::string(245, 'u') + "表表";  // 表 would be cut in half at 255
    auto prompts = Output(fav.Path(),
                          Lines({"Top=http://t/", "[Links]", "A=http://a/", "[a\\b]", "B=x=http://b/", "[empty]",
                                 "[]", "ソフト=http://ソ/", "=http://e/", "[PR] News=http://p/", "", "L=" + longURL}),
                          {});
    ExpectPrompts(prompts, {});
    const std::pair<std::string, std::string> files[] = {
        {"Top.URL", NewFile("http://t/")},
        {"Links\\A.URL", NewFile("http://a/")},
        {"a\\b\\B.URL", NewFile("x=http://b/")},
        {"ソフト.URL", NewFile("http://ソ/")},
        {".URL", NewFile("http://e/")},
        {"[PR] News.URL", NewFile("http://p/")},
        {"L.URL", NewFile(longURL.substr(0, 254))},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(Escaped(name));
        EXPECT_EQ(Escaped(ReadTextFile(fav / name)), Escaped(bytes));
    }
    EXPECT_EQ(Listing(fav / "empty\\").size(), 0u);
    EXPECT_TRUE(PathExists(fav / "empty"));
    EXPECT_EQ(Listing(fav.Path()).size(), 8u);  // five files and three folders at the top, nothing more
}

TEST(ShortcutOutputGui, OverwritePrompt) {
    RequireCodePage932();
    TempFolder fav("fav");
    auto existing = [](const std::string& URL) {
        return "[InternetShortcut]\r\nURL=" + URL + "\r\n[Log]\r\nUserComment=良い,本\r\nLastVisit=2001/2/3 4:05:06\r\n";
    };
    for (const char* n : {"A", "B", "C", "D"}) WriteTextFile(fav / (std::string(n) + ".URL"), existing("old"));

    auto prompts = Output(fav.Path(), Lines({"A=1", "B=2", "C=3", "D=4", "E=5"}), {YesButton, NoButton, AllButton});
    ExpectPrompts(prompts, {OverwritePrompt("A"), OverwritePrompt("B"), OverwritePrompt("C")});
    EXPECT_EQ(Escaped(ReadTextFile(fav / "A.URL")), Escaped(existing("1")));
    EXPECT_EQ(Escaped(ReadTextFile(fav / "B.URL")), Escaped(existing("old")));
    EXPECT_EQ(Escaped(ReadTextFile(fav / "C.URL")), Escaped(existing("3")));
    EXPECT_EQ(Escaped(ReadTextFile(fav / "D.URL")), Escaped(existing("4")));
    EXPECT_EQ(Escaped(ReadTextFile(fav / "E.URL")), Escaped(NewFile("5")));

    // All lasts one command: the next one asks again, and Cancel ends it.
    prompts = Output(fav.Path(), Lines({"A=again", "E=again", "F=new"}), {CancelButton});
    ExpectPrompts(prompts, {OverwritePrompt("A")});
    EXPECT_EQ(Escaped(ReadTextFile(fav / "A.URL")), Escaped(existing("1")));
    EXPECT_FALSE(PathExists(fav / "F.URL"));
}

TEST(ShortcutOutputGui, ErrorPrompt) {
    RequireCodePage932();
    TempFolder fav("fav");

    // Refused names, and a name whose folder is not there (the write itself
    // fails): each fails on its own, and All passes over the rest.
    auto prompts = Output(fav.Path(),
                          Lines({"a?=http://1", "missing\\n=http://2", "ok=http://4", "b*=http://5", "c<=http://6",
                                 "d|=http://7", "[x\"y]", "f=http://8"}),
                          {YesButton, YesButton, AllButton});
    ExpectPrompts(prompts, {ErrorPrompt(fav / "a?.URL"), ErrorPrompt(fav / "missing\\n.URL"), ErrorPrompt(fav / "b*.URL")});
    EXPECT_EQ(ReadTextFile(fav / "ok.URL"), NewFile("http://4"));
    EXPECT_EQ(Listing(fav.Path()), std::vector<std::string>{"ok.URL"});

    // No stops the command.
    prompts = Output(fav.Path(), Lines({"a?=http://1", "g=http://9"}), {NoButton});
    ExpectPrompts(prompts, {ErrorPrompt(fav / "a?.URL")});
    EXPECT_FALSE(PathExists(fav / "g.URL"));
}

TEST(ShortcutOutputGui, TraversalWritesNothingOutside) {
    RequireCodePage932();
    TempFolder outer("out");
    const std::string fav = outer / "fav\\";
    ASSERT_TRUE(::CreateDirectoryA(fav.c_str(), nullptr));
    // "..\..\x" from the favourites folder is the temporary folder's "x".
    const std::string tempX = outer / "..\\x";
    ASSERT_FALSE(PathExists(tempX)) << "a leftover " << tempX << " would hide a fault";
    ASSERT_FALSE(PathExists("C:\\x"));

    auto prompts = Output(fav,
                          Lines({"[..\\..\\x]", "[]", "..\\evil=http://a", "C:\\x=http://a", "a:b=http://a",
                                 "[C:\\x]", "[]", "../evil2=http://a", "\\\\.\\x=http://a", "safe=http://a"}),
                          std::vector<std::string>(7, YesButton));
    ExpectPrompts(prompts, {ErrorPrompt(fav + "..\\..\\x\\.URL"), ErrorPrompt(fav + "\\..\\evil.URL"), ErrorPrompt(fav + "\\C:\\x.URL"),
                            ErrorPrompt(fav + "\\a:b.URL"), ErrorPrompt(fav + "C:\\x\\a:b.URL"), ErrorPrompt(fav + "\\../evil2.URL"),
                            ErrorPrompt(fav + "\\\\\\.\\x.URL")});
    EXPECT_FALSE(PathExists(tempX));
    EXPECT_FALSE(PathExists("C:\\x"));
    EXPECT_EQ(Listing(outer.Path()), std::vector<std::string>{"fav"});
    EXPECT_EQ(Listing(fav), std::vector<std::string>{"safe.URL"});
}
