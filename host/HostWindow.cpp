#include "host/HostWindow.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/FilePath.h"
#include "platform/FileIO.h"

const char* const HostWindow::Caption = "plughost";
const char* const HostWindow::ClassName = "PlugHost.HostWindow";

namespace {

std::string TextOf(HWND Window) {
    int length = ::GetWindowTextLengthA(Window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(Window, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

int TextWidth(HWND Window, const std::string& Text) {
    HDC dc = ::GetDC(Window);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(Window, WM_GETFONT, 0, 0)));
    SIZE size{};
    ::GetTextExtentPoint32A(dc, Text.data(), static_cast<int>(Text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(Window, dc);
    return size.cx;
}

HostedPlugin LoadOne(const std::string& Folder, const std::string& File) {
    HostedPlugin p;
    p.File = File;
    p.Library = std::make_unique<PluginLibrary>(Folder + File);
    if (!p.Library->Usable()) {
        p.Problem = p.Library->Error();
        return p;
    }
    p.Descriptor = DecodeDescriptor(p.Library->Describe());
    p.Problem = p.Descriptor.Problem;
    return p;
}

}  // namespace

std::vector<HostedPlugin> LoadPluginFolder(const std::string& Folder) {
    const std::string folder = IncludeTrailingBackslash(Folder);
    std::vector<std::string> files;
    WIN32_FIND_DATAA data;
    FindHandle find(::FindFirstFileA((folder + "*.dll").c_str(), &data));
    if (find) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.push_back(data.cFileName);
        } while (::FindNextFileA(find.Get(), &data));
    }
    // Byte order, so the menu does not depend on the locale.
    std::sort(files.begin(), files.end());
    std::vector<HostedPlugin> plugins;
    for (const std::string& file : files) plugins.push_back(LoadOne(folder, file));
    return plugins;
}

std::string ShellFavoritesFolder() {
    char path[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, path))) return "";
    return path;
}

HostWindow::HostWindow(const std::string& PluginFolder, const std::string& Favorites)
    : FPlugins(LoadPluginFolder(PluginFolder)), FFavorites(Favorites) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    ::RegisterClassA(&wc);  // fails harmlessly when a previous window registered it

    HMENU bar = ::CreateMenu();
    HMENU popup = ::CreatePopupMenu();
    for (std::size_t i = 0; i < FPlugins.size(); ++i) {
        if (!FPlugins[i].Problem.empty()) continue;
        UINT id = static_cast<UINT>(FirstPluginCommand + FCommandPlugin.size());
        FCommandPlugin.push_back(i);
        ::AppendMenuA(popup, MF_STRING, id, FPlugins[i].Descriptor.MenuCaption.c_str());
    }
    if (FCommandPlugin.empty()) ::AppendMenuA(popup, MF_STRING | MF_GRAYED, 0, "(使えるプラグインがありません)");
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "プラグイン(&P)");

    FWindow.Reset(::CreateWindowExA(0, ClassName, Caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 560, 360, nullptr, bar, instance, this));
    if (!FWindow) {
        ::DestroyMenu(bar);
        RaiseLastError("CreateWindowEx", ClassName);
    }
    CreateControls();
    Layout();
    SetStatus(std::to_string(FCommandPlugin.size()) + " 個のプラグイン");
}

HostWindow::~HostWindow() = default;

void HostWindow::CreateControls() {
    HWND w = FWindow.Get();
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    auto make = [&](DWORD ExStyle, const char* Class, const char* Text, DWORD Style, int Id) {
        HWND c = ::CreateWindowExA(ExStyle, Class, Text, WS_CHILD | WS_VISIBLE | Style, 0, 0, 10, 10, w,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), instance, nullptr);
        ::SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        return c;
    };
    FFolderEdit = make(WS_EX_CLIENTEDGE, "EDIT", FFavorites.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, FolderEditId);
    FBrowse = make(0, "BUTTON", "参照(&B)...", WS_TABSTOP | BS_PUSHBUTTON, BrowseButtonId);
    FList = make(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, PluginListId);
    FStatusBar = make(0, STATUSCLASSNAMEA, "", SBARS_SIZEGRIP, StatusId);
    int widest = 0;
    for (const HostedPlugin& p : FPlugins) {
        std::string line = p.File + ": " +
                           (p.Problem.empty() ? p.Descriptor.MenuCaption + " - " + p.Descriptor.PluginName
                                              : "使用不可 - " + p.Problem);
        ::SendMessageA(FList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        widest = std::max(widest, TextWidth(FList, line));
    }
    // Reasons are long: the list scrolls sideways rather than cut them off.
    ::SendMessageA(FList, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

void HostWindow::Layout() {
    RECT client;
    ::GetClientRect(FWindow.Get(), &client);
    ::SendMessageA(FStatusBar, WM_SIZE, 0, 0);
    RECT status;
    ::GetWindowRect(FStatusBar, &status);
    const int margin = 8, row = 24, button = 90;
    const int width = client.right - 2 * margin;
    ::MoveWindow(FFolderEdit, margin, margin, width - button - margin, row, TRUE);
    ::MoveWindow(FBrowse, client.right - margin - button, margin, button, row, TRUE);
    const int top = 2 * margin + row;
    const int bottom = client.bottom - (status.bottom - status.top) - margin;
    ::MoveWindow(FList, margin, top, width, std::max(bottom - top, row), TRUE);
}

void HostWindow::SetStatus(const std::string& Text, bool Keep) {
    if (Keep) FStatus = Text;
    ::SendMessageA(FStatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void HostWindow::ChooseFolder() {
    char name[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = FWindow.Get();
    info.pszDisplayName = name;
    info.lpszTitle = "お気に入りのフォルダを選んでください";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
    if (chosen == nullptr) return;
    char path[MAX_PATH] = "";
    if (::SHGetPathFromIDListA(chosen, path)) ::SetWindowTextA(FFolderEdit, path);
    ::CoTaskMemFree(chosen);
}

void HostWindow::RunPlugin(std::size_t Index) {
    // Messages still flow while a plug-in runs its own modal loop; a second
    // command posted meanwhile must not start a nested run.
    if (FBusy) return;
    FBusy = true;
    const HostedPlugin& p = FPlugins[Index];
    SetStatus("実行中: " + p.Descriptor.MenuCaption);
    ::EnableWindow(FWindow.Get(), FALSE);
    std::int32_t result = p.Library->Execute({TextOf(FFolderEdit)});
    ::EnableWindow(FWindow.Get(), TRUE);
    ::SetForegroundWindow(FWindow.Get());
    FBusy = false;
    SetStatus(p.File + " の結果: " + std::to_string(result));
}

LRESULT CALLBACK HostWindow::WindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
    if (Msg == WM_NCCREATE) {
        auto* self = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTA*>(L)->lpCreateParams);
        ::SetWindowLongPtrA(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrA(Wnd, GWLP_USERDATA));
    if (Msg == WM_NCDESTROY) ::SetWindowLongPtrA(Wnd, GWLP_USERDATA, 0);
    // Until CreateWindowEx returns, FWindow is not set yet: leave those messages to the default.
    if (self == nullptr || self->FWindow.Get() != Wnd) return ::DefWindowProcA(Wnd, Msg, W, L);
    return self->Handle(Msg, W, L);
}

LRESULT HostWindow::Handle(UINT Msg, WPARAM W, LPARAM L) {
    HWND w = FWindow.Get();
    switch (Msg) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_MENUSELECT: {
            UINT id = LOWORD(W), flags = HIWORD(W);
            if (flags == 0xFFFF && L == 0) {
                SetStatus(FStatus);  // the menu closed
            } else if (!(flags & MF_POPUP) && id >= FirstPluginCommand &&
                       id - FirstPluginCommand < FCommandPlugin.size()) {
                SetStatus(FPlugins[FCommandPlugin[id - FirstPluginCommand]].Descriptor.Description, false);
            } else {
                SetStatus("", false);
            }
            return 0;
        }
        case WM_COMMAND: {
            UINT id = LOWORD(W);
            if (id == BrowseButtonId && HIWORD(W) == BN_CLICKED) {
                ChooseFolder();
            } else if (id >= FirstPluginCommand && id - FirstPluginCommand < FCommandPlugin.size()) {
                RunPlugin(FCommandPlugin[id - FirstPluginCommand]);
            }
            return 0;
        }
        case WM_CLOSE:
            if (!FBusy) {
                FClosed = true;
                ::ShowWindow(w, SW_HIDE);
            }
            return 0;
    }
    return ::DefWindowProcA(w, Msg, W, L);
}

void HostWindow::Run() {
    ::ShowWindow(FWindow.Get(), SW_SHOWNORMAL);
    ::UpdateWindow(FWindow.Get());
    MSG msg;
    while (!FClosed && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
