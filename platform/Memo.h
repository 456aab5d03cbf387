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

    // Replaces the whole text with one WM_SETTEXT; throws PlatformError when
    // the control cannot take it. Drops what BeginText still holds.
    void SetText(const std::string& Text);

    // Large texts in parts: an edit control (Wine's above all) spends tens
    // of microseconds per line laying a text out, seconds for megabytes, so
    // BeginText shows the first part at once and keeps the rest; each
    // AppendPart adds the next whole lines at the end, leaving the caret,
    // the selection, the scroll position and the user's edits alone. True
    // while more is pending.
    bool BeginText(const std::string& Text);
    bool AppendPart();
    // Adds all that is pending (before anything reads the text as a whole).
    void FinishText();
    bool Pending() const { return FPendingAt < FPending.size(); }

    static constexpr std::size_t PartSize = 64 * 1024;
    void Clear() { SetText(""); }
    // The text split into lines (a final CR LF adds no empty line).
    void GetLines(TStringList& Lines) const;
    // Puts Lines in, each followed by CR LF but the last.
    void SetLines(const TStringList& Lines);
    // True when the memo holds at least one line, which is when it holds any text.
    bool HasLines() const;

private:
    // The end of the next part: after the last line break within PartSize.
    std::size_t PartEnd(std::size_t From) const;

    std::string FPending;
    std::size_t FPendingAt = 0;
};
