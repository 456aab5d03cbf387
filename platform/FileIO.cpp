#include "platform/FileIO.h"

#include <windows.h>

#include "platform/AnsiText.h"
#include "platform/FilePath.h"
#include "platform/Handles.h"

std::string SystemErrorText(std::uint32_t Code) {
    char* buffer = nullptr;
    DWORD len = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, Code,
        0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (len != 0 && buffer != nullptr) text.assign(buffer, len);
    if (buffer != nullptr) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    if (text.empty()) text = "error " + std::to_string(Code);
    return text;
}

void RaiseLastError(const std::string& Operation, const std::string& Path) {
    DWORD code = ::GetLastError();
    throw PlatformError(Operation, Path, code, SystemErrorText(code));
}

std::string ReadFileBytes(const std::string& FileName) {
    FileHandle file(::CreateFileA(FileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) RaiseLastError("read", FileName);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) RaiseLastError("read", FileName);
    std::string data;
    data.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(file.Get(), &data[done], chunk, &got, nullptr)) RaiseLastError("read", FileName);
        if (got == 0) break;  // the file shrank since we asked for its size
        done += got;
    }
    data.resize(done);
    return data;
}

void WriteFileBytes(const std::string& FileName, const std::string& Data) {
    FileHandle file(::CreateFileA(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file) RaiseLastError("write", FileName);
    std::size_t done = 0;
    while (done < Data.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(Data.size() - done, 1u << 30));
        DWORD put = 0;
        if (!::WriteFile(file.Get(), Data.data() + done, chunk, &put, nullptr) || put == 0)
            RaiseLastError("write", FileName);
        done += put;
    }
}

bool FileExists(const std::string& FileName) {
    DWORD attr = ::GetFileAttributesA(FileName.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& Path) {
    DWORD attr = ::GetFileAttributesA(Path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void ForceDirectories(const std::string& Path) {
    std::string dir = Path;
    while (!dir.empty() && IsPathDelimiter(dir, dir.size())) dir.pop_back();
    if (dir.empty() || DirectoryExists(dir)) return;
    std::string parent = ExtractFilePath(dir);
    // Stop at a drive ("C:") or a share root; anything shorter cannot be made.
    if (!parent.empty() && parent.size() < dir.size()) ForceDirectories(parent);
    if (!::CreateDirectoryA(dir.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        RaiseLastError("create folder", dir);
}
