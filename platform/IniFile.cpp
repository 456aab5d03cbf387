#include "platform/IniFile.h"

#include <windows.h>

#include "platform/FileIO.h"

const TIniText& TIniFile::Text(bool ForWriting) {
    if (FText) return *FText;
    try {
        FText.emplace(ReadFileBytes(FFileName));
    } catch (const PlatformError& e) {
        // A missing file reads as empty and is created by the write. Any other
        // failure: readers see defaults, a writer must not replace a file it
        // could not read.
        bool missing = e.Code() == ERROR_FILE_NOT_FOUND || e.Code() == ERROR_PATH_NOT_FOUND;
        if (ForWriting && !missing) throw;
        FText.emplace();
    }
    return *FText;
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Key, const std::string& Default) {
    return Text(false).Find(Section, Key).value_or(Default);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Key, const std::string& Value) {
    Text(true);
    TIniText changed = *FText;
    if (!changed.Set(Section, Key, Value)) return;
    // Windows refuses to open a read-only file for writing; Wine run as root
    // (as the tests are) would replace it, so the attribute is asked first.
    DWORD attributes = ::GetFileAttributesA(FFileName.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        RaiseLastError("write", FFileName);
    }
    WriteFileBytes(FFileName, changed.Bytes());
    FText = std::move(changed);
}
