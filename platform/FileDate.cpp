#include "platform/FileDate.h"

#include <windows.h>

std::int32_t FileAge(const std::string& FileName) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(FileName.c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    FILETIME local;
    WORD date = 0, time = 0;
    if (!::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local)) return -1;
    // Fails for times before 1980 or after 2107; the seconds are halved.
    if (!::FileTimeToDosDateTime(&local, &date, &time)) return -1;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time);
}
