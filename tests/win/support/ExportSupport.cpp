#include "ExportSupport.h"

#include <winioctl.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "host/PluginLibrary.h"
#include "platform/FileIO.h"
#include "platform/FilePath.h"

bool SetLocalWriteTime(const std::string& Path, WORD Year, WORD Month, WORD Day, WORD Hour, WORD Minute,
                       WORD Second) {
    SYSTEMTIME st{Year, Month, 0, Day, Hour, Minute, Second, 0};
    FILETIME local, utc;
    if (!::SystemTimeToFileTime(&st, &local) || !::LocalFileTimeToFileTime(&local, &utc)) return false;
    HANDLE file = ::CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BOOL ok = ::SetFileTime(file, nullptr, nullptr, &utc);
    ::CloseHandle(file);
    return ok != 0;
}

void WriteFavorites(const std::string& Root, const std::vector<FavoriteFile>& Files) {
    for (const auto& f : Files) {
        std::string path = Root + f.RelativePath;
        ForceDirectories(ExtractFilePath(path));
        WriteFileBytes(path, f.Content);
        EXPECT_TRUE(SetLocalWriteTime(path, 2005, 6, 7, 8, 9, 10)) << Escaped(path);
    }
}

namespace {

bool ReadVariable(const char* Name, std::string& Value) {
    DWORD need = ::GetEnvironmentVariableA(Name, nullptr, 0);
    if (need == 0) return false;
    Value.assign(need, '\0');
    Value.resize(::GetEnvironmentVariableA(Name, &Value[0], need));
    return true;
}

}  // namespace

TempPathOverride::TempPathOverride(const std::string& Folder) {
    FHadTmp = ReadVariable("TMP", FOldTmp);
    FHadTemp = ReadVariable("TEMP", FOldTemp);
    ::SetEnvironmentVariableA("TMP", Folder.c_str());
    ::SetEnvironmentVariableA("TEMP", Folder.c_str());
}

TempPathOverride::~TempPathOverride() {
    ::SetEnvironmentVariableA("TMP", FHadTmp ? FOldTmp.c_str() : nullptr);
    ::SetEnvironmentVariableA("TEMP", FHadTemp ? FOldTemp.c_str() : nullptr);
}

std::int32_t RunExporter(const std::string& Plugin, const std::string& Folder) {
    PluginLibrary plugin(BinDir() + Plugin + ".dll");
    EXPECT_TRUE(plugin.Usable()) << plugin.Error();
    if (!plugin.Usable()) return -99;
    return plugin.Execute({Folder});
}

namespace {

// Wine's mount manager extension (its ddk/mountmgr.h).
constexpr DWORD DefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
struct UnixDriveRequest {
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};

std::string UnixPathOf(const std::string& WindowsPath) {
    using Fn = char*(__cdecl*)(const wchar_t*);
    auto toUnix = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return std::string();
    int n = ::MultiByteToWideChar(CP_ACP, 0, WindowsPath.c_str(), -1, nullptr, 0);
    std::wstring wide(n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, WindowsPath.c_str(), -1, &wide[0], n);
    char* unixPath = toUnix(wide.c_str());
    if (!unixPath) return std::string();
    std::string result = unixPath;
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}

}  // namespace

bool DriveMapping::Request(char Letter, DWORD Type, const std::string& UnixPath) {
    std::vector<char> buffer(sizeof(UnixDriveRequest) + UnixPath.size() + 1, '\0');
    auto* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
    request->size = static_cast<ULONG>(buffer.size());
    request->type = Type;
    request->letter = static_cast<WCHAR>(Letter - 'A' + 'a');
    if (!UnixPath.empty()) {
        request->mount_point_offset = sizeof(UnixDriveRequest);
        std::copy(UnixPath.begin(), UnixPath.end(), buffer.begin() + sizeof(UnixDriveRequest));
    }
    HANDLE manager = ::CreateFileA("\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) {
        FError = "no mount manager: " + std::to_string(::GetLastError());
        return false;
    }
    DWORD returned = 0;
    BOOL ok = ::DeviceIoControl(manager, DefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr,
                                0, &returned, nullptr);
    if (!ok) FError = "the mount manager refused: " + std::to_string(::GetLastError());
    ::CloseHandle(manager);
    return ok != 0;
}

DriveMapping::DriveMapping(const std::string& Folder) {
    std::string unixPath = UnixPathOf(Folder);
    if (unixPath.empty()) {
        FError = "no Unix path for " + Folder;
        return;
    }
    DWORD used = ::GetLogicalDrives();
    for (char c = 'P'; c <= 'Y'; ++c) {
        if (used & (1u << (c - 'A'))) continue;
        if (Request(c, DRIVE_FIXED, unixPath)) FDrive = std::string(1, c) + ":";
        return;
    }
    FError = "no free drive letter";
}

DriveMapping::~DriveMapping() {
    if (!FDrive.empty()) Request(FDrive[0], DRIVE_NO_ROOT_DIR, std::string());
}
