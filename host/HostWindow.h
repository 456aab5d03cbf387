// plughost's window: the plug-ins of one folder in a "プラグイン" menu, the
// favourites folder they are given, and a status line with each item's
// description and the last result. Plug-ins run on this (the UI) thread with
// the window disabled, as the browser runs them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/PluginLibrary.h"
#include "platform/Handles.h"

// One DLL of the plug-in folder: loaded and described, or unusable with the reason.
struct HostedPlugin {
    std::string File;  // name within the folder
    std::unique_ptr<PluginLibrary> Library;
    DecodedDescriptor Descriptor;
    std::string Problem;  // empty when the plug-in can be offered
};

// Every *.dll of Folder (with or without a trailing backslash), in name order.
std::vector<HostedPlugin> LoadPluginFolder(const std::string& Folder);

// The user's favourites folder as the shell reports it; empty when it cannot say.
std::string ShellFavoritesFolder();

class HostWindow {
public:
    static const char* const Caption;
    static const char* const ClassName;
    enum ControlId { FolderEditId = 1, BrowseButtonId = 2, PluginListId = 3, StatusId = 4, FirstPluginCommand = 100 };

    HostWindow(const std::string& PluginFolder, const std::string& Favorites);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return FWindow.Get(); }
    // Shows the window and dispatches messages until it is closed.
    void Run();

private:
    static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
    LRESULT Handle(UINT Msg, WPARAM W, LPARAM L);
    void CreateControls();
    void Layout();
    void SetStatus(const std::string& Text, bool Keep = true);
    void ChooseFolder();
    void RunPlugin(std::size_t Index);

    std::vector<HostedPlugin> FPlugins;
    std::vector<std::size_t> FCommandPlugin;  // menu command - FirstPluginCommand -> index in FPlugins
    std::string FFavorites;
    std::string FStatus;  // shown again when a menu closes
    bool FBusy = false;
    bool FClosed = false;
    WindowHandle FWindow;  // owns its menu bar and child controls
    HWND FFolderEdit = nullptr, FBrowse = nullptr, FList = nullptr, FStatusBar = nullptr;
};
