// plughost's window over a plug-in folder of copies of the five DLLs, a
// program that is no plug-in and a file that is no DLL at all; the window
// runs its message loop on the test's main thread as it does in plughost,
// while a second thread works it with real messages.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>

#include "host/HostWindow.h"
#include "support/ExportSupport.h"
#include "support/GuiSupport.h"
#include "support/ImportSupport.h"
#include "support/TestSupport.h"

namespace {

const char* const Plugins[] = {"Dorrant.dll", "Quimsby.dll", "Sabrel.dll", "Tovane.dll", "Wendrel.dll"};

struct HostParts {
    HWND Window, Folder, List, Status;
};

HostParts PartsOf(HWND Window) {
    return {Window, ::GetDlgItem(Window, HostWindow::FolderEditId), ::GetDlgItem(Window, HostWindow::PluginListId),
            ::GetDlgItem(Window, HostWindow::StatusId)};
}

std::string MenuText(HMENU Menu, int Position) {
    char text[256] = "";
    ::GetMenuStringA(Menu, static_cast<UINT>(Position), text, sizeof text, MF_BYPOSITION);
    return text;
}

// A plug-in folder as the browser's would be, plus the two misfits.
class PluginFolder {
public:
    PluginFolder() : FFolder("plugins") {
        for (const char* name : Plugins) ::CopyFileA((BinDir() + name).c_str(), (FFolder / name).c_str(), FALSE);
        ::CopyFileA((BinDir() + "plughost.exe").c_str(), (FFolder / "notplugin.dll").c_str(), FALSE);
        WriteTextFile(FFolder / "broken.dll", "MZ this is no program");
    }
    const std::string& Path() const { return FFolder.Path(); }

private:
    TempFolder FFolder;
};

// Runs the window until Driver is done, then closes whatever is left so a
// failing driver never leaves the loop waiting.
void RunHost(const std::string& Plugins, const std::string& Favorites, const std::function<void(const HostParts&)>& Driver) {
    RequireCodePage932();
    HostWindow host(Plugins, Favorites);
    HWND window = host.Handle();
    std::atomic<bool> done{false};
    std::thread driver([&] {
        ASSERT_NE(WaitForWindow(HostWindow::Caption, 20000, HostWindow::ClassName), nullptr);
        try {
            Driver(PartsOf(window));
        } catch (const std::exception& e) {
            ADD_FAILURE() << "the driver threw: " << e.what();
        }
        for (int round = 0; round < 300 && !done; ++round) {
            for (HWND w : OwnWindows())
                if (w != window) ::PostMessageA(w, WM_CLOSE, 0, 0);
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            ::Sleep(100);
        }
    });
    host.Run();
    done = true;
    driver.join();
}

bool WaitForStatus(HWND Status, const std::string& Text, DWORD TimeoutMs = 20000) {
    return WaitUntil([&] { return WindowText(Status) == Text; }, TimeoutMs);
}

}  // namespace

TEST(HostWindowGui, OffersThePluginsUnderTheirOwnCaptionsAndListsTheMisfits) {
    PluginFolder plugins;
    TempFolder favorites("fav");
    RunHost(plugins.Path(), favorites.Path(), [&](const HostParts& h) {
        EXPECT_EQ(WindowText(h.Folder), favorites.Path());
        HMENU bar = ::GetMenu(h.Window);
        EXPECT_EQ(MenuText(bar, 0), "プラグイン(&P)");
        HMENU popup = ::GetSubMenu(bar, 0);
        ASSERT_EQ(::GetMenuItemCount(popup), 5);
        for (int i = 0; i < 5; ++i) {
            PluginLibrary own(BinDir() + Plugins[i]);
            ASSERT_TRUE(own.Usable()) << own.Error();
            EXPECT_EQ(MenuText(popup, i), DecodeDescriptor(own.Describe()).MenuCaption) << Plugins[i];
        }
        EXPECT_EQ(MenuText(popup, 1), "一覧出力(&Text)");
        EXPECT_EQ(MenuText(popup, 3), "取り込み(&I)");

        std::vector<std::string> items = ListItems(h.List);
        ASSERT_EQ(items.size(), 7u);
        EXPECT_EQ(items[5].rfind("broken.dll: 使用不可 - cannot load ", 0), 0u) << items[5];
        EXPECT_EQ(items[6], "notplugin.dll: 使用不可 - " + plugins.Path() + "notplugin.dll has no export at ordinal 1");
        EXPECT_EQ(items[1].rfind("Quimsby.dll: 一覧出力(&Text) - ", 0), 0u) << items[1];

        // With the menu open from the keyboard, the status line shows the
        // description of the highlighted item and goes back when it closes.
        EXPECT_EQ(WindowText(h.Status), "5 個のプラグイン");
        SendAltKey(h.Window, 'P');
        SendKey(nullptr, VK_DOWN);
        std::vector<std::string> descriptions;
        for (const char* name : Plugins) {
            PluginLibrary own(BinDir() + name);
            descriptions.push_back(DecodeDescriptor(own.Describe()).Description);
        }
        // The highlight moves before its WM_MENUSELECT arrives: wait for the two to agree.
        int lit = -1;
        bool agree = WaitUntil([&] {
            lit = -1;
            for (int i = 0; i < 5; ++i)
                if (::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) lit = i;
            return lit >= 0 && WindowText(h.Status) == descriptions[static_cast<std::size_t>(lit)];
        }, 5000);
        EXPECT_TRUE(agree) << "highlighted " << lit << ", status " << Escaped(WindowText(h.Status));
        // The picture for the user's guide, when tools/screenshot-host asks for it.
        if (const char* folder = std::getenv("PLUGTEST_SCREENSHOTS")) {
            EXPECT_TRUE(SaveWindowBitmap(h.Window, std::string(folder) + "\\host-window.bmp"));
        }
        SendKey(nullptr, VK_ESCAPE);
        SendKey(nullptr, VK_ESCAPE);
        EXPECT_TRUE(WaitForStatus(h.Status, "5 個のプラグイン", 5000)) << Escaped(WindowText(h.Status));
    });
}

TEST(HostWindowGui, TheTextExporterWritesItsListAndOpensIt) {
    PluginFolder plugins;
    TempFolder favorites("fav");
    WriteTextFile(favorites / "Example.url", "[InternetShortcut]\r\nURL=http://example.com/\r\n");
    RecorderLog recorder;
    RunHost(plugins.Path(), favorites.Path(), [&](const HostParts& h) {
        PostMenuCommand(h.Window, 0, 1);
        EXPECT_TRUE(WaitForStatus(h.Status, "Quimsby.dll の結果: 0")) << Escaped(WindowText(h.Status));
        EXPECT_TRUE(::IsWindowEnabled(h.Window));
        std::vector<std::string> opened = recorder.Lines(1);
        ASSERT_EQ(opened.size(), 1u);
        std::string list = ReadTextFile(opened[0]);
        EXPECT_NE(list.find("http://example.com/"), std::string::npos) << Escaped(list);
        EXPECT_NE(list.find("Example"), std::string::npos) << Escaped(list);
    });
}

// A list file that cannot be written: the host is disabled while the error
// box is up and comes back with the failure in its status line.
TEST(HostWindowGui, AnExportersErrorBoxAndMinusOne) {
    PluginFolder plugins;
    TempFolder favorites("fav");
    TempFolder temp("tmp");
    TempPathOverride override(temp / "gone\\");
    RunHost(plugins.Path(), favorites.Path(), [&](const HostParts& h) {
        PostMenuCommand(h.Window, 0, 1);
        HWND box = WaitForWindow("一覧出力", 20000, "#32770");
        ASSERT_NE(box, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(h.Window));
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitForStatus(h.Status, "Quimsby.dll の結果: -1")) << Escaped(WindowText(h.Status));
        EXPECT_TRUE(::IsWindowEnabled(h.Window));
    });
}

TEST(HostWindowGui, TheImporterRunsModallyWithTheHostDisabled) {
    PluginFolder plugins;
    TempFolder favorites("fav");
    RunHost(plugins.Path(), favorites.Path(), [&](const HostParts& h) {
        PostMenuCommand(h.Window, 0, 3);
        HWND import = WaitForWindow(ImportCaption, 20000);
        ASSERT_NE(import, nullptr);
        EXPECT_FALSE(::IsWindowEnabled(h.Window));
        EXPECT_EQ(WindowText(h.Status), "実行中: 取り込み(&I)");
        // A second choice while the first runs starts nothing.
        PostMenuCommand(h.Window, 0, 1);
        ::Sleep(300);
        EXPECT_EQ(WindowText(h.Status), "実行中: 取り込み(&I)");
        ::PostMessageA(import, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitForStatus(h.Status, "Tovane.dll の結果: -1")) << Escaped(WindowText(h.Status));
        EXPECT_TRUE(::IsWindowEnabled(h.Window));
        EXPECT_FALSE(::IsWindow(import));
    });
}
