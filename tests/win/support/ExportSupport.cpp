#include "ExportSupport.h"

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
