// Search benchmark: TSearchFileList.Search with "*.URL" and sub-folders over a
// generated tree of 100,000 files in 1,000 folders, against the floor of a bare
// recursive FindFirstFileExA walk of the same tree in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Handles.h"
#include "search/FileSearchList.h"

namespace {

constexpr int FilesPerFolder = 100;
constexpr int Repetitions = 9;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Touch(const std::string& Path) {
    FileHandle file(::CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file) {
        std::fprintf(stderr, "cannot create %s (%lu)\n", Path.c_str(), ::GetLastError());
        std::exit(2);
    }
}

void MakeFolder(const std::string& Path) {
    if (!::CreateDirectoryA(Path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
        std::fprintf(stderr, "cannot create %s (%lu)\n", Path.c_str(), ::GetLastError());
        std::exit(2);
    }
}

// 10 folders, 9 in each, 10 in each of those: 1,000 folders of 100 files,
// every tenth file a shortcut; a few names are Shift-JIS.
int Generate(const std::string& Root, std::vector<std::string>& Folders) {
    int shortcuts = 0;
    char name[64];
    for (int a = 0; a < 10; ++a) {
        std::string top = Root + "お気に入り" + std::to_string(a) + "\\";
        Folders.push_back(top);
        for (int b = 0; b < 9; ++b) {
            std::string mid = top + "Folder " + std::to_string(b) + "\\";
            Folders.push_back(mid);
            for (int c = 0; c < 10; ++c) Folders.push_back(mid + "ソフト" + std::to_string(c) + "\\");
        }
    }
    for (const std::string& folder : Folders) MakeFolder(folder.substr(0, folder.size() - 1));
    for (const std::string& folder : Folders) {
        for (int i = 0; i < FilesPerFolder; ++i) {
            bool shortcut = i % 10 == 0;
            std::snprintf(name, sizeof name, i % 7 == 0 ? "表示ページ %03d.%s" : "page-%03d.%s", i,
                          shortcut ? "url" : "dat");
            Touch(folder + name);
            shortcuts += shortcut;
        }
    }
    return shortcuts;
}

void Remove(const std::vector<std::string>& Folders) {
    for (auto it = Folders.rbegin(); it != Folders.rend(); ++it) {
        WIN32_FIND_DATAA data;
        FindHandle find(::FindFirstFileA((*it + "*").c_str(), &data));
        if (find) {
            do {
                if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileA((*it + data.cFileName).c_str());
            } while (::FindNextFileA(find.Get(), &data));
        }
        find.Reset();
        ::RemoveDirectoryA(it->substr(0, it->size() - 1).c_str());
    }
}

// The floor: list every folder with the fastest listing call, descend into
// every sub-folder but "." and "..", and count the files.
long BareWalk(const std::string& Folder) {
    WIN32_FIND_DATAA data;
    FindHandle find(::FindFirstFileExA((Folder + "*.*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return 0;
    long files = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (data.cFileName[0] != '.') files += BareWalk(Folder + data.cFileName + "\\");
        } else {
            ++files;
        }
    } while (::FindNextFileA(find.Get(), &data));
    return files;
}

double Median(std::vector<double> V) {
    std::sort(V.begin(), V.end());
    return V[V.size() / 2];
}

}  // namespace

int main() {
    char temp[MAX_PATH + 1];
    std::string root(temp, ::GetTempPathA(sizeof temp, temp));
    root += "SearchBench" + std::to_string(::GetCurrentProcessId()) + "\\";
    MakeFolder(root.substr(0, root.size() - 1));

    std::vector<std::string> folders;
    double started = Now();
    const int shortcuts = Generate(root, folders);
    std::printf("tree: %zu folders, %d files, %d shortcuts, made in %.1f s\n", folders.size(),
                static_cast<int>(folders.size()) * FilesPerFolder, shortcuts, Now() - started);

    std::vector<double> bare, search;
    long walked = BareWalk(root);  // warm the caches once for both
    int found = 0;
    for (int r = 0; r < Repetitions; ++r) {
        double t0 = Now();
        walked = BareWalk(root);
        double t1 = Now();
        TSearchFileList list(nullptr);
        list.SetDirectory(root);
        list.SetFileName("*.URL");
        list.SearchSubDirectory = true;
        long reported = 0;
        list.OnFileFind = [&reported](TObject*, const std::string&, TSearchRec, void*, bool&, bool&) { ++reported; };
        TStringList paths;
        found = list.Search(&paths, nullptr);
        double t2 = Now();
        bare.push_back(t1 - t0);
        search.push_back(t2 - t1);
        if (found != shortcuts || reported != shortcuts || static_cast<int>(paths.Count()) != shortcuts) {
            std::fprintf(stderr, "search found %d (reported %ld) of %d shortcuts\n", found, reported, shortcuts);
            return 1;
        }
    }
    Remove(folders);
    ::RemoveDirectoryA(root.substr(0, root.size() - 1).c_str());

    if (walked != static_cast<long>(folders.size()) * FilesPerFolder) {
        std::fprintf(stderr, "bare walk saw %ld files\n", walked);
        return 1;
    }
    double bareMedian = Median(bare), searchMedian = Median(search);
    std::printf("bare walk:  median %.3f s, best %.3f s (%d runs)\n", bareMedian,
                *std::min_element(bare.begin(), bare.end()), Repetitions);
    std::printf("Search:     median %.3f s, best %.3f s, %d found\n", searchMedian,
                *std::min_element(search.begin(), search.end()), found);
    std::printf("ratio (search / bare walk, medians): %.3f (target at most 1.10)\n", searchMedian / bareMedian);
    return 0;
}
