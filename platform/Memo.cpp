#include "platform/Memo.h"

#include "platform/FileIO.h"

TMemo::TMemo(TForm* Parent, int Left, int Top, int Width, int Height)
    // ES_AUTOHSCROLL without WS_HSCROLL: long lines scroll instead of wrapping.
    : TControl(Parent, "EDIT", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                                   ES_WANTRETURN | ES_NOHIDESEL,
               WS_EX_CLIENTEDGE, Left, Top, Width, Height) {
    // The default limit is 32 K characters; the preview takes whole files.
    ::SendMessageA(Handle(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
}

void TMemo::SetText(const std::string& Text) {
    FPending.clear();
    FPendingAt = 0;
    if (!::SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str())))
        RaiseLastError("WM_SETTEXT", "");
}

void TMemo::GetLines(TStringList& Lines) const { Lines.SetText(Text()); }

void TMemo::SetLines(const TStringList& Lines) {
    std::string text = Lines.Text();
    if (!text.empty()) text.resize(text.size() - 2);
    SetText(text);
}

bool TMemo::HasLines() const { return ::SendMessageA(Handle(), WM_GETTEXTLENGTH, 0, 0) > 0; }

std::size_t TMemo::PartEnd(std::size_t From) const {
    if (FPending.size() - From <= PartSize) return FPending.size();
    std::size_t cut = FPending.rfind('\n', From + PartSize);
    // A line longer than a part goes whole: a cut could split a character.
    if (cut == std::string::npos || cut < From) cut = FPending.find('\n', From + PartSize);
    return cut == std::string::npos ? FPending.size() : cut + 1;
}

bool TMemo::BeginText(const std::string& Text) {
    std::string rest = Text;
    SetText("");
    FPending = std::move(rest);
    std::size_t end = PartEnd(0);
    std::string first = FPending.substr(0, end);
    if (!::SendMessageA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(first.c_str())))
        RaiseLastError("WM_SETTEXT", "");
    FPendingAt = end;
    if (!Pending()) FPending.clear();
    return Pending();
}

bool TMemo::AppendPart() {
    if (!Pending()) return false;
    std::size_t end = PartEnd(FPendingAt);
    std::string part = FPending.substr(FPendingAt, end - FPendingAt);
    FPendingAt = end;
    HWND edit = Handle();
    DWORD selStart = 0, selEnd = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    LRESULT firstLine = ::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    ::SendMessageA(edit, WM_SETREDRAW, FALSE, 0);
    // Positions beyond the end stand for the end.
    ::SendMessageA(edit, EM_SETSEL, 0x7FFFFFFE, 0x7FFFFFFE);
    ::SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
    ::SendMessageA(edit, EM_SETSEL, selStart, selEnd);
    LRESULT nowLine = ::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
    if (nowLine != firstLine) ::SendMessageA(edit, EM_LINESCROLL, 0, firstLine - nowLine);
    ::SendMessageA(edit, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(edit, nullptr, TRUE);
    if (!Pending()) {
        FPending.clear();
        FPendingAt = 0;
    }
    return Pending();
}

void TMemo::FinishText() {
    while (AppendPart()) {
    }
}
