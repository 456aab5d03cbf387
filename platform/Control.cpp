#include "platform/Control.h"

#include "platform/FileIO.h"
#include "platform/Form.h"
#include "platform/ModuleInstance.h"

TControl::TControl(TForm* Parent, const char* ClassName, DWORD Style, DWORD ExStyle, int Left, int Top, int Width,
                   int Height, void* CreateParam)
    : TComponent(Parent), FParent(Parent), FLeft(Left), FTop(Top), FWidth(Width), FHeight(Height) {
    // WS_EX_NOPARENTNOTIFY: the form has no use for WM_PARENTNOTIFY.
    FHandle = ::CreateWindowExA(ExStyle | WS_EX_NOPARENTNOTIFY, ClassName, "", WS_CHILD | WS_VISIBLE | Style, Left,
                                Top, Width, Height, Parent->Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(Parent->NextControlId())),
                                ModuleInstance(), CreateParam);
    if (!FHandle) RaiseLastError("CreateWindowEx", ClassName);
    ::SetWindowLongPtrA(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Parent->Font()), FALSE);
}

TControl::~TControl() {
    if (FHandle && ::IsWindow(FHandle) && FromHandle(FHandle) == this)
        ::SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
}

TControl* TControl::FromHandle(HWND Window) {
    if (!Window) return nullptr;
    // Only children of our forms carry a TControl; a standard control of
    // someone else's might use its user data for other things.
    HWND parent = ::GetParent(Window);
    if (!parent || !TForm::FromHandle(parent)) return nullptr;
    return reinterpret_cast<TControl*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
    FLeft = Left;
    FTop = Top;
    FWidth = Width;
    FHeight = Height;
    if (FHandle) ::MoveWindow(FHandle, Left, Top, Width, Height, TRUE);
}

std::string TControl::Text() const {
    int n = static_cast<int>(::SendMessageA(FHandle, WM_GETTEXTLENGTH, 0, 0));
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    n = static_cast<int>(::SendMessageA(FHandle, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0])));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

void TControl::SetText(const std::string& Text) {
    ::SendMessageA(FHandle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void TControl::SetHelpContext(DWORD Topic) { ::SetWindowContextHelpId(FHandle, Topic); }
