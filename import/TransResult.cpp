#include "import/TransResult.h"

namespace {

TFormParams ResultWindow() {
    TFormParams p;
    p.ClassName = "TTransResultForm";
    p.Caption = "変換結果";
    p.Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    p.Left = 337;
    p.Top = 219;
    p.Width = 306;
    p.Height = 313;
    p.ClientSize = false;  // the size includes the frame
    return p;
}

constexpr DWORD ListHelpTopic = 26;

}  // namespace

TTransResultForm::TTransResultForm(TComponent* AOwner) : TForm(AOwner, ResultWindow()) {
    // Placed top-down in layout order; the splitter resizes SuccessList and
    // FailList takes what is left, so only it grows with the window.
    Panel9 = Own(std::make_unique<TPanel>(this, "変換成功", 0, 0, 0, 21));
    SuccessList = Own(std::make_unique<TMemo>(this, 0, 0, 0, 112));
    Splitter4 = Own(std::make_unique<TSplitter>(this, 3));
    Panel7 = Own(std::make_unique<TPanel>(this, "変換失敗", 0, 0, 0, 22));
    FailList = Own(std::make_unique<TMemo>(this, 0, 0, 0, 0));
    Panel9->Align = SuccessList->Align = Splitter4->Align = Panel7->Align = alTop;
    FailList->Align = alClient;
    Splitter4->Attach(SuccessList, FailList);
    SuccessList->SetHelpContext(ListHelpTopic);
    FailList->SetHelpContext(ListHelpTopic);
    SetTabOrder({Panel9, Panel7, FailList, SuccessList, Splitter4});
    Realign();
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    DoCreate();
}

void TTransResultForm::FormClose(TObject*, TCloseAction& Action) { Action = caHide; }
