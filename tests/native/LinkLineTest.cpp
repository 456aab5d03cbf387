#include "import/LinkLine.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "Hex.h"
#include "listexport/EntryLine.h"
#include "listexport/ListOutput.h"
#include "platform/AnsiText.h"

namespace {

const char* KindName(TLineKind K) {
    switch (K) {
        case TLineKind::Folder: return "folder";
        case TLineKind::Link: return "link";
        case TLineKind::Rejected: return "rejected";
    }
    return "?";
}

struct TransCase {
    std::string Line;
    TLineKind Kind;
    std::string Text;
};

void CheckCases(const std::vector<TransCase>& Cases) {
    for (std::size_t i = 0; i < Cases.size(); ++i) {
        const TransCase& c = Cases[i];
        SCOPED_TRACE("row " + std::to_string(i) + ": " + Hex(c.Line));
        TTransLine got = TransLine(c.Line);
        EXPECT_STREQ(KindName(got.Kind), KindName(c.Kind));
        EXPECT_EQ(Hex(got.Text), Hex(c.Text));
    }
}

constexpr TLineKind F = TLineKind::Folder, L = TLineKind::Link, R = TLineKind::Rejected;

TEST(TransLine, BreakTagsAndFolderLines) {
    CheckCases({
        {"", R, ""},
        {"<BR>", R, ""},
        {"a<BR>b", R, "ab"},
        {"<B<BR>R>", R, ""},
        {"<br>", R, "<br>"},  // only the upper-case tag goes
        {"[Links]<BR>", F, "[Links]"},
        {"[Links]<br>", R, "[Links]<br>"},
        {"[]", F, "[]"},
        {"[]<BR>", F, "[]"},
        {"[Books\\Old]", F, "[Books\\Old]"},
        {" [Links]", R, " [Links]"},
        {"[", R, "["},
        {"]", R, "]"},
        {"[ソ]", F, "[ソ]"},
        {"[ゾ", R, "[ゾ"},  // ゾ ends in 0x5D, which is no "]"
        {"[PR] News=http://x/", L, "[PR] News=http://x/"},
    });
}

TEST(TransLine, Anchors) {
    CheckCases({
        {"<a href=\"http://x/\">Title</a>", L, "Title=http://x/"},
        {"<A HREF=\"http://x/\">Title</A>", L, "Title=http://x/"},
        {"<A HREF=\"http://X/Y\">MiXed</A>", L, "MiXed=http://X/Y"},
        {"<a target=\"_blank\" href=\"http://x/\">T</a>", L, "T=http://x/"},
        {"<a href=\"http://x/\" target=\"_blank\">T</a>", L, "T=http://x/"},
        {"<a href=\"http://1/\">One</a> <a href=\"http://2/\">Two</a>", L, "One=http://1/"},
        {"<a href=\"https://x/\">T</a>", L, "T=https://x/"},
        {"<a href=\"なし\">T</a>", L, "T=なし"},
        {"<a href=\"rel/page.html\">T</a>", L, "T=rel/page.html"},
        {"<a href=\"http://x/\"><b>Bold</b></a>", L, "<b>Bold</b>=http://x/"},
        {"<a href=\"\"></a>", L, "="},
        {"<li><a href=\"http://x/\">T</a>:note<BR>", L, "T=http://x/"},
        {"<A HREF=\"http://x/\">アイ</A>", L, "アイ=http://x/"},  // trail byte 0x41 is no "A"
        // "ド" is 0x83 0x68: its "h" must not start an href=" match.
        {"<a x=\"ドref=\"http://evil/\" href=\"http://good/\">T</a>", L, "T=http://good/"},
        // "</a>" on a later line: rejected, not read around the "=" of href=.
        {"<a href=\"http://x/\">Title", R, "<a href=\"http://x/\">Title"},
        {"<A HREF=\"http://x/\"", R, "<A HREF=\"http://x/\""},
        // ... unless some other "</a>" is on the line.
        {"</a><a href=\"http://x/\">T", L, "T=http://x/"},
    });
}

TEST(TransLine, OpenAnchorCasesFailAndFallToThePairForm) {
    const std::string lines[] = {
        "<a name=\"top\">Top</a>",            // no href="
        "<a href=\"http://x/>T</a>",          // no closing quote before ">"
        "</a> <a href=\"http://x/",           // no ">" after the "<a"
        "<a href=http://x/>T</a>",            // unquoted address
        "<abbr title=\"t\">x</abbr></a>",      // the first "<a" opens another tag
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(Hex(line));
        std::string title = "unset", url = "unset";
        EXPECT_FALSE(ParseAnchorLine(line, title, url));
    }
    // What the pair recognizer then makes of them.
    CheckCases({
        {"<a name=\"top\">Top</a>", R, "<a name=\"top\">Top</a>"},
        {"<a href=\"http://x/>T</a>", L, "<a href=\"http://x/>T</a>"},
        {"<a href=http://x/>T</a>", L, "<a href=http://x/>T</a>"},
    });
}

// The anchor recognizer's steps as written, over the lower-cased copy with
// AnsiPos; ParseAnchorLine must give the same for any line.
bool ReferenceAnchor(std::string Line, std::string& Title, std::string& URL) {
    std::string low = AnsiLowerCase(Line);
    std::size_t open = AnsiPos("<a", low);
    if (open == 0 || AnsiPos("</a>", low) == 0) return false;
    Line.erase(0, open);
    low.erase(0, open);
    std::size_t tagEnd = AnsiPos(">", low);
    if (tagEnd == 0) return false;
    std::size_t href = AnsiPos("href=\"", low.substr(0, tagEnd));
    if (href == 0) return false;
    std::string address = Line.substr(0, tagEnd).substr(href - 1 + 6);
    std::size_t quote = Pos("\"", address);
    if (quote == 0) return false;
    URL = address.substr(0, quote - 1);
    std::size_t close = AnsiPos("</a>", low.substr(tagEnd));
    Title = close == 0 ? Line.substr(tagEnd) : Line.substr(tagEnd, close - 1);
    return true;
}

TEST(ParseAnchorLine, AgreesWithTheStepsOverRandomLines) {
    const char* const pieces[] = {"<a", "<A", "</a>", "</A>", "</", "href=\"", "HREF=\"", "hReF=", ">", "\"",
                                  "ド", "\x83", "\x81<", "x", " ", "=", "a", "A", "ア", "\x83h",
                                  "<a href=\"", "\">", "<A HREF=\"http://h/\">"};
    std::mt19937 random(1252);
    int found = 0;
    for (int round = 0; round < 30000; ++round) {
        std::string line;
        for (int n = 1 + random() % 12; n > 0; --n) line += pieces[random() % std::size(pieces)];
        SCOPED_TRACE(Hex(line));
        std::string title, url, refTitle, refURL;
        const bool ok = ParseAnchorLine(line, title, url);
        ASSERT_EQ(ok, ReferenceAnchor(line, refTitle, refURL));
        if (!ok) continue;
        ++found;
        ASSERT_EQ(Hex(title), Hex(refTitle));
        ASSERT_EQ(Hex(url), Hex(refURL));
    }
    EXPECT_GT(found, 2000);  // the pieces do make anchors
}

TEST(TransLine, PairLines) {
    CheckCases({
        {"Title=http://x/", L, "Title=http://x/"},
        {"Title http://x/", L, "Title=http://x/"},
        {"Two words http://x/", L, "Two words=http://x/"},
        {"  Lead  http://x/", L, "Lead =http://x/"},
        {"=http://x/", L, "=http://x/"},
        {"see:http://x/=", R, "see:http://x/="},
        {"x=see http://x/", L, "x=see http://x/"},  // "http://" anywhere in the address
        {"Title http://x/?a=b", R, "Title http://x/?a=b"},
        {"Title http://x/ ", R, "Title http://x/ "},
        {" http://x/", R, " http://x/"},
        {"http://x/", R, "http://x/"},
        {"a=b=http://x/", L, "a=b=http://x/"},
        {"T=https://x/", R, "T=https://x/"},
        {"T https://x/", R, "T https://x/"},
        {"T=HTTP://x/", R, "T=HTTP://x/"},
        {"T=なし", R, "T=なし"},
        {"ソフト http://x/表", L, "ソフト=http://x/表"},
    });
}

TEST(TransLine, PairTitlesKeepInnerBlanks) {
    std::string title, url;
    ASSERT_TRUE(ParsePairLine("  a  b   http://x/", title, url));
    EXPECT_EQ(title, "a  b  ");
    EXPECT_EQ(url, "http://x/");
    EXPECT_FALSE(ParsePairLine("   http://x/", title, url));
}

std::string RemoveByReference(std::string S) {
    for (std::size_t at; (at = S.find("<BR>")) != std::string::npos;) S.erase(at, 4);
    return S;
}

TEST(RemoveBreakTags, MatchesRepeatedFirstDeletion) {
    std::mt19937 random(932);
    const char alphabet[] = {'<', 'B', 'R', '>', 'b', '\x83'};
    for (int round = 0; round < 5000; ++round) {
        std::string s(random() % 24, ' ');
        for (char& c : s) c = alphabet[random() % sizeof alphabet];
        SCOPED_TRACE(Hex(s));
        ASSERT_EQ(Hex(RemoveBreakTags(s)), Hex(RemoveByReference(s)));
    }
}

TEST(RemoveBreakTags, DeeplyNestedLine) {
    // "<B<B...<BR>...R>R>" collapses completely; the repeated search would
    // take quadratic time on it.
    const std::size_t depth = 200000;
    std::string line;
    for (std::size_t i = 0; i < depth; ++i) line += "<B";
    line += "<BR>";
    for (std::size_t i = 0; i < depth; ++i) line += "R>";
    EXPECT_EQ(RemoveBreakTags(line), "");
    TTransLine got = TransLine("[" + line + "x]");
    EXPECT_EQ(got.Kind, TLineKind::Folder);
    EXPECT_EQ(got.Text, "[x]");
}

TEST(ConvertLines, KeepsOrderAndOneLinePerInput) {
    TStringList preview, success, fail;
    for (const char* s : {"[A]", "bad", "T=http://x/", "", "<a href=\"u\">V</a>"}) preview.Add(s);
    success.Add("kept");  // appended to, not replaced
    ConvertLines(preview, success, fail);
    EXPECT_EQ(success.Items(), (std::vector<std::string>{"kept", "[A]", "T=http://x/", "V=u"}));
    EXPECT_EQ(fail.Items(), (std::vector<std::string>{"bad", ""}));
}

// The lists our exporters write come back as links and folder lines.
TEST(ConvertLines, ExportedListsComeBack) {
    TShortcutInfo zoo{"Zoo", "http://zoo/", "c", "2026/01/02 03:04:06", ""};
    TShortcutInfo soft{"ソフト & 表", "https://s/?q=1", "", "2026/01/02 03:04:08", "2026/02/03 04:05:06"};
    TShortcutInfo none{"Lost", NoURL, "x", "2026/01/02 03:04:10", ""};
    TShortcutInfo eq{"Eq", "http://e/", "a=http://b", "2026/01/02 03:04:12", ""};
    TStringList files, entries;
    const std::pair<const char*, const TShortcutInfo*> layout[] = {
        {"C:\\Fav\\Zoo.URL", &zoo}, {"C:\\Fav\\ソフト\\a.URL", &soft}, {"C:\\Fav\\ソフト\\b.URL", &none},
        {"C:\\Fav\\ソフト\\c.URL", &eq}};

    struct Expect {
        std::uint8_t Mode;
        std::vector<std::string> Success, Fail;
    } modes[] = {
        {listmode::Text,
         {"[]", "Zoo=http://zoo/", "[ソフト]", "Eq=http://e/"},
         {"", "", "ソフト & 表=https://s/?q=1", "Lost=なし"}},
        {listmode::Html,
         {"[]", "Zoo=http://zoo/", "[ソフト]", "ソフト & 表=https://s/?q=1", "Lost=なし", "Eq=http://e/"},
         {"", ""}},
        {listmode::HtmlComment,
         {"[]", "Zoo=http://zoo/", "[ソフト]", "ソフト & 表=https://s/?q=1", "Lost=なし", "Eq=http://e/"},
         {"", ""}},
        {listmode::Csv,
         {"[]", "[ソフト]", ",Eq,http://e/,a=http://b,2026/01/02 03:04:12,"},
         {CsvHeader, ",Zoo,http://zoo/,c,2026/01/02 03:04:06,",
          ",ソフト & 表,https://s/?q=1,,2026/01/02 03:04:08,2026/02/03 04:05:06",
          ",Lost,なし,x,2026/01/02 03:04:10,"}},
    };
    for (const auto& m : modes) {
        SCOPED_TRACE("mode " + std::to_string(m.Mode));
        files.Clear();
        entries.Clear();
        for (const auto& [file, info] : layout) {
            files.Add(file);
            entries.Add(MakeEntryLine(m.Mode, *info));
        }
        TStringList list, success, fail;
        BuildListOutput(m.Mode, "C:\\Fav\\", files, entries, list);
        ConvertLines(list, success, fail);
        EXPECT_EQ(success.Items(), m.Success);
        EXPECT_EQ(fail.Items(), m.Fail);
    }
}

}  // namespace
