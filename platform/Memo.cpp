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
