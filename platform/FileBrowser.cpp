#include "platform/FileBrowser.h"

#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/FileIO.h"
#include "platform/FilePath.h"
#include "platform/FindFile.h"

namespace {

// Names in Folder that match Mask, in the file list's order. Folders: only
// subfolders ("." and ".." dropped); else only files of any attribute.
std::vector<std::string> ListNames(const std::string& Folder, const std::string& Mask, bool Folders) {
    std::vector<std::string> names;
    std::uint32_t attr = Folders ? fa::Directory : fa::ReadOnly | fa::Hidden | fa::SysFile | fa::Archive;
    TSearchRec rec;
    TFindListing listing;
    for (int r = FindFirst(Folder + Mask, attr, rec, listing); r == 0; r = FindNext(rec, listing)) {
        bool isFolder = (rec.Attr & fa::Directory) != 0;
        if (isFolder != Folders || rec.Name == "." || rec.Name == "..") continue;
        names.push_back(rec.Name);
    }
    std::sort(names.begin(), names.end(), FileNameLess);
    return names;
}

char DriveOf(const std::string& Folder) {
    if (Folder.size() < 2 || Folder[1] != ':') return 0;
    char c = Folder[0];
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AddString(HWND List, UINT Message, const std::string& Text) {
    ::SendMessageA(List, Message, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

}  // namespace

// --- drive box ---

TDriveComboBox::TDriveComboBox(TForm* Parent, int Left, int Top, int Width, int Height)
    // The height of a drop-down list includes its list; the edit part is set below.
    : TControl(Parent, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, Left, Top, Width, Height + 200) {
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Height - 6);
    DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(drives & (1u << i))) continue;
        char letter = static_cast<char>('a' + i);
        std::string root = std::string(1, letter) + ":\\";
        std::string caption = std::string(1, letter) + ":";
        // Only fixed drives are asked for their label: a removable one may
        // keep the window waiting for a medium.
        char label[MAX_PATH + 1] = "";
        if (::GetDriveTypeA(root.c_str()) == DRIVE_FIXED &&
            ::GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) &&
            label[0])
            caption += std::string(" ") + label;
        AddString(TControl::Handle(), CB_ADDSTRING, caption);
        FLetters.push_back(letter);
    }
}

void TDriveComboBox::SetDrive(char Drive) {
    auto it = std::find(FLetters.begin(), FLetters.end(), Drive);
    if (it == FLetters.end()) return;
    FDrive = Drive;
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(it - FLetters.begin()), 0);
}

void TDriveComboBox::Notify(unsigned Code) {
    if (Code != CBN_SELCHANGE) return;
    int i = static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
    if (i < 0 || i >= static_cast<int>(FLetters.size())) return;
    char previous = FDrive;
    FDrive = FLetters[static_cast<std::size_t>(i)];
    if (FDrive == previous || !DirList) return;
    try {
        DirList->SetDrive(FDrive);
    } catch (...) {
        SetDrive(previous);  // a drive without a medium: stay where the list is
        throw;
    }
}

// --- folder list ---

TDirectoryListBox::TDirectoryListBox(TForm* Parent, int Left, int Top, int Width, int Height, int ItemHeight)
    : TControl(Parent, "LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, Left,
               Top, Width, Height) {
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ItemHeight);
}

void TDirectoryListBox::SetDirectory(const std::string& Folder) {
    std::string folder = IncludeTrailingBackslash(Folder);
    if (!DirectoryExists(folder)) throw PlatformError("SetDirectory", folder, ERROR_PATH_NOT_FOUND,
                                                      SystemErrorText(ERROR_PATH_NOT_FOUND));
    FDirectory = folder;
    FChain = FolderChain(folder);
    FSubFolders = ListNames(folder, "*", true);
    HWND list = Handle();
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // Each level is indented under the one above it; the subfolders one deeper still.
    for (std::size_t i = 0; i < FChain.size(); ++i) AddString(list, LB_ADDSTRING, std::string(2 * i, ' ') + FChain[i].Name);
    std::string indent(2 * FChain.size(), ' ');
    for (const std::string& name : FSubFolders) AddString(list, LB_ADDSTRING, indent + name);
    ::SendMessageA(list, LB_SETCURSEL, FChain.empty() ? 0 : FChain.size() - 1, 0);
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    if (DriveCombo) DriveCombo->SetDrive(DriveOf(folder));
    if (FileList) FileList->SetDirectory(folder);
    if (OnChange) OnChange(this);
}

void TDirectoryListBox::SetDrive(char Drive) {
    // "x:" names the drive's current folder.
    std::string drive = std::string(1, Drive) + ":";
    std::string full(MAX_PATH, '\0');
    DWORD n = ::GetFullPathNameA(drive.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    full.resize(n > 0 && n < MAX_PATH ? n : 0);
    if (full.empty() || !DirectoryExists(IncludeTrailingBackslash(full))) full = drive + "\\";
    SetDirectory(full);
}

std::string TDirectoryListBox::ItemPath(int Index) const {
    if (Index < 0) return FDirectory;
    std::size_t i = static_cast<std::size_t>(Index);
    if (i < FChain.size()) return FChain[i].Path;
    i -= FChain.size();
    return i < FSubFolders.size() ? FDirectory + FSubFolders[i] + "\\" : FDirectory;
}

void TDirectoryListBox::Notify(unsigned Code) {
    if (Code != LBN_DBLCLK) return;
    int i = static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
    std::string target = ItemPath(i);
    if (target != FDirectory) SetDirectory(target);
}

// --- file list ---

TFileListBox::TFileListBox(TForm* Parent, int Left, int Top, int Width, int Height, int ItemHeight)
    : TControl(Parent, "LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, Left,
               Top, Width, Height) {
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ItemHeight);
}

void TFileListBox::SetDirectory(const std::string& Folder) {
    FDirectory = IncludeTrailingBackslash(Folder);
    Reload();
}

void TFileListBox::SetMask(const std::string& Mask) {
    FMask = Mask.empty() ? "*.*" : Mask;
    Reload();
}

void TFileListBox::Reload() {
    FNames = FDirectory.empty() ? std::vector<std::string>() : ListNames(FDirectory, FMask, false);
    HWND list = Handle();
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : FNames) AddString(list, LB_ADDSTRING, name);
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
}

int TFileListBox::IndexOf(const std::string& Name) const {
    // Windows names are case-insensitive for A-Z; the folding is our own.
    std::string key = AnsiLowerCase(Name);
    for (std::size_t i = 0; i < FNames.size(); ++i)
        if (AnsiLowerCase(FNames[i]) == key) return static_cast<int>(i);
    return -1;
}

int TFileListBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void TFileListBox::SetItemIndex(int Index) { ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(Index), 0); }

std::string TFileListBox::FileName() const {
    int i = ItemIndex();
    if (i < 0 || i >= static_cast<int>(FNames.size())) return "";
    return FDirectory + FNames[static_cast<std::size_t>(i)];
}

void TFileListBox::SetFileName(const std::string& Path) {
    if (!FileExists(Path)) throw PlatformError("SetFileName", Path, ERROR_FILE_NOT_FOUND,
                                               SystemErrorText(ERROR_FILE_NOT_FOUND));
    std::string folder = ExtractFilePath(Path), name = ExtractFileName(Path);
    if (DirList) DirList->SetDirectory(folder);  // it moves this list too
    else SetDirectory(folder);
    int i = IndexOf(name);
    if (i < 0) {
        SetMask(name);
        i = IndexOf(name);
    }
    SetItemIndex(i < 0 ? 0 : i);
    if (OnChange) OnChange(this);
}

void TFileListBox::Notify(unsigned Code) {
    if (Code == LBN_SELCHANGE && OnChange) OnChange(this);
}

// --- filter box ---

TFilterComboBox::TFilterComboBox(TForm* Parent, int Left, int Top, int Width, int Height)
    : TControl(Parent, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, Left, Top, Width, Height + 200) {
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Height - 6);
}

void TFilterComboBox::SetFilter(const std::string& Filter) {
    FEntries = ParseFilter(Filter);
    ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    for (const TFilterEntry& e : FEntries) AddString(Handle(), CB_ADDSTRING, e.Label);
    SetItemIndex(FEntries.empty() ? -1 : 0);
}

int TFilterComboBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0)); }

void TFilterComboBox::SetItemIndex(int Index) {
    ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(Index), 0);
}

std::string TFilterComboBox::Mask() const {
    int i = ItemIndex();
    if (i < 0 || i >= static_cast<int>(FEntries.size())) return "*.*";
    return FEntries[static_cast<std::size_t>(i)].Pattern;
}

void TFilterComboBox::Notify(unsigned Code) {
    if (Code == CBN_SELCHANGE && FileList) FileList->SetMask(Mask());
}

void ConnectBrowser(TDriveComboBox& Drives, TDirectoryListBox& Folders, TFileListBox& Files, TFilterComboBox& Filter) {
    Drives.DirList = &Folders;
    Folders.DriveCombo = &Drives;
    Folders.FileList = &Files;
    Files.DirList = &Folders;
    Filter.FileList = &Files;
}
