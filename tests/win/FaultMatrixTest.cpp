// Bad favourites against the exporters, one row per fault: the export still
// succeeds, writes one entry line per shortcut file, and leaves every file of
// the favourites tree as it was.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/ExportSupport.h"
#include "support/TestSupport.h"

namespace {

// Every file below Root (ending in "\") with its bytes.
void Snapshot(const std::string& Root, const std::string& Rel, std::map<std::string, std::string>& Files) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((Root + Rel + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Snapshot(Root, Rel + name + "\\", Files);
        else
            Files[Rel + name] = ReadTextFile(Root + Rel + name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
}

std::map<std::string, std::string> Snapshot(const std::string& Root) {
    std::map<std::string, std::string> files;
    Snapshot(Root, "", files);
    return files;
}

// The entry lines of a name=URL list (no blank line, no "[folder]" heading).
std::vector<std::string> EntryLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t eol; (eol = Text.find("\r\n", at)) != std::string::npos; at = eol + 2) {
        std::string line = Text.substr(at, eol - at);
        if (!line.empty() && line.front() != '[') lines.push_back(line);
    }
    EXPECT_EQ(at, Text.size()) << "text after the last CR LF";
    return lines;
}

std::string Garbage(std::size_t Size) {
    std::string bytes(Size, '\0');
    unsigned state = 12345;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

using FaultMatrix = ExportFixture;

TEST_F(FaultMatrix, BadShortcutsStillGiveOneLineEachAndChangeNothing) {
    static const char nulBytes[] = "[InternetShortcut]\r\nURL=http://nul/\0tail\r\n\0\0[Log]\0\r\n";
    const std::string good = "[InternetShortcut]\r\nURL=http://good/\r\n";
    struct Row {
        const char* Fault;
        std::string Content;
        std::string Line;  // its entry line
    } rows[] = {
        {"binary garbage", Garbage(4096), ""},
        {"NUL bytes", std::string(nulBytes, sizeof nulBytes - 1), "NulBytes=http://nul/"},
        {"10 MB", "[InternetShortcut]\r\nURL=http://big/\r\n[Pad]\r\n" + std::string(10 * 1024 * 1024, 'x') + "\r\n",
         "Big=http://big/"},
        {"lone lead byte at a line's end", "[InternetShortcut]\r\nURL=http://lead/\x81\r\n", "Lead=http://lead/\x81"},
    };
    const char* const names[] = {"Garbage", "NulBytes", "Big", "Lead"};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.Fault);
        RemoveTree(FFavorites / "Favorites");
        WriteFavorites(Root(), {{"Good.URL", good}, {std::string("Sub\\") + names[i] + ".URL", row.Content}});
        const auto before = Snapshot(Root());
        ASSERT_EQ(RunExporter("Quimsby", Root()), 0);
        EXPECT_TRUE(Snapshot(Root()) == before) << "the favourites tree changed";
        const std::vector<std::string> lines = EntryLines(ReadTextFile(ListFile()));
        ASSERT_EQ(lines.size(), 2u) << Escaped(ReadTextFile(ListFile()));
        EXPECT_EQ(lines[0], "Good=http://good/");
        if (!row.Line.empty())
            EXPECT_EQ(Escaped(lines[1]), Escaped(row.Line));
        else
            EXPECT_EQ(lines[1].compare(0, 8, "Garbage="), 0) << Escaped(lines[1]);
    }
}

TEST_F(FaultMatrix, MissingFavouritesFolderWritesAnEmptyListInEveryMode) {
    const std::string missing = FFavorites / "Missing\\";
    for (const char* plugin : {"Quimsby", "Sabrel", "Dorrant", "Wendrel"}) {
        SCOPED_TRACE(plugin);
        ::DeleteFileA((FTemp / "Missing.txt").c_str());
        ASSERT_EQ(RunExporter(plugin, missing), 0);
        EXPECT_TRUE(PathExists(FTemp / "Missing.txt"));
        EXPECT_TRUE(EntryLines(ReadTextFile(FTemp / "Missing.txt")).size() <= 1u);  // Wendrel's column header
        EXPECT_FALSE(PathExists(missing));
    }
}

}  // namespace
