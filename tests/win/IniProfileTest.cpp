// Our INI engine against the Windows profile API: every file of the table is
// read (and written) by TIniFile and by Get/WritePrivateProfileStringA, and the
// results are compared byte for byte. Wine caches a profile by its name
// (without regard to case) and its write time, so every row gets a file of
// its own name. Known differences are marked on their row, not dropped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/IniFile.h"
#include "platform/PlatformError.h"
#include "support/TestSupport.h"

namespace {

const char* const kDefault = "<default>";

std::string ProfileRead(const std::string& Path, const std::string& Section, const std::string& Key) {
    std::string buffer(1 << 16, '\xAA');
    DWORD n = ::GetPrivateProfileStringA(Section.c_str(), Key.c_str(), kDefault, &buffer[0],
                                         static_cast<DWORD>(buffer.size()), Path.c_str());
    buffer.resize(n);
    return buffer;
}

std::string RowFile(const TempFolder& Dir, const char* Kind, std::size_t Row) {
    return Dir / (std::string(Kind) + std::to_string(Row) + ".ini");
}

struct ReadRow {
    const char* Name;
    std::string File, Section, Key;
    bool Differs = false;  // a deliberate difference, explained on the row
};

const std::string kShortcut = "[InternetShortcut]\r\nURL=http://a/\r\n[Log]\r\nUserComment=c\r\n";

TEST(IniProfile, ReadsLikeGetPrivateProfileString) {
    RequireCodePage932();
    TempFolder dir("ini");
    const ReadRow rows[] = {
        /* 0 */ {"plain", kShortcut, "InternetShortcut", "URL"},
        {"second section", kShortcut, "Log", "UserComment"},
        {"missing key", kShortcut, "Log", "LastVisit"},
        {"missing section", kShortcut, "Other", "URL"},
        {"case of names", "[internetshortcut]\r\nurl=x\r\n", "InternetShortcut", "URL"},
        /* 5 */ {"blanks around =", "[S]\r\n  URL \t=  x y  \r\n", "S", "URL"},
        {"blanks in header", "  [ S ]  \r\nURL=x\r\n", "S", "URL"},
        {"blanks in query", "[S]\r\nURL=x\r\n", " S ", " URL "},
        {"empty value", "[S]\r\nURL=\r\n", "S", "URL"},
        {"no =", "[S]\r\nURL\r\n", "S", "URL"},
        /* 10 */ {"valueless first key", "[S]\r\nURL\r\nURL=x\r\n", "S", "URL"},
        {"duplicate keys", "[S]\r\nURL=a\r\nURL=b\r\n", "S", "URL"},
        {"key in second duplicate section", "[S]\r\nA=1\r\n[S]\r\nURL=b\r\n", "S", "URL"},
        {"duplicate sections", "[S]\r\nURL=a\r\n[s]\r\nURL=b\r\n", "S", "URL"},
        {"key above sections", "URL=x\r\n[S]\r\n", "S", "URL"},
        /* 15 */ {"double quotes", "[S]\r\nURL=\"x y\"\r\n", "S", "URL"},
        {"single quotes", "[S]\r\nURL='x'\r\n", "S", "URL"},
        {"unmatched quotes", "[S]\r\nURL=\"x'\r\n", "S", "URL"},
        {"lone quote", "[S]\r\nURL=\"\r\n", "S", "URL"},
        {"empty quotes", "[S]\r\nURL=\"\"\r\n", "S", "URL"},
        /* 20 */ {"quote inside", "[S]\r\nURL=a\"b\"\r\n", "S", "URL"},
        {"comment line", "[S]\r\n;URL=x\r\n", "S", "URL"},
        {"comment read as key", "[S]\r\n;URL=x\r\n", "S", ";URL"},
        {"second =", "[S]\r\nURL=a=b\r\n", "S", "URL"},
        {"LF only", "[S]\nA=1\nURL=x\n", "S", "URL"},
        /* 25 */ {"CR only", "[S]\rA=1\rURL=x\r", "S", "URL"},
        {"mixed line ends", "[S]\n\rA=1\r\r\nURL=x", "S", "URL"},
        {"no final line break", "[S]\r\nURL=x", "S", "URL"},
        {"blank lines", "\r\n\r\n[S]\r\n\r\n\r\nURL=x\r\n\r\n", "S", "URL"},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF[S]\r\nURL=x\r\n", "S", "URL"},
        /* 30 */ {"NUL ends a value", std::string("[S]\r\nURL=ab\0cd\r\n", 16), "S", "URL"},
        {"NUL ends a key name", std::string("[S]\r\nURL\0X=v\r\n", 15), "S", "URL"},
        {"NUL in a header", std::string("[S\0T]\r\nURL=v\r\n", 14), "S", "URL"},
        {"text after ]", "[S] junk\r\nURL=x\r\n", "S", "URL"},
        {"last ] closes", "[S]x]\r\nURL=x\r\n", "S]x", "URL"},
        /* 35 */ {"[ without ]", "[S]\r\n[URL=x\r\n", "S", "[URL"},
        {"^Z is a blank", "[S]\r\nURL=x\x1a\r\n", "S", "URL"},
        {"Japanese names and value", "[お気に入り]\r\nソフト=表示\r\n", "お気に入り", "ソフト"},
        {"trail byte 0x5D", "[A]\x81\x5D\r\nURL=x\r\n", "A", "URL"},
        {"trail byte 0x41 not folded", "[S]\r\n\x83\x41=x\r\n", "S", "\x83\x61"},
        /* 40 */ {"ideographic space kept", "[S]\r\nURL=\x81\x40x\x81\x40\r\n", "S", "URL"},
        {"empty file", "", "S", "URL"},
        {"long value", "[S]\r\nURL=" + std::string(3000, 'v') + "\r\n", "S", "URL"},
        {"full-width letters not folded", "[Ｓ]\r\nURL=x\r\n", "ｓ", "URL"},
        // A difference: the profile API decodes a UTF-8 marked file and re-encodes its
        // values; we never convert, so code page 932 bytes come back as they are.
        {"byte order mark, CP932 value", "\xEF\xBB\xBF[S]\r\nURL=表\r\n", "S", "URL", true},
        // Nor do we decode UTF-16: such a file reads as holding nothing.
        {"UTF-16 file", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0U\0R\0L\0=\0x\0\r\0\n\0", 26), "S", "URL", true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ReadRow& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ": " + row.Name);
        std::string path = RowFile(dir, "read", i);
        WriteTextFile(path, row.File);
        std::string reference = ProfileRead(path, row.Section, row.Key);
        std::string ours = TIniFile(path).ReadString(row.Section, row.Key, kDefault);
        if (row.Differs) {
            EXPECT_NE(Escaped(ours), Escaped(reference)) << "a marked difference is gone";
        } else {
            EXPECT_EQ(Escaped(ours), Escaped(reference));
        }
    }
    // The missing file, too.
    EXPECT_EQ(TIniFile(dir / "none.ini").ReadString("S", "URL", kDefault), ProfileRead(dir / "none.ini", "S", "URL"));
}

struct WriteRow {
    const char* Name;
    std::string File;  // "\x01" for no file
    std::string Section, Key, Value;
    // The profile API rewrites the whole file from its parsed form (no blank
    // lines, "key=value", CR LF); we keep every other line as it is. Where the
    // file is not already in that form the bytes differ and the values are
    // compared instead.
    bool Canonical = true;
};

const std::string kNoFile = "\x01";

TEST(IniProfile, WritesLikeWritePrivateProfileString) {
    RequireCodePage932();
    TempFolder dir("iniw");
    const std::string log = "[Log]\r\nUserComment=c\r\nLastVisit=2001/02/03 04:05:06\r\n";
    const WriteRow rows[] = {
        /* 0 */ {"new file", kNoFile, "InternetShortcut", "URL", "http://a/"},
        {"empty file", "", "InternetShortcut", "URL", "http://a/"},
        {"replace value, Log kept", "[InternetShortcut]\r\nURL=old\r\n" + log, "InternetShortcut", "URL", "new"},
        {"Log above", log + "[InternetShortcut]\r\nURL=old\r\nIconIndex=1\r\n", "InternetShortcut", "URL", "n"},
        {"other case of names", "[internetshortcut]\r\nurl=old\r\n", "InternetShortcut", "URL", "n"},
        /* 5 */ {"add key", "[InternetShortcut]\r\nIconIndex=1\r\n" + log, "InternetShortcut", "URL", "x"},
        {"add section", log, "InternetShortcut", "URL", "x"},
        {"add key, no final break", "[S]\r\nA=1", "S", "URL", "x"},
        {"add section, no final break", "[Log]\r\nA=1", "S", "URL", "x"},
        {"valueless key", "[S]\r\nURL\r\n", "S", "URL", "x"},
        /* 10 */ {"first of duplicates", "[S]\r\nURL=a\r\nURL=b\r\n", "S", "URL", "x"},
        {"first duplicate section", "[S]\r\nA=1\r\n[S]\r\nB=2\r\n", "S", "URL", "x"},
        {"Japanese value", "[S]\r\nURL=a\r\n", "S", "URL", "http://例/ソ表"},
        {"long value", "[S]\r\nURL=a\r\n", "S", "URL", std::string(3000, 'v')},
        {"same value", "[S]\r\nURL=x\r\n", "S", "URL", "x"},
        /* 15 */ {"blanks around =", "[S]\r\n URL = old \r\n", "S", "URL", "n", false},
        {"blank lines", "[S]\r\n\r\nURL=old\r\n\r\n[T]\r\nB=1\r\n", "S", "URL", "n", false},
        {"LF only", "[S]\nA=1\n", "S", "URL", "x", false},
        {"CR only", "[S]\rURL=old\r", "S", "URL", "n", false},
        {"comment kept", "; note\r\n[S]\r\nURL=old\r\n", "S", "URL", "n"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const WriteRow& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ": " + row.Name);
        std::string oursPath = RowFile(dir, "ours", i), refPath = RowFile(dir, "ref", i);
        if (row.File != kNoFile) {
            WriteTextFile(oursPath, row.File);
            WriteTextFile(refPath, row.File);
        }
        ASSERT_TRUE(::WritePrivateProfileStringA(row.Section.c_str(), row.Key.c_str(), row.Value.c_str(),
                                                 refPath.c_str()));
        TIniFile(oursPath).WriteString(row.Section, row.Key, row.Value);
        std::string ours = ReadTextFile(oursPath), reference = ReadTextFile(refPath);
        if (row.Canonical) {
            EXPECT_EQ(Escaped(ours), Escaped(reference));
        } else {
            EXPECT_NE(Escaped(ours), Escaped(reference)) << "the profile API no longer rewrites this file";
        }
        // Either way both files must say the same to the profile API.
        for (const char* key : {"URL", "A", "B", "UserComment", "LastVisit", "IconIndex"}) {
            for (const char* section : {row.Section.c_str(), "Log", "T"}) {
                SCOPED_TRACE(std::string(section) + "/" + key);
                EXPECT_EQ(Escaped(ProfileRead(oursPath, section, key)), Escaped(ProfileRead(refPath, section, key)));
            }
        }
    }
}

TEST(IniProfile, WriteErrorsAndNoFolders) {
    TempFolder dir("inie");
    // A missing folder: an error, and nothing is created.
    std::string inMissing = dir / "missing\\x.url";
    try {
        TIniFile(inMissing).WriteString("InternetShortcut", "URL", "x");
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Code(), static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
        EXPECT_EQ(e.Path(), inMissing);
        EXPECT_FALSE(e.Reason().empty());
    }
    EXPECT_FALSE(PathExists(dir / "missing"));

    // A read-only file, and one another program holds open without sharing:
    // an error, and the bytes stay.
    std::string readOnly = dir / "ro.url";
    WriteTextFile(readOnly, "[InternetShortcut]\r\nURL=old\r\n");
    ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        TIniFile(readOnly).WriteString("InternetShortcut", "URL", "new");
        ADD_FAILURE() << "no error for a read-only file";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Code(), static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
    }
    EXPECT_EQ(ReadTextFile(readOnly), "[InternetShortcut]\r\nURL=old\r\n");
    std::string locked = dir / "locked.url";
    WriteTextFile(locked, "[InternetShortcut]\r\nURL=old\r\n");
    HANDLE holder = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_THROW(TIniFile(locked).WriteString("InternetShortcut", "URL", "new"), PlatformError);
    ::CloseHandle(holder);
    EXPECT_EQ(ReadTextFile(locked), "[InternetShortcut]\r\nURL=old\r\n");

    // A folder in the file's place cannot be read or written.
    ASSERT_TRUE(::CreateDirectoryA((dir / "dir.url").c_str(), nullptr));
    EXPECT_EQ(TIniFile(dir / "dir.url").ReadString("S", "K", "d"), "d");
    EXPECT_THROW(TIniFile(dir / "dir.url").WriteString("S", "K", "v"), PlatformError);
}

}  // namespace
