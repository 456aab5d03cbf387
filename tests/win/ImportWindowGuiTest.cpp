// The import window and the result window, driven from a second thread with
// real messages while Tovane.dll's ExecutePlugin runs its modal loop on the
// test's main thread: drops arrive as WM_DROPFILES with a DROPFILES block,
// shortcuts as SendInput key presses.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Handles.h"
#include "support/GuiSupport.h"
#include "support/ImportSupport.h"
#include "support/TestSupport.h"

namespace {

const char* const ResultCaption = "変換結果";
const char* const Unreadable = "(読み込み不可)";
constexpr int ConvertMenu = 1, StartItem = 0, OutputItem = 1;

std::string Trimmed(const std::string& S) {
    std::size_t i = S.find_first_not_of(' ');
    return i == std::string::npos ? "" : S.substr(i);
}

std::string LowerAscii(std::string S) {
    for (char& c : S)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return S;
}

bool WaitForText(HWND Window, const std::string& Text, DWORD TimeoutMs = 10000) {
    return WaitUntil([&] { return WindowText(Window) == Text; }, TimeoutMs);
}

RECT ClientRectIn(HWND Parent, HWND Child) {
    RECT r;
    ::GetWindowRect(Child, &r);
    ::MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int HeightOf(HWND Window) {
    RECT r;
    ::GetWindowRect(Window, &r);
    return r.bottom - r.top;
}

// A file whose full path is exactly Length bytes, in a folder of its own under
// Base; its names hold ソ and 表, both with "\" (0x5C) as second byte.
struct LongName {
    std::string Folder, File, Path;
};
LongName LongPath(const std::string& Base, std::size_t Length) {
    LongName n;
    n.File = "表ソ" + std::string(90, 'b') + ".txt";
    std::size_t folderLength = Length - Base.size() - 1 - n.File.size();
    n.Folder = "長いソ" + std::string(folderLength - 6, 'a');
    ::CreateDirectoryA((Base + n.Folder).c_str(), nullptr);
    n.Path = Base + n.Folder + "\\" + n.File;
    return n;
}

// Where the screenshots for the README go, when asked for.
void KeepScreenshot(const std::string& Taken, const char* Name) {
    const char* folder = std::getenv("PLUGTEST_SCREENSHOTS");
    if (folder && *folder) ::CopyFileA(Taken.c_str(), (std::string(folder) + "\\" + Name).c_str(), FALSE);
}

}  // namespace

TEST(ImportWindowGui, ClosingAtOnceReturnsMinusOneAndLeavesNothing) {
    TempFolder favorites("fav");
    auto run = RunImporter(favorites.Path(), [&](HWND import) {
        ASSERT_NE(import, nullptr);
        EXPECT_EQ(ClassOf(import), "Tovane.TTransToURL");
        RECT client;
        ::GetClientRect(import, &client);
        EXPECT_EQ(client.right, 328);
        EXPECT_EQ(client.bottom, 269);
        EXPECT_EQ(::GetWindowLongPtrA(import, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);

        ImportControls c = ControlsOf(import);
        // The folder list starts at the Windows folder, the file list lists its *.txt files.
        char windows[MAX_PATH] = "";
        ::GetWindowsDirectoryA(windows, sizeof windows);
        std::string folder = windows;
        auto items = ListItems(c.FolderList);
        int selected = ListSelection(c.FolderList);
        ASSERT_GE(selected, 1);
        EXPECT_EQ(items[0], folder.substr(0, 3));
        EXPECT_EQ(Trimmed(items[static_cast<std::size_t>(selected)]), folder.substr(folder.rfind('\\') + 1));
        for (const std::string& name : ListItems(c.FileList)) EXPECT_EQ(LowerAscii(name).substr(name.size() - 4), ".txt");
        EXPECT_EQ(WindowText(c.Filter), "ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
        EXPECT_EQ(WindowText(c.Preview), "");

        // Nothing to convert and no result window: both shortcuts do nothing.
        SendCtrlKey(import, 'S');
        SendCtrlKey(import, 'O');
        ::Sleep(500);
        EXPECT_EQ(FindOwnWindow(ResultCaption), nullptr);
        EXPECT_FALSE(MenuItemEnabled(import, ConvertMenu, StartItem));
        EXPECT_FALSE(MenuItemEnabled(import, ConvertMenu, OutputItem));
        ::PostMessageA(import, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run.Result, -1);
    EXPECT_FALSE(run.ClassesRegistered);
    EXPECT_EQ(run.WindowsLeft, 0u);
}

TEST(ImportWindowGui, DropsPreviewTheFirstFileWhateverTheFilter) {
    TempFolder favorites("fav");
    TempFolder files("drop");
    const LongName longName = LongPath(files.Path(), 258);
    const std::string& longFile = longName.Path;
    ASSERT_EQ(longFile.size(), 258u);
    WriteTextFile(longFile, "一行目\nソ表\r\nhttp://x/");
    WriteTextFile(files / "second.txt", "second");
    WriteTextFile(files / "data.dat", "ダット\r\n");
    ::CreateDirectoryA((files / "sub").c_str(), nullptr);
    WriteTextFile(files / "sub\\inner.txt", "inner");
    std::string large;
    for (int i = 0; large.size() < 4 * 1024 * 1024; ++i)
        large += "行" + std::to_string(i) + "=http://example.jp/" + std::to_string(i) + "\r\n";
    WriteTextFile(files / "large.txt", large);

    auto run = RunImporter(favorites.Path(), [&](HWND import) {
        ASSERT_NE(import, nullptr);
        ImportControls c = ControlsOf(import);

        // Three files; the first, 258 bytes long, is read whole and previewed
        // with its line breaks made CR LF.
        PostDropFiles(import, {longFile, files / "second.txt", files / "data.dat"});
        EXPECT_TRUE(WaitForText(c.Preview, "一行目\r\nソ表\r\nhttp://x/")) << Escaped(WindowText(c.Preview));
        auto names = ListItems(c.FileList);
        int selected = ListSelection(c.FileList);
        ASSERT_GE(selected, 0);
        EXPECT_EQ(Escaped(names[static_cast<std::size_t>(selected)]), Escaped(longName.File)) << "not the dropped file";
        auto folders = ListItems(c.FolderList);
        int folder = ListSelection(c.FolderList);
        ASSERT_GE(folder, 0);
        EXPECT_EQ(Escaped(Trimmed(folders[static_cast<std::size_t>(folder)])), Escaped(longName.Folder));
        EXPECT_EQ(LowerAscii(WindowText(c.Drives)).substr(0, 2), LowerAscii(files.Path().substr(0, 2)));

        // The filter lists *.txt only; the dropped .dat is listed all the same.
        PostDropFiles(import, {files / "data.dat"});
        EXPECT_TRUE(WaitForText(c.Preview, "ダット\r\n")) << Escaped(WindowText(c.Preview));
        EXPECT_EQ(ListItems(c.FileList), std::vector<std::string>{"data.dat"});
        EXPECT_EQ(ListSelection(c.FileList), 0);

        // A folder opens in the browser and leaves the preview alone.
        PostDropFiles(import, {files / "sub"});
        EXPECT_TRUE(WaitUntil([&] {
            auto items = ListItems(c.FolderList);
            int i = ListSelection(c.FolderList);
            return i >= 0 && Trimmed(items[static_cast<std::size_t>(i)]) == "sub";
        }));
        EXPECT_EQ(WindowText(c.Preview), "ダット\r\n");

        // A path that has gone: an error prompt naming it, the preview stays.
        PostDropFiles(import, {files / "gone.txt"});
        HWND error = WaitForWindow("エラー", 10000, "#32770");
        ASSERT_NE(error, nullptr);
        EXPECT_NE(WindowText(::GetDlgItem(error, 0xFFFF)).find(files / "gone.txt"), std::string::npos);
        ClickButton(FindButton(error, "OK"));
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(error); }));
        EXPECT_EQ(WindowText(c.Preview), "ダット\r\n");

        // Megabytes arrive whole: no 32 K or 64 K cap.
        PostDropFiles(import, {files / "large.txt"});
        EXPECT_TRUE(WaitUntil([&] { return WindowText(c.Preview).size() == large.size(); }, 60000));
        EXPECT_TRUE(WindowText(c.Preview) == large);

        // The preview fills in parts; a new drop meanwhile replaces the rest
        // instead of mixing with it, and a conversion meanwhile takes the whole file.
        PostDropFiles(import, {files / "large.txt"});
        PostDropFiles(import, {files / "data.dat"});
        EXPECT_TRUE(WaitForText(c.Preview, "ダット\r\n"));
        ::Sleep(1000);
        EXPECT_EQ(WindowText(c.Preview), "ダット\r\n");
        PostDropFiles(import, {files / "large.txt"});
        SendCtrlKey(import, 'S');
        HWND result = WaitForWindow("変換結果", 60000);
        ASSERT_NE(result, nullptr);
        HWND successList = ChildrenOfClass(result, "Edit").at(1);
        std::size_t lines = 0;
        for (std::size_t at = 0; (at = large.find('\n', at)) != std::string::npos; ++at) ++lines;
        EXPECT_TRUE(WaitUntil([&] {
            std::string got = WindowText(successList);
            std::size_t n = got.empty() ? 0 : 1;
            for (std::size_t at = 0; (at = got.find('\n', at)) != std::string::npos; ++at) ++n;
            return n == lines;
        }, 60000));
        ::PostMessageA(import, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run.Result, -1);
}

TEST(ImportWindowGui, EnablingRuleConversionAndTheResultWindow) {
    TempFolder favorites("fav");
    TempFolder files("conv");
    WriteTextFile(files / "links.txt", "[Links]\r\nTitle=http://a/\r\njunk\r\n");
    WriteTextFile(files / "binary.txt", std::string("ab\0cd", 5));
    WriteTextFile(files / "locked.txt", "locked");
    // Opened without sharing: the importer cannot read it.
    FileHandle locked(::CreateFileA((files / "locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(locked);

    HWND result = nullptr;
    auto run = RunImporter(favorites.Path(), [&](HWND import) {
        ASSERT_NE(import, nullptr);
        ImportControls c = ControlsOf(import);
        PostDropFiles(import, {files / "links.txt"});
        ASSERT_TRUE(WaitForText(c.Preview, "[Links]\r\nTitle=http://a/\r\njunk\r\n"));
        // The items change only when the rule runs: opening the menu runs it.
        EXPECT_FALSE(MenuItemEnabled(import, ConvertMenu, StartItem));
        SendAltKey(import, 'T');
        EXPECT_TRUE(WaitUntil([&] { return MenuItemEnabled(import, ConvertMenu, StartItem); }, 3000));
        EXPECT_FALSE(MenuItemEnabled(import, ConvertMenu, OutputItem));
        SendKey(nullptr, VK_ESCAPE);
        SendKey(nullptr, VK_ESCAPE);
        ::Sleep(200);

        SendCtrlKey(import, 'O');  // no result window yet
        ::Sleep(300);
        EXPECT_EQ(FindOwnWindow(ResultCaption), nullptr);

        SendCtrlKey(import, 'S');
        result = WaitForWindow(ResultCaption);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(ClassOf(result), "Tovane.TTransResultForm");
        EXPECT_EQ(::GetWindow(result, GW_OWNER), import);
        auto memos = ChildrenOfClass(result, "Edit");  // tab order: FailList, SuccessList
        ASSERT_EQ(memos.size(), 2u);
        HWND failList = memos[0], successList = memos[1];
        EXPECT_TRUE(WaitForText(successList, "[Links]\r\nTitle=http://a/")) << Escaped(WindowText(successList));
        EXPECT_EQ(WindowText(failList), "junk");

        // Layout: panel 21, success list 112, splitter 3, panel 22, the rest for the failures.
        RECT frame;
        ::GetWindowRect(result, &frame);
        EXPECT_EQ(frame.right - frame.left, 306);
        EXPECT_EQ(frame.bottom - frame.top, 313);
        auto panels = ChildrenOfClass(result, "Static");
        ASSERT_EQ(panels.size(), 2u);
        EXPECT_EQ(WindowText(panels[0]), "変換成功");
        EXPECT_EQ(WindowText(panels[1]), "変換失敗");
        EXPECT_EQ(ClientRectIn(result, panels[0]).bottom, 21);
        EXPECT_EQ(ClientRectIn(result, successList).top, 21);
        EXPECT_EQ(ClientRectIn(result, successList).bottom, 133);
        EXPECT_EQ(ClientRectIn(result, panels[1]).top, 136);
        EXPECT_EQ(ClientRectIn(result, failList).top, 158);
        RECT resultClient;
        ::GetClientRect(result, &resultClient);
        EXPECT_EQ(ClientRectIn(result, failList).bottom, resultClient.bottom);

        // Screenshots of both windows as designed, for the README.
        TempFolder shots("shot");
        ::ShowWindow(result, SW_HIDE);  // it stands over the import window
        ::SetForegroundWindow(import);
        ::Sleep(300);
        EXPECT_TRUE(SaveWindowBitmap(import, shots / "import-window.bmp"));
        ::ShowWindow(result, SW_SHOW);
        ::SetForegroundWindow(result);
        ::Sleep(300);
        EXPECT_TRUE(SaveWindowBitmap(result, shots / "result-window.bmp"));
        KeepScreenshot(shots / "import-window.bmp", "import-window.bmp");
        KeepScreenshot(shots / "result-window.bmp", "result-window.bmp");

        // Dragging the splitter resizes the success list; resizing the
        // window changes only the failure list.
        RECT bar = ClientRectIn(result, panels[1]);
        POINT grip{resultClient.right / 2, bar.top - 2};
        ::ClientToScreen(result, &grip);
        int successBefore = HeightOf(successList), failBefore = HeightOf(failList);
        ::SetForegroundWindow(result);
        DragMouse(grip, POINT{grip.x, grip.y + 30});
        EXPECT_TRUE(WaitUntil([&] { return HeightOf(successList) == successBefore + 30; }, 3000))
            << HeightOf(successList);
        EXPECT_EQ(HeightOf(failList), failBefore - 30);
        ::SetWindowPos(result, nullptr, 0, 0, 306, 363, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_TRUE(WaitUntil([&] { return HeightOf(failList) == failBefore + 20; }, 3000)) << HeightOf(failList);
        EXPECT_EQ(HeightOf(successList), successBefore + 30);
        ::SetWindowPos(result, nullptr, 0, 0, 306, 313, SWP_NOMOVE | SWP_NOZORDER);

        // The close button hides the window; the next conversion brings the same one back.
        ::PostMessageA(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(result); }));
        EXPECT_TRUE(::IsWindow(result));
        SendCtrlKey(import, 'S');
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(result); }));
        EXPECT_EQ(FindOwnWindow(ResultCaption), result);
        EXPECT_EQ(WindowText(successList), "[Links]\r\nTitle=http://a/");  // emptied first, not appended to

        // A success list emptied by hand disables Output; Ctrl+O then does nothing.
        ::SendMessageA(successList, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        SendCtrlKey(import, 'O');
        EXPECT_TRUE(WaitUntil([&] { return !MenuItemEnabled(import, ConvertMenu, OutputItem); }, 3000));
        ::Sleep(300);
        EXPECT_EQ(FindOwnWindow("警告", "#32770"), nullptr);

        // Unreadable files leave only the marker, which can still be converted.
        for (const char* name : {"binary.txt", "locked.txt"}) {
            SCOPED_TRACE(name);
            PostDropFiles(import, {files / "links.txt"});
            ASSERT_TRUE(WaitForText(c.Preview, "[Links]\r\nTitle=http://a/\r\njunk\r\n"));
            PostDropFiles(import, {files / name});
            EXPECT_TRUE(WaitForText(c.Preview, Unreadable)) << Escaped(WindowText(c.Preview));
            SendCtrlKey(import, 'S');
            EXPECT_TRUE(WaitForText(failList, Unreadable)) << Escaped(WindowText(failList));
            EXPECT_EQ(WindowText(successList), "");
            EXPECT_TRUE(MenuItemEnabled(import, ConvertMenu, StartItem));
        }

        // 終了 closes the import window, and the result window goes with it.
        PostMenuCommand(import, 0, 0);
    });
    EXPECT_EQ(run.Result, -1);
    EXPECT_FALSE(::IsWindow(result));
    EXPECT_EQ(run.WindowsLeft, 0u);
    EXPECT_FALSE(run.ClassesRegistered);
}

TEST(ImportWindowGui, OutputMakesTheRunReturnZero) {
    TempFolder favorites("fav");
    TempFolder files("out");
    WriteTextFile(files / "links.txt", "[Links]\r\nTitle=http://a/\r\n");
    auto run = RunImporter(favorites.Path(), [&](HWND import) {
        ASSERT_NE(import, nullptr);
        ImportControls c = ControlsOf(import);
        PostDropFiles(import, {files / "links.txt"});
        ASSERT_TRUE(WaitForText(c.Preview, "[Links]\r\nTitle=http://a/\r\n"));
        SendCtrlKey(import, 'S');
        ASSERT_NE(WaitForWindow(ResultCaption), nullptr);
        SendCtrlKey(import, 'O');
        EXPECT_TRUE(WaitUntil([&] { return PathExists(favorites / "Links\\Title.URL"); }));
        ::PostMessageA(import, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(run.Result, 0);
    EXPECT_NE(ReadTextFile(favorites / "Links\\Title.URL").find("URL=http://a/"), std::string::npos);
}
