// Entry lines per list mode and the title rule they show.
#include "listexport/EntryLine.h"

#include <gtest/gtest.h>

#include "Hex.h"

namespace {

TEST(EntryLine, EachModeJoinsItsPieces) {
    const TShortcutInfo full{"Example", "a", "c", "2001/02/03 04:05:06", "2002/03/04 05:06:07"};
    const TShortcutInfo bare{"T", NoURL, "", "2001/02/03 04:05:06", ""};
    const TShortcutInfo raw{"A&B,=C", "http://x/?q=\"1\"", "x,y", "", ""};
    const struct {
        const char* Name;
        const TShortcutInfo& Info;
        std::uint8_t Mode;
        std::string Expected;
    } cases[] = {
        {"text", full, 0, "Example=a"},
        {"html", full, 1, "<A HREF=\"a\">Example</A>"},
        {"html comment", full, 2, "<A HREF=\"a\">Example</A>:c<BR>"},
        {"csv", full, 3, ",Example,a,c,2001/02/03 04:05:06,2002/03/04 05:06:07"},
        {"text without URL", bare, 0, "T=なし"},
        {"html without URL", bare, 1, "<A HREF=\"なし\">T</A>"},
        {"empty comment", bare, 2, "<A HREF=\"なし\">T</A>:<BR>"},
        {"no visit date ends in a comma", bare, 3, ",T,なし,,2001/02/03 04:05:06,"},
        {"nothing escaped, text", raw, 0, "A&B,=C=http://x/?q=\"1\""},
        {"nothing escaped, html", raw, 2, "<A HREF=\"http://x/?q=\"1\"\">A&B,=C</A>:x,y<BR>"},
        {"nothing quoted, csv", raw, 3, ",A&B,=C,http://x/?q=\"1\",x,y,,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Hex(MakeEntryLine(c.Mode, c.Info)), Hex(c.Expected));
    }
    EXPECT_EQ(Hex(NoURL), Hex("\x82\xc8\x82\xb5"));
}

TEST(ShortcutTitle, NameWithoutExtension) {
    const struct {
        const char* Path;
        const char* Title;
    } cases[] = {
        {"C:\\Fav\\News\\Daily.URL", "Daily"},
        {"C:\\Fav\\a.b.URL", "a.b"},
        {"C:\\Fav\\Old.URL\\Page.URL", "Page"},
        {"C:\\Fav\\Page.url", "Page"},
        {"C:\\Fav\\ソフト.URL", "ソフト"},
        {"C:\\Fav\\表\\能.URL", "能"},
        {"C:\\Fav.d\\NoDot", "NoDot"},
        {"C:Page.URL", "Page"},
        {"C:\\Fav\\.URL", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(c.Path));
        EXPECT_EQ(Hex(ShortcutTitle(c.Path)), Hex(c.Title));
    }
}

}  // namespace
