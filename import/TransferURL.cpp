#include "import/TransferURL.h"

#include "import/LinkLine.h"
#include "import/PreviewContent.h"
#include "import/ShortcutOutput.h"
#include "platform/FileIO.h"
#include "plugin/LibUnit.h"
#include "plugin/LibUnitShell.h"

namespace {

TFormParams ImportWindow() {
    TFormParams p;
    p.ClassName = "TTransToURL";
    p.Caption = "変換ファイルの指定";
    // A single border and no maximize box: the layout is fixed.
    p.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    p.Left = 210;
    p.Top = 205;
    p.Width = 328;
    p.Height = 269;
    return p;
}

constexpr DWORD BrowserHelpTopic = 21;
constexpr DWORD PreviewHelpTopic = 23;

const char* const FileFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|HTML文書(*.htm *.html)|*.htm|すべてのﾌｧｲﾙ (*.*)|*.*";
const char* const Unreadable = "(読み込み不可)";

}  // namespace

TTransToURL::TTransToURL(TComponent* AOwner) : TForm(AOwner, ImportWindow()) {
    MainMenu1 = Own(std::make_unique<TMainMenu>(this));
    File1 = MainMenu1->Add(std::make_unique<TMenuItem>("ﾌｧｲﾙ(&F)"));
    Exit = File1->Add(std::make_unique<TMenuItem>("終了(&X)"));
    T1 = MainMenu1->Add(std::make_unique<TMenuItem>("変換(&T)"));
    Strat = T1->Add(std::make_unique<TMenuItem>("変換開始(&S)", CtrlKey('S'), false));
    OutPut = T1->Add(std::make_unique<TMenuItem>("出力(&O)", CtrlKey('O'), false));
    Exit->OnClick = [this](TObject* S) { ExitClick(S); };
    T1->OnClick = [this](TObject* S) { T1Click(S); };
    Strat->OnClick = [this](TObject* S) { StartTransClick(S); };
    OutPut->OnClick = [this](TObject* S) { OutPutClick(S); };
    SetMainMenu(MainMenu1);
    SetClientSize(328, 269);

    DragDropFile1 = Own(std::make_unique<TDragDropFile>(this));
    DragDropFile1->SetAutoStart(true);
    DragDropFile1->OnFileDrop = [this](TObject* S, TStringList& L) { DragDropFile1FileDrop(S, L); };

    FileNameList = Own(std::make_unique<TFileListBox>(this, 156, 0, 169, 121, 12));
    FilterComboBox1 = Own(std::make_unique<TFilterComboBox>(this, 155, 125, 166, 20));
    DirectoryList = Own(std::make_unique<TDirectoryListBox>(this, 4, 0, 149, 121, 16));
    DriveComboBox1 = Own(std::make_unique<TDriveComboBox>(this, 4, 124, 145, 18));
    PreviewText = Own(std::make_unique<TMemo>(this, 4, 148, 321, 117));
    ConnectBrowser(*DriveComboBox1, *DirectoryList, *FileNameList, *FilterComboBox1);
    FileNameList->SetMask("*.txt");
    FilterComboBox1->SetFilter(FileFilter);
    for (TControl* c : {static_cast<TControl*>(FileNameList), static_cast<TControl*>(FilterComboBox1),
                        static_cast<TControl*>(DirectoryList), static_cast<TControl*>(DriveComboBox1)})
        c->SetHelpContext(BrowserHelpTopic);
    PreviewText->SetHelpContext(PreviewHelpTopic);
    FileNameList->OnChange = [this](TObject* S) { FileNameListChange(S); };

    OnCreate = [this](TObject* S) { FormCreate(S); };
    OnCloseQuery = [this](TObject* S, bool& CanClose) { FormCloseQuery(S, CanClose); };
    DoCreate();
}

bool TTransToURL::Execute(const std::string& FavoritesFolder, const std::string& CaptionPrefix) {
    FDestFolder = AppendBackslash(FavoritesFolder);
    PreviewText->Clear();
    SetCaption(CaptionPrefix + " に追加");
    FOutputDone = false;
    ShowModal();
    return FOutputDone;
}

void TTransToURL::FormCreate(TObject*) {
    std::string windows = GetWindowsFolder();
    if (!windows.empty()) DirectoryList->SetDirectory(windows);
}

void TTransToURL::FileNameListChange(TObject*) {
    std::string path = FileNameList->FileName();
    if (path.empty()) return;
    try {
        std::string text;
        if (!PreviewContentOf(ReadFileBytes(path), text))
            throw PlatformError("Preview", path, ERROR_INVALID_DATA, "");
        if (PreviewText->BeginText(text)) ::SetTimer(Handle(), PreviewTimer, USER_TIMER_MINIMUM, nullptr);
    } catch (...) {
        PreviewText->SetText(Unreadable);
    }
}

void TTransToURL::DragDropFile1FileDrop(TObject*, TStringList& DropFileName) {
    if (DropFileName.Count() == 0) return;
    const std::string& path = DropFileName[0];
    // A dropped folder opens in the browser; nothing is selected, so the
    // preview keeps what it shows.
    if (DirectoryExists(path)) DirectoryList->SetDirectory(path);
    else FileNameList->SetFileName(path);
}

void TTransToURL::WndProc(TMessage& Message) {
    if (Message.Msg != WM_TIMER || Message.WParam != PreviewTimer) return TForm::WndProc(Message);
    // One part per tick; a new file or a conversion may have taken the rest already.
    if (!PreviewText->AppendPart()) ::KillTimer(Handle(), PreviewTimer);
}

void TTransToURL::T1Click(TObject*) {
    Strat->SetEnabled(PreviewText->HasLines());
    OutPut->SetEnabled(FResultForm && FResultForm->SuccessList->HasLines());
}

void TTransToURL::StartTransClick(TObject*) {
    if (!FResultForm) FResultForm = Own(std::make_unique<TTransResultForm>(this));
    FResultForm->SuccessList->Clear();
    FResultForm->FailList->Clear();
    if (!PreviewText->HasLines()) return;
    PreviewText->FinishText();  // the conversion takes the whole file
    TStringList preview, success, fail;
    PreviewText->GetLines(preview);
    ConvertLines(preview, success, fail);
    FResultForm->SuccessList->SetLines(success);
    FResultForm->FailList->SetLines(fail);
    FResultForm->Show();
}

void TTransToURL::OutPutClick(TObject*) {
    if (!FResultForm) return;
    // Output counts as run however it ends.
    struct Done {
        bool& Flag;
        ~Done() { Flag = true; }
    } done{FOutputDone};
    TStringList lines;
    FResultForm->SuccessList->GetLines(lines);
    OutputShortcuts(Handle(), FDestFolder, lines);
}

void TTransToURL::ExitClick(TObject*) { Close(); }

void TTransToURL::FormCloseQuery(TObject*, bool& CanClose) {
    if (FResultForm) FreeComponent(std::exchange(FResultForm, nullptr));
    CanClose = true;
}
