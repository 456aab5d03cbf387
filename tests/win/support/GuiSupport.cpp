#include "GuiSupport.h"

#include <shlobj.h>

#include <cstring>
#include <fstream>

namespace {

struct WindowQuery {
    const std::string* Caption;
    const char* ClassName;
    bool VisibleOnly;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectOwn(HWND Window, LPARAM Param) {
    auto* q = reinterpret_cast<WindowQuery*>(Param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(Window, &pid);
    if (pid != ::GetCurrentProcessId()) return TRUE;
    if (q->VisibleOnly && !::IsWindowVisible(Window)) return TRUE;
    if (q->Caption && WindowText(Window) != *q->Caption) return TRUE;
    if (q->ClassName && ClassOf(Window) != q->ClassName) return TRUE;
    q->Found.push_back(Window);
    return TRUE;
}

}  // namespace

void PumpMessages(DWORD Ms) {
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < Ms);
}

bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (Condition()) return true;
        if (::GetTickCount() - start >= TimeoutMs) return false;
        ::Sleep(20);
    }
}

HWND FindOwnWindow(const std::string& Caption, const char* ClassName) {
    WindowQuery q{&Caption, ClassName, true, {}};
    ::EnumWindows(CollectOwn, reinterpret_cast<LPARAM>(&q));
    return q.Found.empty() ? nullptr : q.Found.front();
}

HWND WaitForWindow(const std::string& Caption, DWORD TimeoutMs, const char* ClassName) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindOwnWindow(Caption, ClassName)) != nullptr; }, TimeoutMs);
    return found;
}

std::vector<HWND> OwnWindows(bool VisibleOnly) {
    WindowQuery q{nullptr, nullptr, VisibleOnly, {}};
    ::EnumWindows(CollectOwn, reinterpret_cast<LPARAM>(&q));
    return q.Found;
}

std::string WindowText(HWND Window) {
    // WM_GETTEXT goes to the window's thread, which answers while it pumps.
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(Window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return "";
    if (static_cast<LONG_PTR>(length) <= 0) return "";  // a combo box without selection answers CB_ERR
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(Window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                          5000, &copied);
    text.resize(static_cast<LONG_PTR>(copied) > 0 && copied < text.size() ? copied : 0);
    return text;
}

std::string ClassOf(HWND Window) {
    char name[256] = "";
    ::GetClassNameA(Window, name, sizeof name);
    return name;
}

std::vector<HWND> ChildrenOfClass(HWND Parent, const char* ClassName) {
    std::vector<HWND> out;
    for (HWND c = ::GetWindow(Parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == ClassName || ::lstrcmpiA(ClassOf(c).c_str(), ClassName) == 0) out.push_back(c);
    return out;
}

HWND FindButton(HWND Parent, const std::string& Caption) {
    for (HWND b : ChildrenOfClass(Parent, "Button"))
        if (WindowText(b) == Caption) return b;
    return nullptr;
}

void ClickButton(HWND Button) { ::PostMessageA(Button, BM_CLICK, 0, 0); }

namespace {

// Modifier 0 presses Key alone.
void PressKeys(HWND Window, WORD Modifier, WORD Key) {
    if (Window) {
        ::SetForegroundWindow(Window);
        WaitUntil([&] { return ::GetForegroundWindow() == Window; }, 2000);
    }
    std::vector<WORD> down, up;
    if (Modifier) down.push_back(Modifier);
    down.push_back(Key);
    up.push_back(Key);
    if (Modifier) up.push_back(Modifier);
    std::vector<INPUT> in;
    for (WORD k : down) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        in.push_back(i);
    }
    for (WORD k : up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void MouseInput(DWORD Flags) {
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dwFlags = Flags;
    ::SendInput(1, &i, sizeof i);
}

}  // namespace

void SendCtrlKey(HWND Window, char Key) { PressKeys(Window, VK_CONTROL, static_cast<WORD>(Key)); }
void SendAltKey(HWND Window, char Key) { PressKeys(Window, VK_MENU, static_cast<WORD>(Key)); }
void SendKey(HWND Window, WORD VirtualKey) { PressKeys(Window, 0, VirtualKey); }

void DragMouse(POINT From, POINT To) {
    ::SetCursorPos(From.x, From.y);
    ::Sleep(50);
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(50);
    // In steps, as a hand moves it.
    for (int step = 1; step <= 5; ++step) {
        ::SetCursorPos(From.x + (To.x - From.x) * step / 5, From.y + (To.y - From.y) * step / 5);
        MouseInput(MOUSEEVENTF_MOVE);
        ::Sleep(30);
    }
    MouseInput(MOUSEEVENTF_LEFTUP);
    ::Sleep(50);
}

HGLOBAL PostDropFiles(HWND Window, const std::vector<std::string>& Paths) {
    std::size_t size = sizeof(DROPFILES) + 1;
    for (const std::string& p : Paths) size += p.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    char* at = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::string& p : Paths) {
        std::memcpy(at, p.c_str(), p.size() + 1);
        at += p.size() + 1;
    }
    ::GlobalUnlock(block);
    ::PostMessageA(Window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
    return block;
}

namespace {

HMENU Popup(HWND Window, int BarPosition) { return ::GetSubMenu(::GetMenu(Window), BarPosition); }

}  // namespace

bool MenuItemEnabled(HWND Window, int BarPosition, int Position) {
    UINT state = ::GetMenuState(Popup(Window, BarPosition), static_cast<UINT>(Position), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

UINT MenuCommand(HWND Window, int BarPosition, int Position) {
    return ::GetMenuItemID(Popup(Window, BarPosition), Position);
}

void PostMenuCommand(HWND Window, int BarPosition, int Position) {
    ::PostMessageA(Window, WM_COMMAND, MAKEWPARAM(MenuCommand(Window, BarPosition, Position), 0), 0);
}

bool SaveWindowBitmap(HWND Window, const std::string& Path) {
    RECT r, client;
    if (!::GetWindowRect(Window, &r) || !::GetClientRect(Window, &client)) return false;
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    // The menu bar and client area as the screen shows them (the window must
    // be on top there). Without a window manager nobody draws the frame, so
    // the frame and caption are painted here, the caption by DrawCaption, the
    // system's own painter for it.
    POINT origin{0, 0};
    ::ClientToScreen(Window, &origin);
    int shownTop = origin.y;
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (::GetMenu(Window) && ::GetMenuBarInfo(Window, OBJID_MENU, 0, &bar)) shownTop = bar.rcBar.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom-up, as BMP files store it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    RECT all{0, 0, w, h};
    ::FillRect(mem, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawEdge(mem, &all, EDGE_RAISED, BF_RECT);
    int left = origin.x - r.left;
    RECT caption{left, left, w - left, shownTop - r.top - 1};
    if (caption.bottom > caption.top) ::DrawCaption(Window, mem, &caption, DC_ACTIVE | DC_TEXT | DC_GRADIENT);
    bool copied = ::BitBlt(mem, left, shownTop - r.top, client.right, origin.y + client.bottom - shownTop, screen,
                           origin.x, shownTop, SRCCOPY) != FALSE;
    ::GdiFlush();
    std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t(3);
    std::size_t bytes = stride * static_cast<std::size_t>(h);
    const auto* pixels = static_cast<const unsigned char*>(bits);
    // Text was drawn when the client area holds many colours, not one or two.
    std::size_t distinct = 0;
    std::vector<bool> seen(1 << 12);
    for (std::size_t i = 0; copied && i + 2 < bytes; i += 3) {
        std::size_t key = (pixels[i] >> 4) | ((pixels[i + 1] >> 4) << 4) | ((pixels[i + 2] >> 4) << 8);
        if (!seen[key]) seen[key] = true, ++distinct;
    }
    bool saved = false;
    if (copied && distinct >= 4) {
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        file.bfSize = static_cast<DWORD>(file.bfOffBits + bytes);
        std::ofstream out(Path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(bytes));
        saved = out.good();
    }
    ::SelectObject(mem, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return saved;
}
