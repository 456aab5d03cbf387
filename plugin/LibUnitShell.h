// LibUnit's wrappers around Windows services: the temporary folder, the
// Windows folder, and opening a document with its associated program.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// The user's temporary folder with a backslash, followed by SubPath; when
// CreateIt, every missing folder of the result is made. Empty when the
// system cannot say where the folder is.
std::string GetTempFolder(const std::string& SubPath, bool CreateIt);

// ShellExecuteA(Wnd, "Open", Document, Parameters, "", SW_SHOWNORMAL); texts
// of any length are passed whole.
std::int32_t OpenDocument(HWND Wnd, const std::string& Document, const std::string& Parameters);

// The Windows folder as the system reports it; empty when the call fails.
std::string GetWindowsFolder();
