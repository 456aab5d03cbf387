#include "platform/BrowserText.h"

#include "platform/AnsiText.h"
#include "platform/FilePath.h"

std::vector<TFilterEntry> ParseFilter(std::string_view Filter) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < Filter.size(); i += CharLengthAt(Filter, i)) {
        if (Filter[i] != '|') continue;
        parts.emplace_back(Filter.substr(start, i - start));
        start = i + 1;
    }
    parts.emplace_back(Filter.substr(start));
    std::vector<TFilterEntry> out;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        if (parts[i].empty() && i + 1 >= parts.size()) break;  // "" or a trailing "|"
        out.push_back({parts[i], i + 1 < parts.size() && !parts[i + 1].empty() ? parts[i + 1] : "*.*"});
    }
    return out;
}

std::vector<TFolderLevel> FolderChain(std::string_view Folder) {
    std::string path(Folder);
    if (path.empty()) return {};
    if (!IsPathDelimiter(path, path.size())) path += '\\';
    // Delimiter positions (0-based) on character boundaries.
    std::vector<std::size_t> cuts;
    for (std::size_t i = 0; i < path.size(); i += CharLengthAt(path, i))
        if (path[i] == '\\') cuts.push_back(i);
    // The root ends at the first delimiter ("C:\"), or at the fourth for "\\server\share\".
    std::size_t rootCut = path.compare(0, 2, "\\\\") == 0 ? 3 : 0;
    if (rootCut >= cuts.size()) rootCut = cuts.size() - 1;
    std::vector<TFolderLevel> out;
    out.push_back({path.substr(0, cuts[rootCut] + 1), path.substr(0, cuts[rootCut] + 1)});
    for (std::size_t k = rootCut + 1; k < cuts.size(); ++k) {
        std::size_t from = cuts[k - 1] + 1;
        out.push_back({path.substr(0, cuts[k] + 1), path.substr(from, cuts[k] - from)});
    }
    return out;
}

bool FileNameLess(const std::string& A, const std::string& B) {
    std::string a = AnsiLowerCase(A), b = AnsiLowerCase(B);
    if (a != b) return a < b;
    return A < B;
}
