#include "search/FileSearchList.h"

#include "platform/AnsiText.h"
#include "platform/FilePath.h"
#include "platform/FindFile.h"
#include "search/MatchesLiblary.h"

namespace {

// Folder paths end in a single-byte "\"; a 0x5C trail byte does not count.
std::string WithSeparator(const std::string& Value) {
    if (Value.empty() || IsPathDelimiter(Value, Value.size())) return Value;
    return Value + '\\';
}

bool IsFolder(const TSearchRec& Rec) { return (Rec.Attr & fa::Directory) != 0; }

// The walker reports folder path + FileRec.Name, so the record's name is what
// ExtractFileName would cut from the path, without a scan of the whole path.
bool FitsMasks(const TSearchRec& FileRec, const std::string& Masks) { return MatchesMaskList(FileRec.Name, Masks, true); }

// Files, folders, hidden and system entries; volume labels excluded.
constexpr std::uint32_t FilesAndFolders = fa::ReadOnly | fa::Hidden | fa::SysFile | fa::Directory | fa::Archive;
constexpr std::uint32_t FilesOnly = FilesAndFolders & ~fa::Directory;

}  // namespace

TSearchFile::TSearchFile() = default;

void TSearchFile::SetPath(const std::string& Value) { FPath = WithSeparator(Value); }

void TSearchFile::SetPattern(const std::string& Value) { FPattern = Value.empty() ? "*.*" : Value; }

void TSearchFile::DoFind(const std::string& FileName, const TSearchRec& FileRec, void* Data, bool& DoCancel) {
    DoCancel = false;
    if (OnFind) OnFind(FileName, FileRec, Data, DoCancel);
}

const TFolderIdentity* TSearchFile::Identity() {
    if (!FIdentityAsked) {
        FIdentityKnown = GetFolderIdentity(FPath, FIdentity);
        FIdentityAsked = true;
    }
    return FIdentityKnown ? &FIdentity : nullptr;
}

bool TSearchFile::IsOnPathAbove() {
    const TFolderIdentity* self = Identity();
    if (self == nullptr) return false;
    for (TSearchFile* above = FParent; above != nullptr; above = above->FParent) {
        const TFolderIdentity* other = above->Identity();
        if (other != nullptr && *other == *self) return true;
    }
    return false;
}

bool TSearchFile::Walk(void* Data) {
    bool Cancelled = false;
    // An empty path would list the process's current folder under bare names,
    // a folder the host chooses, not the caller: it lists nothing.
    if (FPath.empty()) return Cancelled;
    if (FUnderLink && IsOnPathAbove()) return Cancelled;

    const bool listFolders = SearchDirectoryName || SearchSubDirectory || DirectorySearchMode;
    TSearchRec rec;
    TFindListing listing;
    std::string entryPath;
    for (int found = FindFirst(FPath + FPattern, listFolders ? FilesAndFolders : FilesOnly, rec, listing);
         found == 0; found = FindNext(rec, listing)) {
        // A path the ANSI calls cannot take is left out, never shortened.
        if (FPath.size() + rec.Name.size() > MaxAnsiPath) continue;
        entryPath.assign(FPath).append(rec.Name);
        if (!IsFolder(rec)) {
            if (DirectorySearchMode) continue;
            DoFind(entryPath, rec, Data, Cancelled);
            if (Cancelled) break;
            continue;
        }
        if (!rec.Name.empty() && rec.Name[0] == '.') continue;  // ".", ".." and every dot folder
        if (SearchDirectoryName || DirectorySearchMode) {
            DoFind(entryPath, rec, Data, Cancelled);
            if (Cancelled) break;
        }
        if (!SearchSubDirectory) continue;
        FSubWalker = std::make_unique<TSearchFile>();
        if (OnFind) FSubWalker->OnFind = OnFind;
        FSubWalker->SetPath(entryPath);
        FSubWalker->SetPattern(FPattern);
        FSubWalker->SearchDirectoryName = SearchDirectoryName;
        FSubWalker->SearchSubDirectory = SearchSubDirectory;
        FSubWalker->DirectorySearchMode = DirectorySearchMode;
        FSubWalker->FParent = this;
        FSubWalker->FUnderLink = FUnderLink || IsFolderLink(rec);
        const bool below = FSubWalker->Walk(Data);
        FSubWalker.reset();
        if (below) {
            Cancelled = true;
            break;
        }
    }
    return Cancelled;
}

TSearchFileList::TSearchFileList(TComponent* AOwner) : TComponent(AOwner) {}

void TSearchFileList::SetDirectory(const std::string& Value) { FDirectory = WithSeparator(Value); }

void TSearchFileList::SetFileName(const std::string& Value) {
    FFileName = Value.empty() ? "*.*" : Value;
    FLowerFileName = AnsiLowerCase(FFileName);
}

void TSearchFileList::DoFileFind(const std::string& FileName, const TSearchRec& FileRec, void* /*Data*/,
                                 bool& AddList, bool& DoCancel) {
    AddList = true;
    DoCancel = false;
    // A copy, so a handler may reassign OnFileFind while it runs.
    if (TFindFileList handler = OnFileFind) handler(this, FileName, FileRec, FSearchData, AddList, DoCancel);
}

void TSearchFileList::Collect(const std::string& FileName, const TSearchRec& FileRec, bool& DoCancel) {
    // The walker's DoCancel goes straight to the handler.
    bool AddList = true;
    DoFileFind(FileName, FileRec, FSearchData, AddList, DoCancel);
    if (!AddList) return;
    ++FFoundCount;
    FFoundList->Add(FileName);
}

void TSearchFileList::FilterEntry(const std::string& FileName, const TSearchRec& FileRec, void* /*Data*/,
                                  bool& DoCancel) {
    if (FitsMasks(FileRec, FLowerFileName)) Collect(FileName, FileRec, DoCancel);
}

// Folders are reported without a name test; files are tested as above.
void TSearchFileList::FilterFileEntry(const std::string& FileName, const TSearchRec& FileRec, void* /*Data*/,
                                      bool& DoCancel) {
    if (IsFolder(FileRec) || FitsMasks(FileRec, FLowerFileName))
        Collect(FileName, FileRec, DoCancel);
}

int TSearchFileList::Search(TStringList* List, void* Data) {
    if (FFoundList) FFoundList->Clear();
    else FFoundList = std::make_unique<TStringList>();
    FSearchData = Data;

    auto walker = std::make_unique<TSearchFile>();
    walker->SetPath(FDirectory);
    walker->SearchDirectoryName = SearchDirectoryName;
    walker->SearchSubDirectory = SearchSubDirectory;
    walker->DirectorySearchMode = DirectorySearchMode;
    FFoundCount = 0;
    if (SearchSubDirectory)
        walker->OnFind = [this](const std::string& FileName, TSearchRec FileRec, void* D, bool& DoCancel) {
            FilterFileEntry(FileName, FileRec, D, DoCancel);
        };
    else
        walker->OnFind = [this](const std::string& FileName, TSearchRec FileRec, void* D, bool& DoCancel) {
            FilterEntry(FileName, FileRec, D, DoCancel);
        };
    walker->SetPattern("*.*");
    walker->Walk(FSearchData);
    walker.reset();

    if (List != nullptr) List->AddStrings(*FFoundList);
    return FFoundCount;
}
