// The INI engine on its own: what a lookup finds in files of every shape, and
// what a write changes (the line it sets or adds, nothing else).
#include "platform/IniText.h"

#include <gtest/gtest.h>

#include "Hex.h"

namespace {

struct FindCase {
    const char* Name;
    std::string File, Section, Key;
    std::optional<std::string> Expected;
};

TEST(IniText, FindsValuesAsTheProfileApiDoes) {
    const FindCase cases[] = {
        {"plain", "[InternetShortcut]\r\nURL=http://a/\r\n", "InternetShortcut", "URL", "http://a/"},
        {"case of names", "[internetshortcut]\r\nurl=x\r\n", "InternetShortcut", "URL", "x"},
        {"blanks around =", "[S]\r\n  URL \t=  x y  \r\n", "S", "URL", "x y"},
        {"blanks in header", "  [ S ]  \r\nURL=x\r\n", "S", "URL", "x"},
        {"blanks in query", "[S]\r\nURL=x\r\n", " S ", " URL ", "x"},
        {"empty value", "[S]\r\nURL=\r\n", "S", "URL", ""},
        {"no =", "[S]\r\nURL\r\n", "S", "URL", std::nullopt},
        {"valueless first key wins", "[S]\r\nURL\r\nURL=x\r\n", "S", "URL", std::nullopt},
        {"first duplicate key", "[S]\r\nURL=a\r\nURL=b\r\n", "S", "URL", "a"},
        {"first duplicate section only", "[S]\r\nA=1\r\n[S]\r\nURL=b\r\n", "S", "URL", std::nullopt},
        {"first duplicate section wins", "[S]\r\nURL=a\r\n[s]\r\nURL=b\r\n", "S", "URL", "a"},
        {"other section", "[T]\r\nURL=x\r\n", "S", "URL", std::nullopt},
        {"key above any section", "URL=x\r\n[S]\r\n", "S", "URL", std::nullopt},
        {"double quotes", "[S]\r\nURL=\"x y\"\r\n", "S", "URL", "x y"},
        {"single quotes", "[S]\r\nURL='x'\r\n", "S", "URL", "x"},
        {"unmatched quote", "[S]\r\nURL=\"x'\r\n", "S", "URL", "\"x'"},
        {"lone quote", "[S]\r\nURL=\"\r\n", "S", "URL", "\""},
        {"empty quotes", "[S]\r\nURL=\"\"\r\n", "S", "URL", ""},
        {"comment line", "[S]\r\n;URL=x\r\n", "S", "URL", std::nullopt},
        {"comment is a key", "[S]\r\n;URL=x\r\n", "S", ";URL", "x"},
        {"second = in value", "[S]\r\nURL=a=b\r\n", "S", "URL", "a=b"},
        {"LF only", "[S]\nA=1\nURL=x\n", "S", "URL", "x"},
        {"CR only", "[S]\rA=1\rURL=x\r", "S", "URL", "x"},
        {"no final line break", "[S]\r\nURL=x", "S", "URL", "x"},
        {"blank lines", "\r\n\r\n[S]\r\n\r\n\r\nURL=x\r\n\r\n", "S", "URL", "x"},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF[S]\r\nURL=x\r\n", "S", "URL", "x"},
        {"NUL ends a value", std::string("[S]\r\nURL=ab\0cd\r\n", 16), "S", "URL", "ab"},
        {"NUL ends a key name", std::string("[S]\r\nURL\0X=v\r\n", 15), "S", "URL", "v"},
        {"text after ]", "[S] junk\r\nURL=x\r\n", "S", "URL", "x"},
        {"last ] closes", "[S]x]\r\nURL=x\r\n", "S]x", "URL", "x"},
        {"[ without ] is a key", "[S]\r\n[URL=x\r\n", "S", "[URL", "x"},
        {"^Z is a blank", "[S]\r\nURL=x\x1a\r\n", "S", "URL", "x"},
        {"Japanese section", "[お気に入り]\r\nソ=表\r\n", "お気に入り", "ソ", "表"},
        // 0x5D is a trail byte here (0x81 0x5D), not the header's "]".
        {"trail byte 0x5D is no ]", "[A]\x81\x5D\r\nURL=x\r\n", "A", "URL", "x"},
        {"trail byte is not folded", "[S]\r\n\x83\x41=x\r\n", "S", "\x83\x61", std::nullopt},
        {"empty file", "", "S", "URL", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::optional<std::string> got = TIniText(c.File).Find(c.Section, c.Key);
        ASSERT_EQ(got.has_value(), c.Expected.has_value());
        if (got) {
            EXPECT_EQ(Hex(*got), Hex(*c.Expected));
        }
    }
}

struct SetCase {
    const char* Name;
    std::string File, Section, Key, Value, Expected;
};

TEST(IniText, WritesOnlyTheLineItSets) {
    const std::string log = "[Log]\r\nUserComment=c\r\nLastVisit=2001/02/03 04:05:06\r\n";
    const SetCase cases[] = {
        {"new file", "", "InternetShortcut", "URL", "http://a/", "[InternetShortcut]\r\nURL=http://a/\r\n"},
        {"replace value, keep Log", "[InternetShortcut]\r\nURL=old\r\n" + log, "InternetShortcut", "URL", "new",
         "[InternetShortcut]\r\nURL=new\r\n" + log},
        {"Log above", log + "\r\n[InternetShortcut]\r\nURL=old\r\nIconIndex=1\r\n", "InternetShortcut", "URL", "n",
         log + "\r\n[InternetShortcut]\r\nURL=n\r\nIconIndex=1\r\n"},
        {"key keeps its spelling, blanks go", "[S]\r\n  url = old  \r\n", "S", "URL", "n", "[S]\r\n  url=n  \r\n"},
        {"add key after last line", "[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n", "S", "URL", "x",
         "[S]\r\nA=1\r\nURL=x\r\n\r\n[T]\r\nB=2\r\n"},
        {"add key to header only", "[S]\r\n[T]\r\n", "S", "URL", "x", "[S]\r\nURL=x\r\n[T]\r\n"},
        {"add key, no final break", "[S]\r\nA=1", "S", "URL", "x", "[S]\r\nA=1\r\nURL=x\r\n"},
        {"add key, LF file keeps LF", "[S]\nA=1\n", "S", "URL", "x", "[S]\nA=1\nURL=x\n"},
        {"add section", log, "InternetShortcut", "URL", "x", log + "[InternetShortcut]\r\nURL=x\r\n"},
        {"add section, no final break", "[Log]\r\nA=1", "S", "URL", "x", "[Log]\r\nA=1\r\n[S]\r\nURL=x\r\n"},
        {"valueless key gets its value", "[S]\r\nURL\r\n", "S", "URL", "x", "[S]\r\nURL=x\r\n"},
        {"first of duplicates", "[S]\r\nURL=a\r\nURL=b\r\n", "S", "URL", "x", "[S]\r\nURL=x\r\nURL=b\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF", "S", "URL", "x", "\xEF\xBB\xBF[S]\r\nURL=x\r\n"},
        {"NUL bytes elsewhere kept", std::string("[S]\r\nA=\0\r\nURL=a\r\n", 17), "S", "URL", "b",
         std::string("[S]\r\nA=\0\r\nURL=b\r\n", 17)},
        {"long value", "[S]\r\nURL=a\r\n", "S", "URL", std::string(5000, 'v'),
         "[S]\r\nURL=" + std::string(5000, 'v') + "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TIniText ini(c.File);
        EXPECT_TRUE(ini.Set(c.Section, c.Key, c.Value));
        EXPECT_EQ(Hex(ini.Bytes()), Hex(c.Expected));
        EXPECT_EQ(ini.Find(c.Section, c.Key).value_or("<none>"), c.Value);
    }
}

TEST(IniText, SettingTheSameValueChangesNothing) {
    TIniText ini("[S]\r\nURL = x \r\n");
    EXPECT_FALSE(ini.Set("s", "url", "x"));
    EXPECT_EQ(ini.Bytes(), "[S]\r\nURL = x \r\n");
}

}  // namespace
