// The order of the list: found files grouped by folder, each entry line
// moving with its file. Pure.
#pragma once
#include <string>
#include <vector>

// Sorts Files stably by folder (ExtractFilePath, compared as unsigned bytes,
// the shorter prefix first) and applies the same reordering to Lines. Each
// folder is computed once: O(N log N). Lines must be as long as Files.
void SortFilesByFolder(std::vector<std::string>& Files, std::vector<std::string>& Lines);
