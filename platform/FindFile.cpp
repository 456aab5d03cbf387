#include "platform/FindFile.h"

namespace {

std::int64_t Ticks(const FILETIME& T) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(T.dwHighDateTime) << 32) | T.dwLowDateTime);
}

// FileTimeToLocalFileTime applies the bias in force now, whatever the date,
// so one call per listing gives every entry the same result a call of its own
// would, for a fraction of the cost.
std::int64_t CurrentLocalBias() {
    FILETIME now{}, local{};
    ::GetSystemTimeAsFileTime(&now);
    if (!::FileTimeToLocalFileTime(&now, &local)) return 0;
    return Ticks(local) - Ticks(now);
}

void FillRecord(const WIN32_FIND_DATAA& Data, std::int64_t LocalBias, TSearchRec& Rec) {
    const std::uint64_t ticks = static_cast<std::uint64_t>(Ticks(Data.ftLastWriteTime) + LocalBias);
    const FILETIME local{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    WORD date = 0, time = 0;
    if (::FileTimeToDosDateTime(&local, &date, &time))
        Rec.Time = static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time);
    else
        Rec.Time = -1;  // outside the DOS date range
    Rec.Size = static_cast<std::int64_t>((static_cast<std::uint64_t>(Data.nFileSizeHigh) << 32) | Data.nFileSizeLow);
    Rec.FindAttributes = Data.dwFileAttributes;
    Rec.Attr = Data.dwFileAttributes & fa::AnyFile;
    Rec.Name = Data.cFileName;
}

// Steps over entries the attribute set leaves out; fills Rec from the first
// one that fits.
int NextFitting(HANDLE Handle, WIN32_FIND_DATAA& Data, std::uint32_t Exclude, std::int64_t LocalBias,
                TSearchRec& Rec) {
    while (Data.dwFileAttributes & Exclude) {
        if (!::FindNextFileA(Handle, &Data)) return static_cast<int>(::GetLastError());
    }
    FillRecord(Data, LocalBias, Rec);
    return 0;
}

}  // namespace

int FindFirst(const std::string& Pattern, std::uint32_t Attr, TSearchRec& Rec, TFindListing& Listing) {
    FindClose(Listing);
    // c_str() would cut a path at an embedded NUL into a different one, and a
    // pattern beyond the ANSI limit is not one the ANSI calls can name.
    if (Pattern.find('\0') != std::string::npos) return ERROR_INVALID_NAME;
    if (Pattern.size() > MaxAnsiPath) return ERROR_FILENAME_EXCED_RANGE;

    // Basic info skips the short names we never read; large fetch asks for
    // bigger batches per call. Systems without them reject the call, and get
    // the plain listing instead.
    HANDLE handle = ::FindFirstFileExA(Pattern.c_str(), FindExInfoBasic, &Listing.FData, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER)
        handle = ::FindFirstFileA(Pattern.c_str(), &Listing.FData);
    if (handle == INVALID_HANDLE_VALUE) return static_cast<int>(::GetLastError());
    Listing.FHandle.Reset(handle);
    Listing.FExcludeAttr = ~Attr & (fa::Hidden | fa::SysFile | fa::VolumeID | fa::Directory);
    Listing.FLocalBias = CurrentLocalBias();

    int result = NextFitting(handle, Listing.FData, Listing.FExcludeAttr, Listing.FLocalBias, Rec);
    if (result != 0) FindClose(Listing);
    return result;
}

int FindNext(TSearchRec& Rec, TFindListing& Listing) {
    if (!Listing.IsOpen()) return ERROR_NO_MORE_FILES;
    if (!::FindNextFileA(Listing.FHandle.Get(), &Listing.FData)) return static_cast<int>(::GetLastError());
    return NextFitting(Listing.FHandle.Get(), Listing.FData, Listing.FExcludeAttr, Listing.FLocalBias, Rec);
}

void FindClose(TFindListing& Listing) { Listing.FHandle.Reset(); }

bool GetFolderIdentity(const std::string& Path, TFolderIdentity& Identity) {
    if (Path.find('\0') != std::string::npos || Path.size() > MaxAnsiPath) return false;
    // No access rights asked: the handle is only for the query. Backup
    // semantics is what lets CreateFile open a folder at all.
    FileHandle folder(::CreateFileA(Path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder) return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(folder.Get(), &info)) return false;
    Identity.Volume = info.dwVolumeSerialNumber;
    Identity.Index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}
