#include "search/MatchesLiblary.h"

#include <gtest/gtest.h>

#include "Hex.h"

namespace {

struct MaskCase {
    const char* Name;
    const char* Masks;
    bool Expected;
};

void CheckRows(const MaskCase* First, const MaskCase* Last, bool LowerName) {
    for (const MaskCase* c = First; c != Last; ++c) {
        SCOPED_TRACE("row " + std::to_string(c - First) + ": name \"" + Hex(c->Name) + "\" masks \"" +
                     Hex(c->Masks) + "\"");
        EXPECT_EQ(MatchesMaskList(c->Name, c->Masks, LowerName), c->Expected);
    }
}

TEST(MatchesMaskList, FirstOccurrenceRules) {
    const MaskCase rows[] = {
        {"Readme.URL", "*.URL", true},
        {"readme.url", "*.url", true},
        {"a.url.url", "*.URL", false},  // the star settles on the first .url
        {"banana", "*a", false},
        {"abcabc", "*bc", false},
        {"abcabd", "*bd", true},
        {"README", "*.*", false},
        {"x.", "*.*", true},
        {".profile", "*.*", true},
        {"", "*", true},
        {"", "*.*", false},
        {"", "", false},
        {"abc", "a?c", true},
        {"abc", "ab?", true},
        {"abc", "???", true},
        {"abc", "a*", true},
        {"abc", "*c", true},
        {"abc", "a*c", true},
        {"abc", "*b*", true},
        {"abc", "?", false},
        {"abc", "??", false},
        {"abc", "????", false},
        {"abc", "abc", true},
        {"abc", "ab", false},
        {"abc", "abcd", false},
        {"xaab", "*a*b", true},
        {"abXcd", "ab?cd", true},
        {"ab.url", "*b*.url", true},
        {"a.b.c", "*.*.*", true},
    };
    CheckRows(std::begin(rows), std::end(rows), true);
}

TEST(MatchesMaskList, ListSyntax) {
    const MaskCase rows[] = {
        {"abc", "", false},
        {"abc", ";;", false},
        {"", ";", false},
        {"abc", "x;abc", true},
        {"abc", ";abc", true},
        {"abc", "abc;", true},
        {"abc", "abc;;", true},
        {"abc", "x;;abc", true},
        {"abc", "x;y", false},
        {"abc", " abc", false},  // items are not trimmed
        {"abc", "abc ", false},
        {"a", "a;b.URL", true},
        {"b.url", "a;b.URL", true},
        {"a;b.url", "a;b.URL", false},
        {"b.url", "*.txt;*.url", true},  // a later item can match after an earlier one failed
    };
    CheckRows(std::begin(rows), std::end(rows), true);
}

// The two cases the step rules leave open, as decided: a "?" that meets the
// end of the name fails the item (it stands for exactly one byte), and
// wildcards right after a "*" fold into it ("**" is "*", "*?x" is "?*x").
TEST(MatchesMaskList, OpenCasesAsDecided) {
    const MaskCase rows[] = {
        {"abc", "abc?", false},
        {"abc", "abc?*", false},
        {"abc", "abc?;abc", true},  // the failed item does not stop the list
        {"abc", "ab??", false},
        {"", "?", false},
        {"", "*?", false},
        {"abc", "**", true},
        {"", "**", true},
        {"abc", "a**c", true},
        {"abc", "*?", true},
        {"a", "*?", true},
        {"abc", "*?c", true},
        {"c", "*?c", false},  // "?" takes the c, nothing is left for the run
        {"xc", "*?c", true},
        {"abc", "*??", true},
        {"abc", "*????", false},
        {"abc", "*?*?*?", true},
        {"abc", "*?*?*?*?", false},
        {"a.url", "**.url", true},
        {"a.url.url", "**.url", false},  // folding keeps the first-occurrence rule
        {"a.url", "*?.url", true},
        {".url", "*?.url", false},
    };
    CheckRows(std::begin(rows), std::end(rows), true);
}

TEST(MatchesMaskList, DoubleByteNames) {
    const MaskCase rows[] = {
        {"ソ.url", "?.url", false},  // two bytes need two question marks
        {"ソ.url", "??.url", true},
        {"ソ.URL", "*.url", true},
        {"ア", "*a", false},  // 0x83 0x41: the trail byte is not an upper-case A
        {"ア", "*A", false},
        {"ア", "*ア", true},
        {"ア", "?A", false},
        {"ア", "?a", false},
        {"ア", "\x83?", true},
        {"アA", "*a", true},  // the single-byte A after it does fold
        {"ソ", "*\\", true},  // a run may be found at a trail byte
        {"ソ", "\x83*", true},
        {"表示.url", "表*.url", true},
        {"表示.url", "*示.URL", true},
        {"ｱ.url", "?.url", true},  // a half-width katakana is one byte
    };
    CheckRows(std::begin(rows), std::end(rows), true);
}

TEST(MatchesMaskList, NameKeptAsIsWithoutLowerName) {
    const MaskCase rows[] = {
        {"readme.url", "*.URL", true},
        {"README.URL", "*.URL", false},
        {"README.url", "*.url", true},
        {"README.url", "README.url", false},  // the masks are lower-cased either way
        {"ア", "*ア", true},
    };
    CheckRows(std::begin(rows), std::end(rows), false);
}

}  // namespace
