#include "platform/IniText.h"

#include <cstddef>

#include "platform/AnsiText.h"

namespace {

// The blanks the profile API trims; none of them can be a trail byte.
bool IsBlank(char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' '; }

struct Span {
    std::size_t Begin = 0, End = 0;
    bool Empty() const { return Begin >= End; }
};

Span Trimmed(std::string_view Text, Span S) {
    while (S.Begin < S.End && IsBlank(Text[S.Begin])) ++S.Begin;
    while (S.End > S.Begin && IsBlank(Text[S.End - 1])) --S.End;
    return S;
}

// A name or value ends at its first NUL.
std::string_view CText(std::string_view Text, Span S) {
    std::string_view v = Text.substr(S.Begin, S.End - S.Begin);
    std::size_t nul = v.find('\0');
    return nul == std::string_view::npos ? v : v.substr(0, nul);
}

std::string_view TrimmedQuery(std::string_view Name) {
    Span s = Trimmed(Name, Span{0, Name.size()});
    return CText(Name, s);
}

bool SameName(std::string_view A, std::string_view B) {
    return A.size() == B.size() && AnsiLowerCase(A) == AnsiLowerCase(B);
}

enum class LineKind { Blank, Section, Key };

// One line of the text: Content is the line without its terminator and
// outer blanks; Next is where the following line starts.
struct Line {
    std::size_t Start = 0;   // first byte of the line
    std::size_t Stop = 0;    // first byte of its terminator (or the end)
    std::size_t Next = 0;
    Span Content;
    LineKind Kind = LineKind::Blank;
    Span Name;               // section or key name
    bool HasValue = false;
    Span Value;
};

std::size_t BodyStart(std::string_view Text) {
    return Text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
}

// Position of the last "]" of the content that is a character of its own.
std::size_t LastCloseBracket(std::string_view Text, Span S) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = S.Begin; i < S.End; i += CharLengthAt(Text, i)) {
        if (Text[i] == ']' && CharLengthAt(Text, i) == 1) found = i;
    }
    return found;
}

Line ReadLine(std::string_view Text, std::size_t At) {
    Line line;
    line.Start = At;
    std::size_t stop = At;
    while (stop < Text.size() && Text[stop] != '\r' && Text[stop] != '\n') ++stop;
    line.Stop = stop;
    line.Next = stop;
    if (stop < Text.size()) line.Next = (Text[stop] == '\r' && stop + 1 < Text.size() && Text[stop + 1] == '\n') ? stop + 2 : stop + 1;
    line.Content = Trimmed(Text, Span{At, stop});
    if (line.Content.Empty()) return line;

    if (Text[line.Content.Begin] == '[') {
        std::size_t close = LastCloseBracket(Text, Span{line.Content.Begin + 1, line.Content.End});
        if (close != std::string_view::npos) {
            line.Kind = LineKind::Section;
            line.Name = Trimmed(Text, Span{line.Content.Begin + 1, close});
            return line;
        }
    }
    line.Kind = LineKind::Key;
    // "=" (0x3D) is never a trail byte, so the byte search is exact.
    std::size_t eq = Text.substr(line.Content.Begin, line.Content.End - line.Content.Begin).find('=');
    if (eq == std::string_view::npos) {
        line.Name = line.Content;
        return line;
    }
    eq += line.Content.Begin;
    line.Name = Trimmed(Text, Span{line.Content.Begin, eq});
    line.HasValue = true;
    line.Value = Trimmed(Text, Span{eq + 1, line.Content.End});
    return line;
}

// Where a key of the section stands: the section's header (when it has one),
// its last non-blank line, and the key's line.
struct Location {
    bool SectionFound = false;
    std::optional<Line> LastLine;
    std::optional<Line> KeyLine;
};

Location Locate(std::string_view Text, std::string_view Section, std::string_view Key) {
    std::string_view section = TrimmedQuery(Section);
    std::string_view key = TrimmedQuery(Key);
    Location where;
    // Lines above the first header belong to the section without a name.
    bool inside = section.empty();
    where.SectionFound = inside;
    for (std::size_t at = BodyStart(Text); at < Text.size();) {
        Line line = ReadLine(Text, at);
        at = line.Next;
        if (line.Kind == LineKind::Blank) continue;
        if (line.Kind == LineKind::Section) {
            if (inside) break;  // only the first section of the name counts
            if (SameName(CText(Text, line.Name), section)) {
                inside = true;
                where.SectionFound = true;
                where.LastLine = line;
            }
            continue;
        }
        if (!inside) continue;
        where.LastLine = line;
        if (SameName(CText(Text, line.Name), key)) {
            where.KeyLine = line;
            break;
        }
    }
    return where;
}

std::string_view Terminator(std::string_view Text, const Line& L) {
    return Text.substr(L.Stop, L.Next - L.Stop);
}

}  // namespace

std::optional<std::string> TIniText::Find(std::string_view Section, std::string_view Key) const {
    Location where = Locate(FBytes, Section, Key);
    if (!where.KeyLine || !where.KeyLine->HasValue) return std::nullopt;
    std::string_view value = CText(FBytes, where.KeyLine->Value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

bool TIniText::Set(std::string_view Section, std::string_view Key, std::string_view Value) {
    const std::string_view text = FBytes;
    Location where = Locate(text, Section, Key);
    if (where.KeyLine) {
        const Line& line = *where.KeyLine;
        if (line.HasValue && CText(text, line.Value) == Value) return false;
        // The key keeps the spelling it has in the file.
        std::string replaced = std::string(text.substr(line.Content.Begin, line.Name.End - line.Content.Begin));
        replaced += '=';
        replaced += Value;
        FBytes.replace(line.Content.Begin, line.Content.End - line.Content.Begin, replaced);
        return true;
    }
    std::string keyLine = std::string(Key) + "=" + std::string(Value);
    if (where.SectionFound) {
        std::size_t at = BodyStart(text);
        std::string insert;
        if (where.LastLine) {
            const Line& last = *where.LastLine;
            std::string_view eol = Terminator(text, last);
            at = last.Next;
            // A last line without a line break gets one first.
            insert = eol.empty() ? "\r\n" + keyLine + "\r\n" : keyLine + std::string(eol);
        } else {
            insert = keyLine + "\r\n";
        }
        FBytes.insert(at, insert);
        return true;
    }
    if (!FBytes.empty() && FBytes.back() != '\n' && FBytes.back() != '\r' && FBytes.size() > BodyStart(text))
        FBytes += "\r\n";
    FBytes += "[" + std::string(Section) + "]\r\n" + keyLine + "\r\n";
    return true;
}
