#include "platform/MessageDlg.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/Handles.h"
#include "platform/ModuleInstance.h"
#include "platform/UiFont.h"

namespace {

struct ButtonDef {
    TMsgDlgBtn Kind;
    int Answer;  // also the control id
    const char* Caption;
};

// The fixed order in which offered answers appear.
constexpr ButtonDef ButtonDefs[] = {
    {mbYes, mrYes, "はい(&Y)"},
    {mbNo, mrNo, "いいえ(&N)"},
    {mbCancel, mrCancel, "キャンセル"},
    {mbAll, mrAll, "すべて(&A)"},
    {mbOK, mrOk, "OK"},
};

const char* TitleOf(TMsgDlgType Type) {
    switch (Type) {
        case mtWarning: return "警告";
        case mtError: return "エラー";
        case mtInformation: return "情報";
        case mtConfirmation: return "確認";
    }
    return "";
}

LPCSTR IconOf(TMsgDlgType Type) {
    switch (Type) {
        case mtWarning: return IDI_WARNING;
        case mtError: return IDI_ERROR;
        case mtInformation: return IDI_INFORMATION;
        case mtConfirmation: return IDI_QUESTION;
    }
    return IDI_WARNING;
}

constexpr int Margin = 12;
constexpr int IconSize = 32;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 24;
constexpr int ButtonGap = 8;
constexpr int MaxTextWidth = 420;
constexpr int StaticId = 0xFFFF;  // where message boxes keep their text

struct DialogState {
    const std::string* Msg;
    TMsgDlgType Type;
    std::vector<const ButtonDef*> Buttons;
    int Dismissed;  // the answer of Esc and the close box
    GdiObject Font;
};

SIZE MeasureText(HWND Dialog, HFONT Font, const std::string& Text) {
    RECT r{0, 0, MaxTextWidth, 0};
    HDC dc = ::GetDC(Dialog);
    HGDIOBJ old = ::SelectObject(dc, Font);
    ::DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::ReleaseDC(Dialog, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND AddControl(HWND Dialog, const char* Class, const char* Text, DWORD Style, int Id, int X, int Y, int W, int H,
                HFONT Font) {
    HWND w = ::CreateWindowExA(0, Class, Text, WS_CHILD | WS_VISIBLE | Style, X, Y, W, H, Dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), ModuleInstance(), nullptr);
    if (w) ::SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
    return w;
}

// Lays out icon, message and buttons, sizes the dialog to them and centres
// it over its owner (or the screen).
void BuildDialog(HWND Dialog, DialogState& S) {
    HFONT font = static_cast<HFONT>(S.Font.Get());
    ::SetWindowTextA(Dialog, TitleOf(S.Type));
    SIZE text = MeasureText(Dialog, font, *S.Msg);
    int textX = Margin + IconSize + Margin;
    int textH = std::max<int>(text.cy, IconSize);
    int buttons = static_cast<int>(S.Buttons.size());
    int rowWidth = buttons * ButtonWidth + (buttons - 1) * ButtonGap;
    int clientW = std::max<int>(textX + text.cx + Margin, rowWidth + 2 * Margin);
    int buttonY = Margin + textH + Margin;
    int clientH = buttonY + ButtonHeight + Margin;

    HWND icon = AddControl(Dialog, "STATIC", "", SS_ICON, -1, Margin, Margin, IconSize, IconSize, font);
    ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IconOf(S.Type))), 0);
    AddControl(Dialog, "STATIC", S.Msg->c_str(), SS_LEFT | SS_NOPREFIX, StaticId, textX, Margin, text.cx + 1, textH,
               font);
    int x = (clientW - rowWidth) / 2;
    for (std::size_t i = 0; i < S.Buttons.size(); ++i) {
        DWORD style = WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON | WS_GROUP : BS_PUSHBUTTON);
        AddControl(Dialog, "BUTTON", S.Buttons[i]->Caption, style, S.Buttons[i]->Answer, x, buttonY, ButtonWidth,
                   ButtonHeight, font);
        x += ButtonWidth + ButtonGap;
    }

    RECT frame{0, 0, clientW, clientH};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(Dialog, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(Dialog, GWL_EXSTYLE)));
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT area;
    HWND owner = ::GetWindow(Dialog, GW_OWNER);
    if (!owner || !::GetWindowRect(owner, &area)) ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    ::SetWindowPos(Dialog, nullptr, area.left + (area.right - area.left - w) / 2,
                   area.top + (area.bottom - area.top - h) / 2, w, h, SWP_NOZORDER);
    ::SetFocus(::GetDlgItem(Dialog, S.Buttons.front()->Answer));
}

INT_PTR OnCommand(HWND Dialog, const DialogState& S, int Id) {
    for (const ButtonDef* b : S.Buttons)
        if (b->Answer == Id) return ::EndDialog(Dialog, Id), TRUE;
    // Esc and the close box arrive as IDCANCEL whether or not Cancel is offered.
    if (Id == IDCANCEL) return ::EndDialog(Dialog, S.Dismissed), TRUE;
    return FALSE;
}

INT_PTR CALLBACK DialogProc(HWND Dialog, UINT Msg, WPARAM WParam, LPARAM LParam) {
    try {
        if (Msg == WM_INITDIALOG) {
            ::SetWindowLongPtrA(Dialog, DWLP_USER, LParam);
            BuildDialog(Dialog, *reinterpret_cast<DialogState*>(LParam));
            return FALSE;  // focus was set on the first button
        }
        auto* s = reinterpret_cast<DialogState*>(::GetWindowLongPtrA(Dialog, DWLP_USER));
        if (s && Msg == WM_COMMAND) return OnCommand(Dialog, *s, LOWORD(WParam));
    } catch (...) {
        ::EndDialog(Dialog, mrCancel);
    }
    return FALSE;
}

// An in-memory template with no controls: the dialog class, the frame and
// nothing else; the controls are made in WM_INITDIALOG with ANSI texts, so
// no text of ours is ever widened.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE Header;
    WORD Menu, Class, Title;
};

}  // namespace

int MessageDlg(HWND Owner, const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
    if (Buttons.Empty()) Buttons = mbYes;
    int dismissed = Buttons.Contains(mbCancel) ? mrCancel : Buttons.Contains(mbOK) && !Buttons.Contains(mbNo) ? mrOk : mrNo;
    DialogState state{&Msg, DlgType, {}, dismissed, CreateUiFont()};
    for (const ButtonDef& b : ButtonDefs)
        if (Buttons.Contains(b.Kind)) state.Buttons.push_back(&b);

    EmptyTemplate t{};
    t.Header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    t.Header.cx = 100;
    t.Header.cy = 50;
    INT_PTR answer = ::DialogBoxIndirectParamA(ModuleInstance(), &t.Header, Owner, DialogProc,
                                               reinterpret_cast<LPARAM>(&state));
    if (answer <= 0) return dismissed;
    return static_cast<int>(answer);
}
