// TSearchRec: one entry of a folder listing, as FindFirst / FindNext give it.
#pragma once
#include <cstdint>
#include <string>

// Attribute bits of the listing.
namespace fa {
constexpr std::uint32_t ReadOnly = 0x01, Hidden = 0x02, SysFile = 0x04, VolumeID = 0x08, Directory = 0x10,
                        Archive = 0x20, AnyFile = 0x3F;
}

struct TSearchRec {
    std::int32_t Time = 0;        // last write, local time, DOS date (high word) and time (low word)
    std::int64_t Size = 0;        // bytes
    std::uint32_t Attr = 0;       // fa:: bits
    std::string Name;             // the entry's own name, code page 932
    std::uint32_t FindAttributes = 0;  // the raw Win32 attributes (reparse point bit included)
};

// Which folder a path really names (volume and file index), so a walk can tell
// a folder it reached again through a link from a new one.
struct TFolderIdentity {
    std::uint32_t Volume = 0;
    std::uint64_t Index = 0;
    bool operator==(const TFolderIdentity& O) const { return Volume == O.Volume && Index == O.Index; }
};
