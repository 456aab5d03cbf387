// TTransToURL: the import window. The user finds a text or HTML file with the
// drive, folder and file browser or drops one on the window, sees its text in
// the preview, converts it into the result window and outputs the result as
// shortcut files. One window per run, shown modally by Execute.
#pragma once
#include <string>

#include "import/DragDropFile.h"
#include "import/TransResult.h"
#include "platform/FileBrowser.h"
#include "platform/Form.h"
#include "platform/Memo.h"
#include "platform/Menu.h"

class TTransToURL : public TForm {
public:
    explicit TTransToURL(TComponent* AOwner);

    TMainMenu* MainMenu1;
    TMenuItem* File1;
    TMenuItem* Exit;
    TMenuItem* T1;
    TMenuItem* Strat;
    TMenuItem* OutPut;
    TDragDropFile* DragDropFile1;
    TFileListBox* FileNameList;
    TFilterComboBox* FilterComboBox1;
    TDirectoryListBox* DirectoryList;
    TDriveComboBox* DriveComboBox1;
    TMemo* PreviewText;

    // The modal run: the favourites folder becomes the destination, the
    // caption CaptionPrefix + " に追加". True when Output ran during it.
    bool Execute(const std::string& FavoritesFolder, const std::string& CaptionPrefix);

    void StartTransClick(TObject* Sender);
    void FileNameListChange(TObject* Sender);
    void ExitClick(TObject* Sender);
    void FormCreate(TObject* Sender);
    void OutPutClick(TObject* Sender);
    void DragDropFile1FileDrop(TObject* Sender, TStringList& DropFileName);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void T1Click(TObject* Sender);

    TTransResultForm* ResultForm() const { return FResultForm; }
    const std::string& DestFolder() const { return FDestFolder; }
    bool OutputDone() const { return FOutputDone; }

protected:
    void WndProc(TMessage& Message) override;

private:
    // Ticks while the preview has parts to add. A timer, not a posted
    // message: WM_TIMER comes only when no input waits, so keys and clicks
    // go first and the window answers between parts.
    static constexpr UINT_PTR PreviewTimer = 1;

    TTransResultForm* FResultForm = nullptr;  // owned by this form once made
    std::string FDestFolder;
    bool FOutputDone = false;
};
