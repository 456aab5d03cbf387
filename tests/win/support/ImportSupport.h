// One run of the importer the way the host makes it: Tovane.dll's
// ExecutePlugin on this thread, while a driver on a second thread works the
// windows with real messages. Whatever the driver leaves open is closed
// afterwards, so a failing driver never leaves the call hanging.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The caption Execute gives the import window.
extern const char* const ImportCaption;

struct ImportRunResult {
    std::int32_t Result = -99;
    bool ClassesRegistered = true;  // any of the importer's window classes still there after the call
    std::size_t WindowsLeft = 0;    // windows of this process after the call
};

// Driver gets the import window (nullptr when none appeared).
ImportRunResult RunImporter(const std::string& Favorites, const std::function<void(HWND Import)>& Driver);

// The import window's controls, by tab order.
struct ImportControls {
    HWND FileList, Filter, FolderList, Drives, Preview;
};
ImportControls ControlsOf(HWND Import);

// Texts of a list box's items.
std::vector<std::string> ListItems(HWND List);
int ListSelection(HWND List);
