// The importer's whole job from ExecutePlugin of Tovane.dll: a list exported
// by our HTML exporter is dropped on the import window, converted with
// Ctrl+S and written with Ctrl+O, the prompts answered by pressing their
// buttons; every file is checked byte for byte.
#include <gtest/gtest.h>

#include "support/ExportSupport.h"
#include "support/GuiSupport.h"
#include "support/ImportSupport.h"
#include "support/PromptSupport.h"
#include "support/TestSupport.h"

namespace {

const char* const ResultCaption = "変換結果";

std::string Shortcut(const std::string& URL) { return "[InternetShortcut]\r\nURL=" + URL + "\r\n"; }

std::string WithLog(const std::string& URL) {
    return Shortcut(URL) + "[Log]\r\nUserComment=良い,本\r\nLastVisit=2001/2/3 4:05:06\r\n";
}

// Presses Ctrl+O and answers the prompts that follow in turn; a further
// prompt within a short wait is reported and closed.
std::vector<SeenPrompt> OutputWith(HWND Import, const std::vector<std::string>& Answers) {
    SendCtrlKey(Import, 'O');
    std::vector<SeenPrompt> seen;
    for (const auto& answer : Answers) {
        SeenPrompt p = AnswerPrompt(answer);
        if (p.Caption.empty()) break;
        seen.push_back(p);
    }
    SeenPrompt extra = AnswerPrompt(CancelButton, nullptr, 1500);
    if (!extra.Caption.empty()) seen.push_back(extra);
    return seen;
}

}  // namespace

TEST(ImportEndToEndGui, ExportedHtmlListComesBackAsShortcuts) {
    RequireCodePage932();
    RecorderLog recorder;
    TempFolder source("src"), temp("tmp"), fav("fav");
    const std::string exported = source / "Favorites\\";
    WriteFavorites(exported, {{"Zoo.URL", WithLog("http://zoo/")},
                              {"Books\\Novel.URL", Shortcut("https://n/")},
                              {"ソフト\\ソフト.URL", Shortcut("http://ソ/")}});
    {
        TempPathOverride to(temp.Path());
        ASSERT_EQ(RunExporter("Sabrel", exported), 0);
    }
    const std::string list = temp / "Favorites.txt";
    ASSERT_TRUE(PathExists(list));

    // An older favourite of the same name, with a log that must survive.
    WriteTextFile(fav / "Zoo.URL", WithLog("http://old/"));
    const std::string tempX = fav / "..\\..\\x";  // where "[..\\..\\x]" points
    ASSERT_FALSE(PathExists(tempX));
    ASSERT_FALSE(PathExists("C:\\x"));

    auto run = RunImporter(fav.Path(), [&](HWND import) {
        ASSERT_NE(import, nullptr);
        ImportControls c = ControlsOf(import);
        PostDropFiles(import, {list});
        ASSERT_TRUE(WaitUntil([&] { return !WindowText(c.Preview).empty(); }));
        SendCtrlKey(import, 'S');
        HWND result = WaitForWindow(ResultCaption);
        ASSERT_NE(result, nullptr);
        auto memos = ChildrenOfClass(result, "Edit");  // tab order: FailList, SuccessList
        ASSERT_EQ(memos.size(), 2u);
        HWND failList = memos[0], successList = memos[1];
        const std::string success =
            "[]\r\nZoo=http://zoo/\r\n[Books]\r\nNovel=https://n/\r\n[ソフト]\r\nソフト=http://ソ/";
        EXPECT_TRUE(WaitUntil([&] { return WindowText(successList) == success; }))
            << Escaped(WindowText(successList));
        EXPECT_EQ(Escaped(WindowText(failList)), Escaped("\r\n\r\n"));  // the three "<BR>" lines

        // Yes overwrites only the address; the new files hold exactly two lines.
        ExpectPrompts(OutputWith(import, {YesButton}), {OverwritePrompt("Zoo")});
        EXPECT_TRUE(WaitUntil([&] { return PathExists(fav / "ソフト\\ソフト.URL"); }));
        EXPECT_EQ(Escaped(ReadTextFile(fav / "Zoo.URL")), Escaped(WithLog("http://zoo/")));
        EXPECT_EQ(Escaped(ReadTextFile(fav / "Books\\Novel.URL")), Escaped(Shortcut("https://n/")));
        EXPECT_EQ(Escaped(ReadTextFile(fav / "ソフト\\ソフト.URL")), Escaped(Shortcut("http://ソ/")));

        // A second Output asks again: No skips Zoo, Cancel ends at Novel.
        WriteTextFile(fav / "Zoo.URL", WithLog("http://mine/"));
        WriteTextFile(fav / "Books\\Novel.URL", Shortcut("http://mine/"));
        ExpectPrompts(OutputWith(import, {NoButton, CancelButton}),
                      {OverwritePrompt("Zoo"), OverwritePrompt("Novel")});
        EXPECT_EQ(Escaped(ReadTextFile(fav / "Zoo.URL")), Escaped(WithLog("http://mine/")));
        EXPECT_EQ(Escaped(ReadTextFile(fav / "Books\\Novel.URL")), Escaped(Shortcut("http://mine/")));

        // All at the first prompt overwrites the rest without asking.
        ExpectPrompts(OutputWith(import, {AllButton}), {OverwritePrompt("Zoo")});
        EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(fav / "Books\\Novel.URL") == Shortcut("https://n/"); }));
        EXPECT_EQ(Escaped(ReadTextFile(fav / "Zoo.URL")), Escaped(WithLog("http://zoo/")));

        // A hand-edited list with names Windows refuses and ways out of the
        // favourites folder: each brings the error prompt.
        const std::string edited =
            "[]\r\na?=http://1\r\n..\\evil=http://a\r\nC:\\x=http://a\r\na:b=http://a\r\n[..\\..\\x]\r\n"
            "[C:\\x]\r\nafter=http://z";
        ::SendMessageA(successList, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(edited.c_str()));
        ExpectPrompts(OutputWith(import, {YesButton, YesButton, YesButton, YesButton, AllButton}),
                      {ErrorPrompt(fav / "\\a?.URL"), ErrorPrompt(fav / "\\..\\evil.URL"),
                       ErrorPrompt(fav / "\\C:\\x.URL"), ErrorPrompt(fav / "\\a:b.URL"),
                       ErrorPrompt(fav / "..\\..\\x\\a:b.URL")});
        // No ends the command at the first failure.
        ExpectPrompts(OutputWith(import, {NoButton}), {ErrorPrompt(fav / "\\a?.URL")});
        ::PostMessageA(import, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run.Result, 0);
    EXPECT_EQ(run.WindowsLeft, 0u);
    EXPECT_FALSE(PathExists(tempX));
    EXPECT_FALSE(PathExists("C:\\x"));
    EXPECT_FALSE(PathExists(fav / "a"));
    EXPECT_FALSE(PathExists(fav / "after.URL"));
    EXPECT_FALSE(PathExists(fav / "..\\evil.URL"));
}
