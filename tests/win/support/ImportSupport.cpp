#include "ImportSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "GuiSupport.h"
#include "TestSupport.h"
#include "host/PluginLibrary.h"

const char* const ImportCaption = "取り込んだお気に入り に追加";

namespace {

// Answers prompts and closes the import window until the call has returned.
void CloseEverything(const std::atomic<bool>& Returned) {
    for (int round = 0; round < 300 && !Returned; ++round) {
        for (HWND w : OwnWindows()) {
            if (ClassOf(w) == "#32770") ::PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
            else if (WindowText(w) == ImportCaption) ::PostMessageA(w, WM_CLOSE, 0, 0);
        }
        ::Sleep(100);
    }
}

}  // namespace

ImportRunResult RunImporter(const std::string& Favorites, const std::function<void(HWND)>& Driver) {
    RequireCodePage932();
    ImportRunResult run;
    PluginLibrary plugin(BinDir() + "Tovane.dll");
    EXPECT_TRUE(plugin.Usable()) << plugin.Error();
    if (!plugin.Usable()) return run;
    std::atomic<bool> returned{false};
    std::thread driver([&] {
        HWND import = WaitForWindow(ImportCaption, 20000);
        EXPECT_NE(import, nullptr) << "the import window did not appear";
        try {
            Driver(import);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "the driver threw: " << e.what();
        }
        CloseEverything(returned);
    });
    run.Result = plugin.Execute({Favorites});
    returned = true;
    driver.join();
    HINSTANCE dll = ::GetModuleHandleA("Tovane.dll");
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    run.ClassesRegistered = false;
    for (const char* name : {"Tovane.TTransToURL", "Tovane.TTransResultForm", "Tovane.Splitter"})
        if (::GetClassInfoExA(dll, name, &wc)) run.ClassesRegistered = true;
    // Wine keeps hidden helper windows of its own; ours carry the module's
    // class prefix, and nothing of ours may stay visible.
    for (HWND w : OwnWindows(false))
        if (ClassOf(w).rfind("Tovane.", 0) == 0 || ::IsWindowVisible(w)) ++run.WindowsLeft;
    return run;
}

ImportControls ControlsOf(HWND Import) {
    auto lists = ChildrenOfClass(Import, "ListBox");
    auto combos = ChildrenOfClass(Import, "ComboBox");
    auto edits = ChildrenOfClass(Import, "Edit");
    ImportControls c{};
    if (lists.size() == 2 && combos.size() == 2 && edits.size() == 1)
        c = {lists[0], combos[0], lists[1], combos[1], edits[0]};
    else
        ADD_FAILURE() << "unexpected controls: " << lists.size() << " lists, " << combos.size() << " combos, "
                      << edits.size() << " edits";
    return c;
}

std::vector<std::string> ListItems(HWND List) {
    std::vector<std::string> out;
    int n = static_cast<int>(::SendMessageA(List, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        LRESULT length = ::SendMessageA(List, LB_GETTEXTLEN, i, 0);
        std::string s(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
        LRESULT copied = ::SendMessageA(List, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s[0]));
        s.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
        out.push_back(s);
    }
    return out;
}

int ListSelection(HWND List) { return static_cast<int>(::SendMessageA(List, LB_GETCURSEL, 0, 0)); }
