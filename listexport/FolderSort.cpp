#include "listexport/FolderSort.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "platform/FilePath.h"

void SortFilesByFolder(std::vector<std::string>& Files, std::vector<std::string>& Lines) {
    const std::size_t n = Files.size();
    std::vector<std::string> folders;
    folders.reserve(n);
    for (const std::string& f : Files) folders.push_back(ExtractFilePath(f));

    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned char: Japanese lead bytes (0x81 and up) after ASCII.
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return folders[a] < folders[b]; });

    std::vector<std::string> files(n), lines(n);
    for (std::size_t i = 0; i < n; ++i) {
        files[i] = std::move(Files[order[i]]);
        lines[i] = std::move(Lines[order[i]]);
    }
    Files.swap(files);
    Lines.swap(lines);
}
