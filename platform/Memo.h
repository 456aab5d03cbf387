// TMemo: a standard multi-line edit control, editable, with a vertical
// scroll bar and no word wrap, and no 32 K / 64 K text limit. Its lines are
// code page 932 bytes, separated by CR LF.
#pragma once
#include <string>

#include "platform/Control.h"
#include "platform/StringList.h"

class TMemo : public TControl {
public:
    TMemo(TForm* Parent, int Left, int Top, int Width, int Height);

    // Replaces the whole text with one WM_SETTEXT (fast for megabytes); throws
    // PlatformError when the control cannot take it.
    void SetText(const std::string& Text);
    void Clear() { SetText(""); }
    // The text split into lines (a final CR LF adds no empty line).
    void GetLines(TStringList& Lines) const;
    // Puts Lines in, each followed by CR LF but the last.
    void SetLines(const TStringList& Lines);
    // True when the memo holds at least one line, which is when it holds any text.
    bool HasLines() const;
};
