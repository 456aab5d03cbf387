#include "import/LinkLine.h"

#include <algorithm>

#include "platform/AnsiText.h"

namespace {

constexpr std::string_view BreakTag = "<BR>";
constexpr std::string_view AnchorOpen = "<a";
constexpr std::string_view AnchorClose = "</a>";
constexpr std::string_view HrefQuote = "href=\"";
constexpr std::string_view HttpScheme = "http://";

// Text before the 1-based position At (which must be non-zero).
std::string_view Before(std::string_view S, std::size_t At) { return S.substr(0, At - 1); }

struct TPair {
    std::string_view Title, URL;
};

enum class TAnchor {
    Found,
    None,
    // The first "<a" opens a tag with href=" but the line holds no "</a>":
    // its anchor ends on a later line. Rejected outright, because the pair
    // recognizer would make a link of the text around the "=" of href=.
    Unclosed,
};

char FoldedAscii(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }

// True when Index begins a character. The byte before a run of lead-byte
// values always ends a character, so the run's length decides.
bool StartsCharacter(std::string_view S, std::size_t Index) {
    std::size_t run = 0;
    while (run < Index && IsLeadByte(static_cast<unsigned char>(S[Index - 1 - run]))) ++run;
    return run % 2 == 0;
}

// Where the lower-case ASCII Pattern first occurs in S with its letters in
// either case, starting on a character boundary; npos when nowhere. This is
// AnsiPos over AnsiLowerCase(S) without the copy and the walk over every
// character: every byte that matches an ASCII pattern byte is a single-byte
// character, and those are exactly the bytes the lower-casing folds.
std::size_t FindFolded(std::string_view S, std::string_view Pattern) {
    constexpr auto npos = std::string_view::npos;
    const std::size_t m = Pattern.size();
    const bool letterFirst = Pattern[0] >= 'a' && Pattern[0] <= 'z';
    for (std::size_t i = 0; i + m <= S.size(); ++i) {
        if (!letterFirst) {
            i = S.find(Pattern[0], i);
            if (i == npos || i + m > S.size()) return npos;
        }
        std::size_t k = 0;
        while (k < m && FoldedAscii(S[i + k]) == Pattern[k]) ++k;
        if (k == m && StartsCharacter(S, i)) return i;
    }
    return npos;
}

// The anchor recognizer. Every search is case-insensitive as over the
// lower-cased line, and every cut is made in the line as given.
TAnchor ScanAnchor(std::string_view Line, TPair& Out) {
    constexpr auto npos = std::string_view::npos;
    if (Line.find('<') == npos) return TAnchor::None;  // most lines of a list: no scan needed
    const std::size_t open = FindFolded(Line, AnchorOpen);
    if (open == npos) return TAnchor::None;
    const std::size_t firstClose = FindFolded(Line, AnchorClose);
    // Drop everything up to and including the "<": the text starts at "a".
    Line.remove_prefix(open + 1);
    const std::size_t tagEnd = FindFolded(Line, ">");
    const std::string_view tag = tagEnd == npos ? Line : Line.substr(0, tagEnd + 1);
    const std::size_t href = FindFolded(tag, HrefQuote);
    if (firstClose == npos) return href == npos ? TAnchor::None : TAnchor::Unclosed;
    if (tagEnd == npos || href == npos) return TAnchor::None;  // no ">" only when "</a>" stands before "<a"
    const std::string_view address = tag.substr(href + HrefQuote.size());
    const std::size_t quote = address.find('"');
    if (quote == npos) return TAnchor::None;  // no closing quote before the tag's ">"
    const std::string_view rest = Line.substr(tagEnd + 1);
    // The line's first "</a>" is also the rest's first one when it lies in the rest.
    const std::size_t restStart = open + 1 + tagEnd + 1;
    const std::size_t close = firstClose >= restStart ? firstClose - restStart : FindFolded(rest, AnchorClose);
    Out.URL = address.substr(0, quote);
    Out.Title = close == npos ? rest : rest.substr(0, close);
    return TAnchor::Found;
}

bool ScanPair(std::string_view Line, TPair& Out) {
    std::size_t equals = Pos("=", Line);
    if (equals != 0) {
        Out.Title = Before(Line, equals);
        Out.URL = Line.substr(equals);
        return Pos(HttpScheme, Out.URL) != 0;
    }
    // A blank is never the second byte of a double-byte character.
    std::size_t blank = Line.rfind(' ');
    if (blank == std::string_view::npos) return false;
    std::string_view title = Line.substr(0, blank);
    title.remove_prefix(std::min(title.find_first_not_of(' '), title.size()));
    if (title.empty()) return false;
    Out.Title = title;
    Out.URL = Line.substr(blank + 1);
    return Pos(HttpScheme, Out.URL) != 0;
}

bool Assigned(bool Success, const TPair& Pair, std::string& Title, std::string& URL) {
    if (Success) {
        Title.assign(Pair.Title);
        URL.assign(Pair.URL);
    }
    return Success;
}

std::string Joined(const TPair& Pair) {
    std::string out;
    out.reserve(Pair.Title.size() + 1 + Pair.URL.size());
    out.append(Pair.Title).append("=").append(Pair.URL);
    return out;
}

void RemoveBreakTagsInto(std::string_view Line, std::string& Out) {
    // Deleting the first "<BR>" again and again ends in the same text as
    // deleting each one the moment it is complete: "<BR>" cannot overlap
    // itself, so the order of deletions does not matter.
    Out.clear();
    const std::size_t first = Line.find(BreakTag);
    if (first == std::string_view::npos) {
        Out.assign(Line);
        return;
    }
    Out.reserve(Line.size());
    Out.append(Line.substr(0, first));
    for (char c : Line.substr(first)) {
        Out.push_back(c);
        if (c == '>' && Out.size() >= BreakTag.size() &&
            std::string_view(Out).substr(Out.size() - BreakTag.size()) == BreakTag)
            Out.resize(Out.size() - BreakTag.size());
    }
}

// TransLine with the text after the tag removal in a buffer that the caller
// reuses, so that a link costs one allocation, that of its own text.
TTransLine TransLineWith(std::string_view Line, std::string& Text) {
    RemoveBreakTagsInto(Line, Text);
    if (IsFolderLine(Text)) return {TLineKind::Folder, Text};
    TPair pair;
    switch (ScanAnchor(Text, pair)) {
        case TAnchor::Found: return {TLineKind::Link, Joined(pair)};
        case TAnchor::Unclosed: return {TLineKind::Rejected, Text};
        case TAnchor::None: break;
    }
    if (ScanPair(Text, pair)) return {TLineKind::Link, Joined(pair)};
    return {TLineKind::Rejected, Text};
}

}  // namespace

std::string RemoveBreakTags(std::string_view Line) {
    std::string out;
    RemoveBreakTagsInto(Line, out);
    return out;
}

bool IsFolderLine(std::string_view Line) {
    return Line.size() >= 2 && Line.front() == '[' && Line.back() == ']' && !IsTrailByteAt(Line, Line.size() - 1);
}

bool ParseAnchorLine(std::string_view Line, std::string& Title, std::string& URL) {
    TPair pair;
    return Assigned(ScanAnchor(Line, pair) == TAnchor::Found, pair, Title, URL);
}

bool ParsePairLine(std::string_view Line, std::string& Title, std::string& URL) {
    TPair pair;
    return Assigned(ScanPair(Line, pair), pair, Title, URL);
}

TTransLine TransLine(std::string_view Line) {
    std::string text;
    return TransLineWith(Line, text);
}

void ConvertLines(const TStringList& Preview, TStringList& Success, TStringList& Fail) {
    const std::size_t count = Preview.Count();
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        TTransLine line = TransLineWith(Preview[i], text);
        (line.Kind == TLineKind::Rejected ? Fail : Success).Add(std::move(line.Text));
    }
}
