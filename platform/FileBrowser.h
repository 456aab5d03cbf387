// The four browser controls that drive each other: a drive box moves its
// folder list to the chosen drive; the folder list shows the chain from the
// root down to its folder and that folder's subfolders, lists the folder's
// files in its file list and makes the drive box follow; a filter box sets
// the file list's pattern. Folders open on a double click, as usual.
#pragma once
#include <string>
#include <vector>

#include "platform/BrowserText.h"
#include "platform/Control.h"
#include "platform/Events.h"

class TDirectoryListBox;
class TFileListBox;

class TDriveComboBox : public TControl {
public:
    TDriveComboBox(TForm* Parent, int Left, int Top, int Width, int Height);

    char Drive() const { return FDrive; }  // lower-case letter, 0 for none
    // Shows Drive without moving the folder list (used when the list moved).
    void SetDrive(char Drive);

    TDirectoryListBox* DirList = nullptr;

    void Notify(unsigned Code) override;

private:
    std::vector<char> FLetters;
    char FDrive = 0;
};

class TDirectoryListBox : public TControl {
public:
    TDirectoryListBox(TForm* Parent, int Left, int Top, int Width, int Height, int ItemHeight);

    const std::string& Directory() const { return FDirectory; }  // ends in "\"
    // Lists Folder; its file list and drive box follow. Throws PlatformError
    // when Folder is no folder.
    void SetDirectory(const std::string& Folder);
    // Moves to the drive's current folder (its root when the system has none).
    void SetDrive(char Drive);

    // The folder of the item at Index.
    std::string ItemPath(int Index) const;

    TFileListBox* FileList = nullptr;
    TDriveComboBox* DriveCombo = nullptr;
    TNotifyEvent OnChange;

    void Notify(unsigned Code) override;

private:
    std::string FDirectory;
    std::vector<TFolderLevel> FChain;
    std::vector<std::string> FSubFolders;
};

class TFileListBox : public TControl {
public:
    TFileListBox(TForm* Parent, int Left, int Top, int Width, int Height, int ItemHeight);

    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& Folder);
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& Mask);

    // The selected file's full path; empty when none is selected.
    std::string FileName() const;
    // Moves the list (and through the folder list the drive box) to the
    // file's folder, narrows the pattern to the file's name when the current
    // one does not list it, selects it and raises OnChange. Throws
    // PlatformError when no file is at Path.
    void SetFileName(const std::string& Path);

    std::size_t Count() const { return FNames.size(); }
    const std::string& Names(std::size_t I) const { return FNames[I]; }
    int ItemIndex() const;
    void SetItemIndex(int Index);

    TDirectoryListBox* DirList = nullptr;  // set by the folder list that drives it
    TNotifyEvent OnChange;

    void Notify(unsigned Code) override;

private:
    void Reload();
    int IndexOf(const std::string& Name) const;

    std::string FDirectory;
    std::string FMask = "*.*";
    std::vector<std::string> FNames;
};

class TFilterComboBox : public TControl {
public:
    TFilterComboBox(TForm* Parent, int Left, int Top, int Width, int Height);

    void SetFilter(const std::string& Filter);
    // The chosen entry's pattern.
    std::string Mask() const;
    int ItemIndex() const;
    void SetItemIndex(int Index);

    TFileListBox* FileList = nullptr;

    void Notify(unsigned Code) override;

private:
    std::vector<TFilterEntry> FEntries;
};

// Links folder list, file list and drive box both ways.
void ConnectBrowser(TDriveComboBox& Drives, TDirectoryListBox& Folders, TFileListBox& Files, TFilterComboBox& Filter);
