#include "listexport/ListLibrary.h"

#include "listexport/EntryLine.h"
#include "listexport/FolderSort.h"
#include "listexport/ListOutput.h"
#include "plugin/LibUnitShell.h"
#include "plugin/Shortcut.h"
#include "search/FileSearchList.h"

namespace {

// Releases the entry lines when the run ends, also by an error.
struct EntryLinesScope {
    std::unique_ptr<TStringList>& Lines;
    explicit EntryLinesScope(std::unique_ptr<TStringList>& L) : Lines(L) { Lines = std::make_unique<TStringList>(); }
    ~EntryLinesScope() { Lines.reset(); }
};

}  // namespace

void TListLibrary::Run(const std::string& OutputFile) {
    WriteList(OutputFile);
    // The shell's answer is not looked at: a list no program opens stays written.
    OpenDocument(nullptr, OutputFile, "");
}

void TListLibrary::WriteList(const std::string& OutputFile) {
    TSearchFileList search(nullptr);
    search.OnFileFind = [this](TObject* Sender, const std::string& FileName, TSearchRec FileRec, void* Data,
                               bool& AddList, bool& DoCancel) {
        SearchFileListFileFind(Sender, FileName, std::move(FileRec), Data, AddList, DoCancel);
    };
    EntryLinesScope scope(FEntryLines);
    TStringList output;
    TStringList found;
    search.SetDirectory(FRootFolder);
    search.SearchSubDirectory = true;
    search.SetFileName("*.URL");
    search.Search(&found, nullptr);
    SortByFolder(found);
    BuildListOutput(FListMode, FRootFolder, found, *FEntryLines, output);
    output.SaveToFile(OutputFile);
}

void TListLibrary::SortByFolder(TStringList& Files) {
    SortFilesByFolder(Files.Items(), FEntryLines->Items());
}

void TListLibrary::SearchFileListFileFind(TObject*, const std::string& FileName, TSearchRec, void*, bool&, bool&) {
    TShortcutInfo info = ReadShortcut(FileName, FListMode == listmode::Csv);
    FEntryLines->Add(MakeEntryLine(FListMode, info));
}
