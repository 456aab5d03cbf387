// TListLibrary: the favourites list exporter. One run walks the favourites
// folder for "*.URL" files, makes one entry line per file, groups the lines
// by folder under headings, writes the list file and has the shell open it.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Component.h"
#include "platform/SearchRec.h"
#include "platform/StringList.h"

class TListLibrary : public TObject {
public:
    TListLibrary(std::string RootFolder, std::uint8_t ListMode)
        : FRootFolder(std::move(RootFolder)), FListMode(ListMode) {}

    // Writes the list to OutputFile and asks the shell to open it; throws
    // PlatformError (and opens nothing) when the file cannot be written.
    void Run(const std::string& OutputFile);

    // Run without the shell: search, sort, build and save.
    void WriteList(const std::string& OutputFile);

    // Sorts Files stably by folder, moving each entry line with its file.
    void SortByFolder(TStringList& Files);

    // OnFileFind of the search: reads the shortcut and appends its entry line.
    void SearchFileListFileFind(TObject* Sender, const std::string& FileName, TSearchRec FileRec, void* Data,
                                bool& AddList, bool& DoCancel);

private:
    std::unique_ptr<TStringList> FEntryLines;  // exists only while a run runs
    std::string FRootFolder;
    std::uint8_t FListMode;
};
