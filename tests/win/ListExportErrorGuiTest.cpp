// A list file that cannot be written: the exporter shows one modal error box
// that names the file and the system's reason, opens nothing, and returns -1.
// A watcher thread reads each box of this process and answers it with OK.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/ExportSupport.h"
#include "support/TestSupport.h"

namespace {

struct SeenBox {
    std::string Caption, Text;
};

// Closes every message box of this process while it lives and keeps what they said.
class BoxWatcher {
public:
    BoxWatcher() : FThread([this] { Watch(); }) {}
    ~BoxWatcher() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
    }
    std::vector<SeenBox> Seen() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
        return FSeen;
    }

private:
    static BOOL CALLBACK Visit(HWND Window, LPARAM Param) {
        auto* self = reinterpret_cast<BoxWatcher*>(Param);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(Window, &pid);
        char cls[32] = {};
        ::GetClassNameA(Window, cls, sizeof cls);
        if (pid != ::GetCurrentProcessId() || std::string(cls) != "#32770" || !::IsWindowVisible(Window)) return TRUE;
        SeenBox box;
        char text[2048] = {};
        ::GetWindowTextA(Window, text, sizeof text);
        box.Caption = text;
        // The message of a message box stands in the static control 0xFFFF.
        ::GetDlgItemTextA(Window, 0xFFFF, text, sizeof text);
        box.Text = text;
        self->FSeen.push_back(box);
        ::PostMessageA(Window, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    void Watch() {
        while (!FStop) {
            std::size_t before = FSeen.size();
            ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
            // Give a box we answered the time to go before looking again.
            ::Sleep(FSeen.size() > before ? 1000 : 50);
        }
    }

    std::atomic<bool> FStop{false};
    std::vector<SeenBox> FSeen;
    std::thread FThread;
};

const std::string kZoo = "[InternetShortcut]\r\nURL=http://zoo/\r\n";

TEST(ListExportErrorGui, UnwritableListFileShowsOneBoxAndReturnsMinusOne) {
    RequireCodePage932();
    RecorderLog recorder;
    TempFolder favorites("fav");
    TempFolder temp("tmp");
    const std::string root = favorites / "Favorites\\";
    WriteFavorites(root, {{"Zoo.URL", kZoo}});

    // The list file of an earlier run still open in another program without
    // sharing, a folder in the list file's place, and a temporary folder that
    // is gone. (A read-only attribute binds nobody here: Wine keeps it as
    // Unix permissions and the tests run as root.)
    TempFolder other("tmp");
    const std::string locked = temp / "Favorites.txt";
    WriteTextFile(locked, "old");
    HANDLE holder = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::string folderInPlace = other / "Favorites.txt";
    ASSERT_TRUE(::CreateDirectoryA(folderInPlace.c_str(), nullptr));
    const struct {
        const char* Name;
        std::string TempPath, ListFile;
    } cases[] = {
        {"list file in use", temp.Path(), locked},
        {"folder in the list file's place", other.Path(), folderInPlace},
        {"missing temporary folder", temp / "gone\\", temp / "gone\\Favorites.txt"},
    };
    for (const auto& c : cases) {
        for (const char* plugin : {"Wendrel", "Quimsby"}) {
            SCOPED_TRACE(std::string(c.Name) + " " + plugin);
            std::vector<SeenBox> seen;
            {
                TempPathOverride override(c.TempPath);
                BoxWatcher watcher;
                EXPECT_EQ(RunExporter(plugin, root), -1);
                seen = watcher.Seen();
            }
            ASSERT_EQ(seen.size(), 1u);
            EXPECT_EQ(Escaped(seen[0].Caption), Escaped("一覧出力"));
            const std::string& text = seen[0].Text;
            EXPECT_EQ(text.find("一覧ファイルを書き込めませんでした。"), 0u) << Escaped(text);
            EXPECT_NE(text.find(c.ListFile), std::string::npos) << Escaped(text);
            // The system's reason follows the file name.
            EXPECT_GT(text.size(), text.find(c.ListFile) + c.ListFile.size() + 2) << Escaped(text);
        }
    }
    ::CloseHandle(holder);
    EXPECT_EQ(ReadTextFile(locked), "old");
    EXPECT_FALSE(PathExists(temp / "gone"));
    EXPECT_TRUE(recorder.Lines(1, 3000).empty()) << "the shell was asked to open something";
}

}  // namespace
