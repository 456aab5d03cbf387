// TSearchFileList on real folders: which entries each flag combination
// reports, the walk order it promises, the handler's answers, failures, link
// cycles and paths beyond the ANSI limit. Names include Shift-JIS characters
// whose second byte is 0x5C.
#include "search/FileSearchList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/FilePath.h"
#include "platform/FindFile.h"
#include "support/TestSupport.h"

namespace {

using Paths = std::vector<std::string>;

// Creates the entries below Root: a name ending in "\" is a folder.
void MakeEntries(const TempFolder& Root, const Paths& Entries) {
    for (const std::string& entry : Entries) {
        if (entry.back() == '\\') {
            ASSERT_TRUE(::CreateDirectoryA((Root / entry.substr(0, entry.size() - 1)).c_str(), nullptr)) << Escaped(entry);
        } else {
            WriteTextFile(Root / entry, "x");
        }
    }
}

void SetAttributes(const std::string& Path, DWORD Attributes) {
    ASSERT_TRUE(::SetFileAttributesA(Path.c_str(), Attributes)) << Escaped(Path);
}

Paths Sorted(Paths P) {
    std::sort(P.begin(), P.end());
    return P;
}

std::string Joined(const Paths& P) {
    std::string out;
    for (const std::string& p : P) out += "  " + Escaped(p) + "\n";
    return out;
}

// Paths relative to Root, for comparing with a table.
Paths Relative(const TempFolder& Root, const Paths& Full) {
    Paths out;
    for (const std::string& p : Full) {
        EXPECT_EQ(p.compare(0, Root.Path().size(), Root.Path()), 0) << Escaped(p);
        out.push_back(p.substr(Root.Path().size()));
    }
    return out;
}

// A search whose handler records what it sees and checks what it is given.
struct Recorder {
    explicit Recorder(TSearchFileList& List) : FList(List) {
        List.OnFileFind = [this](TObject* Sender, const std::string& FileName, TSearchRec FileRec, void* Data,
                                 bool& AddList, bool& DoCancel) {
            EXPECT_EQ(Sender, &FList);
            EXPECT_EQ(Data, FList.SearchData());
            EXPECT_TRUE(AddList);
            EXPECT_FALSE(DoCancel);
            EXPECT_EQ(FileName.substr(FileName.size() - FileRec.Name.size()), FileRec.Name);
            Seen.push_back(FileName);
            if (OnEntry) OnEntry(FileName, AddList, DoCancel);
        };
    }
    TSearchFileList& FList;
    Paths Seen;
    std::function<void(const std::string&, bool&, bool&)> OnEntry;
};

// What the walk promises about order: a folder before anything inside it,
// and everything inside a folder in one run (searched completely once the
// listing reaches it). The order within one folder is the platform's.
void ExpectDepthFirst(const Paths& Seen, const Paths& Folders) {
    for (const std::string& folder : Folders) {
        SCOPED_TRACE("folder " + Escaped(folder));
        const std::string inside = folder + "\\";
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < Seen.size(); ++i) {
            if (Seen[i].compare(0, inside.size(), inside) == 0) at.push_back(i);
        }
        if (at.empty()) continue;
        EXPECT_EQ(at.back() - at.front() + 1, at.size()) << "entries of the folder are not in one run:\n"
                                                         << Joined(Seen);
        auto self = std::find(Seen.begin(), Seen.end(), folder);
        if (self != Seen.end()) {
            EXPECT_EQ(static_cast<std::size_t>(self - Seen.begin()) + 1, at.front())
                << "the folder is not reported right before its contents:\n"
                << Joined(Seen);
        }
    }
}

// One small tree for the flag table: dot folder and dot file, a file without
// a dot, hidden and system entries, and 0x5C trail bytes in names.
class FlagTree : public ::testing::Test {
protected:
    void SetUp() override {
        MakeEntries(Root, {"a.url", "README", "read.me", ".profile", "表示.url", "Links\\", "Links\\l.url",
                           "ソ.d\\", "ソ.d\\b.url", "ソ.d\\Deep\\", "ソ.d\\Deep\\c.url", ".git\\", ".git\\x.url",
                           ".git\\Inner\\", ".git\\Inner\\y.url"});
        SetAttributes(Root / "a.url", FILE_ATTRIBUTE_HIDDEN);
        SetAttributes(Root / "read.me", FILE_ATTRIBUTE_SYSTEM);
        SetAttributes(Root / "Links", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
    }
    Paths Folders() const { return {Root / "Links", Root / "ソ.d", Root / "ソ.d\\Deep"}; }
    TempFolder Root{"fsl"};
};

struct FlagRow {
    bool SDN, SSD, DSM;
    const char* Mask;
    Paths Expected;  // relative to the top folder
};

TEST_F(FlagTree, EachFlagCombinationReportsItsEntries) {
    const Paths topFiles = {"a.url", "read.me", ".profile", "表示.url"};  // README has no dot for "*.*"
    const Paths allFiles = {"a.url", "read.me", ".profile", "表示.url", "Links\\l.url", "ソ.d\\b.url",
                            "ソ.d\\Deep\\c.url"};
    const Paths allFolders = {"Links", "ソ.d", "ソ.d\\Deep"};
    auto plus = [](Paths A, const Paths& B) {
        A.insert(A.end(), B.begin(), B.end());
        return A;
    };
    const FlagRow rows[] = {
        /* 1 */ {false, false, false, "*.*", topFiles},
        /* 2 */ {true, false, false, "*.*", plus(topFiles, {"ソ.d"})},  // Links needs no dot with "*"
        /* 3 */ {false, true, false, "*.*", allFiles},
        /* 4 */ {true, true, false, "*.*", plus(allFiles, allFolders)},  // folders untested
        /* 5 */ {false, false, true, "*.*", {"ソ.d"}},
        /* 6 */ {true, false, true, "*.*", {"ソ.d"}},
        /* 7 */ {false, true, true, "*.*", allFolders},
        /* 8 */ {true, true, true, "*.*", allFolders},
        /* 9 */ {true, false, false, "*", plus(plus(topFiles, {"README"}), {"Links", "ソ.d"})},
        /* 10 */ {false, false, true, "*", {"Links", "ソ.d"}},
        /* 11 */ {false, true, true, "x*", allFolders},
        /* 12 */ {false, true, false, "*.URL", {"a.url", "表示.url", "Links\\l.url", "ソ.d\\b.url", "ソ.d\\Deep\\c.url"}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const FlagRow& row = rows[i];
        SCOPED_TRACE("row " + std::to_string(i + 1));
        TSearchFileList list(nullptr);
        list.SetDirectory(Root.Path());
        list.SetFileName(row.Mask);
        list.SearchDirectoryName = row.SDN;
        list.SearchSubDirectory = row.SSD;
        list.DirectorySearchMode = row.DSM;
        Recorder recorder(list);
        TStringList found;
        int data = 0;
        const int count = list.Search(&found, &data);

        EXPECT_EQ(Sorted(Relative(Root, recorder.Seen)), Sorted(row.Expected)) << Joined(recorder.Seen);
        EXPECT_EQ(found.Items(), recorder.Seen);
        EXPECT_EQ(count, static_cast<int>(row.Expected.size()));
        EXPECT_EQ(list.FoundCount(), count);
        ASSERT_NE(list.FoundList(), nullptr);
        EXPECT_EQ(list.FoundList()->Items(), recorder.Seen);
        EXPECT_EQ(list.SearchData(), &data);
        ExpectDepthFirst(recorder.Seen, Folders());
    }
}

TEST_F(FlagTree, WithoutHandlerEveryFittingEntryIsCollected) {
    TSearchFileList list(nullptr);
    list.SetDirectory(Root.Path());
    list.SetFileName("*.url");
    list.SearchSubDirectory = true;
    TStringList found;
    EXPECT_EQ(list.Search(&found, nullptr), 5);
    EXPECT_EQ(Sorted(Relative(Root, found.Items())),
              Sorted({"a.url", "表示.url", "Links\\l.url", "ソ.d\\b.url", "ソ.d\\Deep\\c.url"}));
}

TEST(TSearchFileList, CreateAndSetters) {
    TSearchFileList list(nullptr);
    EXPECT_EQ(list.Directory(), "");
    EXPECT_EQ(list.FileName(), "*.*");
    EXPECT_FALSE(list.SearchDirectoryName);
    EXPECT_FALSE(list.SearchSubDirectory);
    EXPECT_FALSE(list.DirectorySearchMode);
    EXPECT_FALSE(list.OnFileFind);
    EXPECT_EQ(list.FoundList(), nullptr);
    EXPECT_EQ(list.FoundCount(), 0);

    const struct {
        const char* Value;
        const char* Stored;
    } directories[] = {
        {"C:\\Fav", "C:\\Fav\\"}, {"C:\\Fav\\", "C:\\Fav\\"}, {"", ""}, {"C:\\ソ", "C:\\ソ\\"},
        {"C:\\ソ\\", "C:\\ソ\\"}, {"C:\\表", "C:\\表\\"},
    };
    for (const auto& d : directories) {
        list.SetDirectory(d.Value);
        EXPECT_EQ(Escaped(list.Directory()), Escaped(d.Stored));
    }
    list.SetFileName("");
    EXPECT_EQ(list.FileName(), "*.*");
    list.SetFileName("*.URL;*.txt");
    EXPECT_EQ(list.FileName(), "*.URL;*.txt");
}

TEST(TSearchFileList, DirectoryWithAndWithoutBackslashAndEndingInSo) {
    TempFolder root("fsd");
    MakeEntries(root, {"ソ\\", "ソ\\x.url", "ソ\\Sub\\", "ソ\\Sub\\y.url"});
    const std::string folder = root / "ソ";
    Paths results[2];
    for (int trailing = 0; trailing < 2; ++trailing) {
        TSearchFileList list(nullptr);
        list.SetDirectory(trailing ? folder + "\\" : folder);
        EXPECT_EQ(Escaped(list.Directory()), Escaped(folder + "\\"));
        list.SetFileName("*.url");
        list.SearchSubDirectory = true;
        TStringList found;
        EXPECT_EQ(list.Search(&found, nullptr), 2);
        results[trailing] = Sorted(found.Items());
    }
    EXPECT_EQ(results[0], Sorted({folder + "\\x.url", folder + "\\Sub\\y.url"})) << Joined(results[0]);
    EXPECT_EQ(results[0], results[1]);
}

class FiveFiles : public ::testing::Test {
protected:
    void SetUp() override {
        MakeEntries(Root, {"1.url", "2.url", "A\\", "A\\3.url", "A\\B\\", "A\\B\\4.url", "5.url", "skip.txt"});
        List.SetDirectory(Root.Path());
        List.SetFileName("*.url");
        List.SearchSubDirectory = true;
    }
    TempFolder Root{"fs5"};
    TSearchFileList List{nullptr};
};

TEST_F(FiveFiles, CancelOnTheThirdEndsEveryLevel) {
    Recorder recorder(List);
    recorder.OnEntry = [&](const std::string&, bool&, bool& DoCancel) { DoCancel = recorder.Seen.size() == 3; };
    TStringList found;
    found.Add("kept");
    EXPECT_EQ(List.Search(&found, nullptr), 3);
    EXPECT_EQ(recorder.Seen.size(), 3u) << "the handler was called after cancelling";
    ASSERT_EQ(found.Count(), 4u);
    EXPECT_EQ(found[0], "kept");
    EXPECT_EQ(Paths(found.Items().begin() + 1, found.Items().end()), recorder.Seen);
    EXPECT_EQ(List.FoundCount(), 3);
}

TEST_F(FiveFiles, RefusedEntryIsNeitherCollectedNorCounted) {
    Recorder recorder(List);
    recorder.OnEntry = [](const std::string& FileName, bool& AddList, bool&) {
        if (FileName.find("3.url") != std::string::npos) AddList = false;
    };
    TStringList found;
    EXPECT_EQ(List.Search(&found, nullptr), 4);
    EXPECT_EQ(recorder.Seen.size(), 5u);
    EXPECT_EQ(Sorted(Relative(Root, found.Items())), Sorted({"1.url", "2.url", "A\\B\\4.url", "5.url"}));
}

TEST_F(FiveFiles, NilListAndASecondSearch) {
    int first = 1, second = 2;
    EXPECT_EQ(List.Search(nullptr, &first), 5);
    ASSERT_NE(List.FoundList(), nullptr);
    EXPECT_EQ(List.FoundList()->Count(), 5u);
    EXPECT_EQ(List.SearchData(), &first);

    List.SetFileName("1.url;5.url");
    TStringList found;
    found.Add("kept");
    EXPECT_EQ(List.Search(&found, &second), 2);
    EXPECT_EQ(List.FoundCount(), 2);
    EXPECT_EQ(List.FoundList()->Count(), 2u) << "the found list was not emptied";
    EXPECT_EQ(found.Count(), 3u);
    EXPECT_EQ(found[0], "kept");
    EXPECT_EQ(List.SearchData(), &second);
}

TEST(TSearchFileList, MissingFolderAndEmptyDirectoryListNothing) {
    TempFolder root("fsm");
    MakeEntries(root, {"here.url"});
    char previous[MAX_PATH + 1];
    ::GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(::SetCurrentDirectoryA(root.Path().c_str()));

    for (const std::string& directory : {root / "missing", std::string()}) {
        SCOPED_TRACE("Directory \"" + Escaped(directory) + "\"");
        TSearchFileList list(nullptr);
        list.SetDirectory(directory);
        list.SearchSubDirectory = true;
        Recorder recorder(list);
        TStringList found;
        found.Add("kept");
        EXPECT_EQ(list.Search(&found, nullptr), 0);
        EXPECT_TRUE(recorder.Seen.empty()) << Joined(recorder.Seen);
        EXPECT_EQ(found.Count(), 1u);
    }
    ::SetCurrentDirectoryA(previous);
}

// Find handles are not counted by GetProcessHandleCount under wine, so count
// the handle values that are open instead.
std::size_t OpenHandles() {
    std::size_t open = 0;
    for (std::uintptr_t value = 4; value < 0x8000; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
    }
    return open;
}

TEST_F(FiveFiles, ExceptionFromHandlerLeavesSearchWithListingsClosed) {
    {
        // The count must see an open listing, or the check below proves nothing.
        const std::size_t before = OpenHandles();
        TSearchRec rec;
        TFindListing listing;
        ASSERT_EQ(FindFirst(Root / "*.*", fa::AnyFile, rec, listing), 0);
        ASSERT_GT(OpenHandles(), before);
    }
    // The first exception of a process opens handles of its own.
    try {
        throw std::runtime_error("warm-up");
    } catch (const std::runtime_error&) {
    }
    Recorder recorder(List);
    recorder.OnEntry = [&](const std::string& FileName, bool&, bool&) {
        if (FileName.find("4.url") != std::string::npos) throw std::runtime_error("handler failed");
    };
    TStringList found;
    const std::size_t before = OpenHandles();
    EXPECT_THROW(List.Search(&found, nullptr), std::runtime_error);
    EXPECT_EQ(OpenHandles(), before) << "a listing was left open";
    EXPECT_EQ(found.Count(), 0u);
    const std::size_t collected = recorder.Seen.size() - 1;  // all but the one that threw
    EXPECT_EQ(List.FoundCount(), static_cast<int>(collected));
    ASSERT_NE(List.FoundList(), nullptr);
    EXPECT_EQ(List.FoundList()->Items(), Paths(recorder.Seen.begin(), recorder.Seen.end() - 1));
}

std::wstring Wide(const std::string& S) {
    std::wstring w(S.size() + 1, L'\0');
    w.resize(::MultiByteToWideChar(CP_ACP, 0, S.c_str(), -1, &w[0], static_cast<int>(w.size())) - 1);
    return w;
}

// The Unix name of an existing path under wine; empty elsewhere.
std::string UnixName(const std::string& Path) {
    using Convert = char*(CDECL*)(LPCWSTR);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (convert == nullptr) return std::string();
    char* name = convert(Wide(Path).c_str());
    std::string out = name != nullptr ? name : "";
    ::HeapFree(::GetProcessHeap(), 0, name);
    return out;
}

bool IsFolderLinkAt(const std::string& Path) {
    const DWORD attributes = ::GetFileAttributesA(Path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// wine starts Unix programs too, but its handle of one may signal before the
// program is done: callers wait for the result instead.
bool WaitUntil(const std::function<bool()>& Done) {
    for (int wait = 0; wait < 100; ++wait, ::Sleep(50)) {
        if (Done()) return true;
    }
    return false;
}

// A link to a folder, removed when it goes: a Unix symbolic link under wine
// (its CreateSymbolicLinkA reports success and makes nothing, and its
// RemoveDirectoryA does not remove one), a Windows symbolic link elsewhere.
class FolderLink {
public:
    FolderLink(const std::string& Link, const std::string& Target) : FLink(Link) {
        const std::string folder = ExtractFilePath(Link);
        FUnixLink = UnixName(folder);
        const std::string target = UnixName(Target);
        if (!FUnixLink.empty() && !target.empty()) {
            FUnixLink += "/" + Link.substr(folder.size());
            ReadProcessOutput("/bin/ln -s \"" + target + "\" \"" + FUnixLink + "\"");
        } else {
            FUnixLink.clear();
            ::CreateSymbolicLinkA(Link.c_str(), Target.c_str(),
                                  SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        }
        FMade = WaitUntil([&] { return IsFolderLinkAt(Link); });
    }
    ~FolderLink() {
        if (!FUnixLink.empty()) ReadProcessOutput("/bin/rm \"" + FUnixLink + "\"");
        else ::RemoveDirectoryA(FLink.c_str());
        WaitUntil([&] { return !PathExists(FLink); });
    }
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;
    bool Made() const { return FMade; }

private:
    std::string FLink, FUnixLink;
    bool FMade = false;
};

TEST(TSearchFileList, LinkedFoldersAreEnteredAndCyclesEnd) {
    TempFolder root("fsl");
    TempFolder outside("fso");
    MakeEntries(root, {"Top\\", "Top\\t.url", "Top\\Sub\\", "Top\\Sub\\s.url"});
    MakeEntries(outside, {"o.url", "Shared\\", "Shared\\h.url"});
    // Back to the top, to the folder itself, to an outside folder that links back in.
    const FolderLink up(root / "Top\\Sub\\Up", root / "Top");
    const FolderLink self(root / "Top\\Sub\\Self", root / "Top\\Sub");
    const FolderLink out(root / "Top\\Out", outside.Path());
    const FolderLink back(outside / "Shared\\Back", root / "Top");
    for (const FolderLink* link : {&up, &self, &out, &back}) ASSERT_TRUE(link->Made());

    TSearchFileList list(nullptr);
    list.SetDirectory(root / "Top");
    list.SearchSubDirectory = true;
    list.SearchDirectoryName = true;
    list.SetFileName("*.url");
    Recorder recorder(list);
    list.Search(nullptr, nullptr);

    // A link is reported like any folder; one that leads back to a folder on
    // the way down is not entered again.
    const Paths expected = {"Top\\t.url", "Top\\Sub", "Top\\Sub\\s.url", "Top\\Sub\\Up", "Top\\Sub\\Self",
                            "Top\\Out", "Top\\Out\\o.url", "Top\\Out\\Shared", "Top\\Out\\Shared\\h.url",
                            "Top\\Out\\Shared\\Back"};
    EXPECT_EQ(Sorted(Relative(root, recorder.Seen)), Sorted(expected)) << Joined(recorder.Seen);
    ExpectDepthFirst(recorder.Seen, {root / "Top\\Sub", root / "Top\\Out", root / "Top\\Out\\Shared"});
}

// The wide calls with "\\?\" reach paths the ANSI ones cannot.
std::wstring LongPath(const std::string& Path) { return L"\\\\?\\" + Wide(Path); }

TEST(TSearchFileList, PathsBeyondTheAnsiLimitYieldNothing) {
    TempFolder root("fsp");
    // Folders down to a path of 235 bytes, then entries on both sides of the limit.
    const std::size_t depth = 235;
    std::string deep = root.Path();
    Paths made;  // in creation order, removed in reverse
    while (deep.size() < depth) {
        const std::size_t room = depth - deep.size() - 1;
        deep += std::string(room >= 42 ? 40 : room, 'd') + "\\";
        made.push_back(deep);
    }
    ASSERT_EQ(deep.size(), depth);
    const std::string fits = deep + "fits.url";
    const std::string longName = deep + std::string(MaxAnsiPath + 1 - depth - 4, 'n') + ".url";  // one byte over
    const std::string beyond = deep + std::string(22, 'b') + "\\";  // fits, but its listing pattern does not
    const std::string inBeyond = beyond + "in.url";
    for (const std::string& folder : made) ASSERT_TRUE(::CreateDirectoryW(LongPath(folder).c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryW(LongPath(beyond).c_str(), nullptr));
    for (const std::string& file : {fits, longName, inBeyond}) {
        FileHandle h(::CreateFileW(LongPath(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(h.Valid()) << Escaped(file) << " error " << ::GetLastError();
    }
    made.push_back(beyond);

    TSearchFileList list(nullptr);
    list.SetDirectory(root.Path());
    list.SearchSubDirectory = true;
    list.SearchDirectoryName = true;
    list.SetFileName("*.url");
    Recorder recorder(list);
    TStringList found;
    list.Search(&found, nullptr);

    for (const std::string& expected : {fits, beyond.substr(0, beyond.size() - 1)})
        EXPECT_NE(std::find(recorder.Seen.begin(), recorder.Seen.end(), expected), recorder.Seen.end())
            << Escaped(expected) << " missing from\n" << Joined(recorder.Seen);
    for (const std::string& p : recorder.Seen) {
        SCOPED_TRACE(Escaped(p));
        EXPECT_LE(p.size(), MaxAnsiPath);
        EXPECT_TRUE(PathExists(p)) << "reported a path that names nothing";
        EXPECT_NE(p, longName);
        EXPECT_NE(p.compare(0, beyond.size(), beyond), 0) << "listed a folder whose pattern is too long";
    }

    for (const std::string& file : {fits, longName, inBeyond}) ::DeleteFileW(LongPath(file).c_str());
    for (auto it = made.rbegin(); it != made.rend(); ++it) ::RemoveDirectoryW(LongPath(*it).c_str());
}

}  // namespace
