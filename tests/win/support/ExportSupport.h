// Fixtures of the list exporter tests: a favourites tree on disk with chosen
// file times, the temporary folder pointed at a private one, and one run of
// an exporter DLL the way the host calls it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"

// Sets a file's last-write time to a local date and time (the inverse of the
// conversion FileAge makes, with the same bias).
bool SetLocalWriteTime(const std::string& Path, WORD Year, WORD Month, WORD Day, WORD Hour, WORD Minute,
                       WORD Second);

struct FavoriteFile {
    std::string RelativePath;  // below the favourites folder; folders are made
    std::string Content;
};

// Writes the files under Root (ending in "\"); every file gets the time
// 2005/06/07 08:09:10 unless the list says otherwise elsewhere.
void WriteFavorites(const std::string& Root, const std::vector<FavoriteFile>& Files);

// Points TMP and TEMP of this process at Folder while it lives, so
// GetTempPathA (and the plug-ins) answer Folder.
class TempPathOverride {
public:
    explicit TempPathOverride(const std::string& Folder);
    ~TempPathOverride();
    TempPathOverride(const TempPathOverride&) = delete;
    TempPathOverride& operator=(const TempPathOverride&) = delete;

private:
    std::string FOldTmp, FOldTemp;
    bool FHadTmp, FHadTemp;
};

// A private temporary folder, a favourites folder named Favorites in another
// one, and the recorder log: what every exporter test runs in.
class ExportFixture : public ::testing::Test {
protected:
    ExportFixture() : FOverride(FTemp.Path()) { RequireCodePage932(); }

    std::string Root() const { return FFavorites / "Favorites\\"; }
    std::string ListFile() const { return FTemp / "Favorites.txt"; }

    RecorderLog FRecorder;
    TempFolder FFavorites{"fav"};
    TempFolder FTemp{"tmp"};
    TempPathOverride FOverride;
};

// Loads Plugin.dll from BinDir() by its ordinals and calls ExecutePlugin
// with the single string Folder.
std::int32_t RunExporter(const std::string& Plugin, const std::string& Folder);

// A drive letter mapped onto a folder for as long as the object lives, so a
// favourites folder can stand at a drive's root. Wine keeps drives as links
// in its prefix, made through its mount manager's Unix-drive request
// (DefineDosDeviceA makes nothing FindFirstFileA can list there).
class DriveMapping {
public:
    explicit DriveMapping(const std::string& Folder);
    ~DriveMapping();
    DriveMapping(const DriveMapping&) = delete;
    DriveMapping& operator=(const DriveMapping&) = delete;

    // "Q:", or empty when no mapping could be made (Error() says why).
    const std::string& Drive() const { return FDrive; }
    const std::string& Error() const { return FError; }

private:
    bool Request(char Letter, DWORD Type, const std::string& UnixPath);
    std::string FDrive, FError;
};
