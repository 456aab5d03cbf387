#include "plugin/LibUnitShell.h"

#include <shellapi.h>

#include "platform/FileIO.h"
#include "plugin/LibUnit.h"

namespace {

// Calls Fill(buffer, size) until the text fits; Fill returns the length
// written, or the size needed when the buffer was too small, or 0 on failure.
template <typename F>
std::string AskSystemPath(F Fill) {
    std::string buffer(MAX_PATH + 1, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD len = Fill(&buffer[0], static_cast<DWORD>(buffer.size()));
        if (len == 0) return std::string();
        if (len < buffer.size()) {
            buffer.resize(len);
            return buffer;
        }
        buffer.assign(len + 1, '\0');
    }
    return std::string();
}

}  // namespace

std::string GetTempFolder(const std::string& SubPath, bool CreateIt) {
    std::string folder = AskSystemPath([](char* b, DWORD n) { return ::GetTempPathA(n, b); });
    if (folder.empty()) return std::string();
    std::string path = AppendBackslash(folder) + SubPath;
    if (CreateIt) ForceDirectories(path);
    return path;
}

std::int32_t OpenDocument(HWND Wnd, const std::string& Document, const std::string& Parameters) {
    // The working folder is an empty string, not a null pointer.
    HINSTANCE result = ::ShellExecuteA(Wnd, "Open", Document.c_str(), Parameters.c_str(), "", SW_SHOWNORMAL);
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

std::string GetWindowsFolder() {
    return AskSystemPath([](char* b, DWORD n) { return ::GetWindowsDirectoryA(b, n); });
}
