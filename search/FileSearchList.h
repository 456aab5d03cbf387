// TSearchFileList: walks one folder or a folder tree, filters entry names with
// a mask list, reports every fitting entry through OnFileFind and collects the
// accepted paths. TSearchFile is the walker of one folder.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Component.h"
#include "platform/SearchRec.h"
#include "platform/StringList.h"

// Sender, FileName (full path), FileRec (a copy), Data, var AddList, var DoCancel.
using TFindFileList =
    std::function<void(TObject* Sender, const std::string& FileName, TSearchRec FileRec, void* Data, bool& AddList,
                       bool& DoCancel)>;
// FileName, FileRec, Data, var DoCancel.
using TSearchFileEvent =
    std::function<void(const std::string& FileName, TSearchRec FileRec, void* Data, bool& DoCancel)>;

class TSearchFile : public TObject {
public:
    TSearchFile();

    const std::string& Path() const { return FPath; }
    void SetPath(const std::string& Value);          // separator rule
    const std::string& Pattern() const { return FPattern; }
    void SetPattern(const std::string& Value);       // empty becomes "*.*"

    bool SearchDirectoryName = false;
    bool SearchSubDirectory = true;
    bool DirectorySearchMode = false;
    TSearchFileEvent OnFind;

    // True when the walk was cancelled here or in any folder below.
    bool Walk(void* Data);

protected:
    virtual void DoFind(const std::string& FileName, const TSearchRec& FileRec, void* Data, bool& DoCancel);

private:
    // Link cycles: a folder reached through a link (or below one) is not
    // walked when it is the same folder as one on the way down from the top.
    // Without a link on the way a folder cannot repeat, so plain trees never
    // pay for asking the system which folder a path really is.
    bool IsOnPathAbove();
    const TFolderIdentity* Identity();  // asked once, null when unknown

    std::string FPath;
    std::string FPattern = "*.*";
    std::unique_ptr<TSearchFile> FSubWalker;
    TSearchFile* FParent = nullptr;  // the walker of the folder above, while this one walks
    bool FUnderLink = false;         // this folder is a link or lies below one
    bool FIdentityAsked = false;
    bool FIdentityKnown = false;
    TFolderIdentity FIdentity;
};

class TSearchFileList : public TComponent {
public:
    explicit TSearchFileList(TComponent* AOwner);

    TFindFileList OnFileFind;
    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& Value);     // separator rule
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value);      // empty becomes "*.*"
    bool SearchDirectoryName = false;
    bool SearchSubDirectory = false;
    bool DirectorySearchMode = false;

    // Collects into FoundList, appends it to List (may be null), returns the count.
    int Search(TStringList* List, void* Data);

    TStringList* FoundList() const { return FFoundList.get(); }  // null before the first Search
    int FoundCount() const { return FFoundCount; }
    void* SearchData() const { return FSearchData; }

protected:
    virtual void DoFileFind(const std::string& FileName, const TSearchRec& FileRec, void* Data, bool& AddList,
                            bool& DoCancel);

private:
    void FilterEntry(const std::string& FileName, const TSearchRec& FileRec, void* Data, bool& DoCancel);
    void FilterFileEntry(const std::string& FileName, const TSearchRec& FileRec, void* Data, bool& DoCancel);
    // Reports an entry that passed the filter and collects it unless refused.
    void Collect(const std::string& FileName, const TSearchRec& FileRec, bool& DoCancel);

    std::string FDirectory;
    std::string FFileName = "*.*";
    std::string FLowerFileName = "*.*";  // FFileName lower-cased once, as the matcher would for every entry
    std::unique_ptr<TStringList> FFoundList;
    int FFoundCount = 0;
    void* FSearchData = nullptr;
};
