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

// The anchor recognizer over the line and its lower-cased copy; both have the
// same length, so every cut found in Low applies to Line at the same place.
bool ParseAnchor(std::string_view Line, std::string_view Low, std::string& Title, std::string& URL) {
    std::size_t open = AnsiPos(AnchorOpen, Low);
    if (open == 0 || AnsiPos(AnchorClose, Low) == 0) return false;
    // Drop everything up to and including the "<": the texts start at "a".
    Line.remove_prefix(open);
    Low.remove_prefix(open);
    std::size_t tagEnd = AnsiPos(">", Low);
    if (tagEnd == 0) return false;  // only when the first "</a>" stands before the "<a"
    std::size_t href = AnsiPos(HrefQuote, Low.substr(0, tagEnd));
    if (href == 0) return false;
    std::string_view address = Line.substr(0, tagEnd).substr(href - 1 + HrefQuote.size());
    std::size_t quote = Pos("\"", address);
    if (quote == 0) return false;  // no closing quote before the tag's ">"
    std::string_view rest = Line.substr(tagEnd);
    std::size_t close = AnsiPos(AnchorClose, Low.substr(tagEnd));
    URL.assign(Before(address, quote));
    Title.assign(close == 0 ? rest : Before(rest, close));
    return true;
}

// An anchor with an address whose "</a>" is on a later line: the pair
// recognizer would otherwise make a link of the text around "href=".
bool OpensUnclosedAnchor(std::string_view Low) {
    std::size_t open = AnsiPos(AnchorOpen, Low);
    if (open == 0 || AnsiPos(AnchorClose, Low) != 0) return false;
    std::string_view tag = Low.substr(open);
    std::size_t tagEnd = AnsiPos(">", tag);
    if (tagEnd != 0) tag = tag.substr(0, tagEnd);
    return AnsiPos(HrefQuote, tag) != 0;
}

std::string Joined(std::string_view Title, std::string_view URL) {
    std::string out;
    out.reserve(Title.size() + 1 + URL.size());
    out.append(Title).append("=").append(URL);
    return out;
}

}  // namespace

std::string RemoveBreakTags(std::string_view Line) {
    // Deleting the first "<BR>" again and again ends in the same text as
    // deleting each one the moment it is complete: "<BR>" cannot overlap
    // itself, so the order of deletions does not matter.
    std::string out;
    out.reserve(Line.size());
    for (char c : Line) {
        out.push_back(c);
        if (c == '>' && out.size() >= BreakTag.size() &&
            std::string_view(out).substr(out.size() - BreakTag.size()) == BreakTag)
            out.resize(out.size() - BreakTag.size());
    }
    return out;
}

bool IsFolderLine(std::string_view Line) {
    return Line.size() >= 2 && Line.front() == '[' && Line.back() == ']' && !IsTrailByteAt(Line, Line.size() - 1);
}

bool ParseAnchorLine(std::string_view Line, std::string& Title, std::string& URL) {
    if (Line.find('<') == std::string_view::npos) return false;
    return ParseAnchor(Line, AnsiLowerCase(Line), Title, URL);
}

bool ParsePairLine(std::string_view Line, std::string& Title, std::string& URL) {
    std::size_t equals = Pos("=", Line);
    if (equals != 0) {
        Title.assign(Before(Line, equals));
        URL.assign(Line.substr(equals));
        return Pos(HttpScheme, URL) != 0;
    }
    // A blank is never the second byte of a double-byte character.
    std::size_t blank = Line.rfind(' ');
    if (blank == std::string_view::npos) return false;
    std::string_view title = Line.substr(0, blank);
    title.remove_prefix(std::min(title.find_first_not_of(' '), title.size()));
    if (title.empty()) return false;
    Title.assign(title);
    URL.assign(Line.substr(blank + 1));
    return Pos(HttpScheme, URL) != 0;
}

TTransLine TransLine(std::string_view Line) {
    std::string text = RemoveBreakTags(Line);
    if (IsFolderLine(text)) return {TLineKind::Folder, std::move(text)};
    std::string title, url;
    if (text.find('<') != std::string::npos) {
        std::string low = AnsiLowerCase(text);
        if (ParseAnchor(text, low, title, url)) return {TLineKind::Link, Joined(title, url)};
        if (OpensUnclosedAnchor(low)) return {TLineKind::Rejected, std::move(text)};
    }
    if (ParsePairLine(text, title, url)) return {TLineKind::Link, Joined(title, url)};
    return {TLineKind::Rejected, std::move(text)};
}

void ConvertLines(const TStringList& Preview, TStringList& Success, TStringList& Fail) {
    const std::size_t count = Preview.Count();
    for (std::size_t i = 0; i < count; ++i) {
        TTransLine line = TransLine(Preview[i]);
        (line.Kind == TLineKind::Rejected ? Fail : Success).Add(std::move(line.Text));
    }
}
