// What the file browser controls show, worked out without a window: the
// entries of a filter string, the chain of folders from a drive's root down
// to the current folder, and the order of listed names. Pure.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct TFilterEntry {
    std::string Label;
    std::string Pattern;
};

// "label|pattern|label|pattern...": "|" counts only as a single-byte
// character (ポ is 0x83 0x7C). A label without a pattern gets "*.*".
std::vector<TFilterEntry> ParseFilter(std::string_view Filter);

struct TFolderLevel {
    std::string Path;  // the folder, ending in "\"
    std::string Name;  // what the folder list shows: "C:\" for the root, else the folder's own name
};

// Root first, Folder itself last. Folder may lack its trailing "\". A UNC
// path's root is "\\server\share\".
std::vector<TFolderLevel> FolderChain(std::string_view Folder);

// The file list's order: A-Z folded to a-z on single-byte characters, then
// byte order; never the locale.
bool FileNameLess(const std::string& A, const std::string& B);
