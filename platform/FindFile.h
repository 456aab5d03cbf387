// Folder listing: FindFirst / FindNext / FindClose fill a TSearchRec with the
// entries that fit an attribute set. The listing owns its find handle, so every
// way out of a walk (an exception included) closes it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Handles.h"
#include "platform/SearchRec.h"

// The longest path the ANSI file calls accept: MAX_PATH less the NUL.
constexpr std::size_t MaxAnsiPath = MAX_PATH - 1;

class TFindListing {
public:
    TFindListing() = default;
    TFindListing(TFindListing&&) = default;
    TFindListing& operator=(TFindListing&&) = default;

    bool IsOpen() const { return FHandle.Valid(); }

private:
    friend int FindFirst(const std::string&, std::uint32_t, TSearchRec&, TFindListing&);
    friend int FindNext(TSearchRec&, TFindListing&);
    friend void FindClose(TFindListing&);

    FindHandle FHandle;
    std::uint32_t FExcludeAttr = 0;
    std::int64_t FLocalBias = 0;  // local file time less UTC, in 100 ns units
    WIN32_FIND_DATAA FData{};
};

// Opens the listing of Pattern (a folder path and a wildcard) and fills Rec with
// its first entry whose attributes fit Attr (fa:: bits; hidden, system, volume
// and directory entries are left out unless Attr names them). Returns 0, or the
// system's error code with the listing closed: nothing fits, the folder is
// missing or unreadable, or Pattern is longer than the ANSI calls accept.
int FindFirst(const std::string& Pattern, std::uint32_t Attr, TSearchRec& Rec, TFindListing& Listing);

// The next fitting entry: 0, or ERROR_NO_MORE_FILES (or another error code).
int FindNext(TSearchRec& Rec, TFindListing& Listing);

void FindClose(TFindListing& Listing);

// Symbolic links, junctions and mount points: entries whose folder may be
// one met elsewhere in the tree (wine marks Unix symlinks the same way).
inline bool IsFolderLink(const TSearchRec& Rec) { return (Rec.FindAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

// The real identity of the folder at Path, links followed: the same folder
// reached by two paths gives equal identities. False when it cannot be opened.
bool GetFolderIdentity(const std::string& Path, TFolderIdentity& Identity);
