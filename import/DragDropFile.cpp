#include "import/DragDropFile.h"

#include <shellapi.h>

#include <typeinfo>

#include "platform/Form.h"

namespace {

TForm& OwnerAsForm(TComponent* Owner) {
    if (!Owner) throw std::bad_cast();
    return dynamic_cast<TForm&>(*Owner);
}

}  // namespace

TDragDropFile::TDragDropFile(TComponent* AOwner) : TComponent(AOwner), FOwnerForm(&OwnerAsForm(AOwner)) {
    // No form designer exists here, so the hook is always made.
    if (FOwnerForm->OnActivate) FSavedOnActivate = FOwnerForm->OnActivate;
    FOwnerForm->OnActivate = [this](TObject* Sender) { OwnerActivate(Sender); };
}

void TDragDropFile::OwnerActivate(TObject* Sender) {
    if (FSavedOnActivate) FSavedOnActivate(Sender);
    if (FAutoStart) Start();
}

void TDragDropFile::Start() {
    if (FStarted) return;
    FStarted = true;
    if (FOwnerForm->WindowProc) FSavedWindowProc = FOwnerForm->WindowProc;
    FOwnerForm->WindowProc = [this](TMessage& M) { OwnerWndProc(M); };
    ::DragAcceptFiles(FOwnerForm->Handle(), TRUE);
}

void TDragDropFile::OwnerWndProc(TMessage& Message) {
    if (Message.Msg == WM_DROPFILES) {
        WMDropFiles(Message);
        return;
    }
    if (FSavedWindowProc) FSavedWindowProc(Message);
}

void ReadDroppedFiles(HDROP Drop, TStringList& List) {
    UINT count = ::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = ::DragQueryFileA(Drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        UINT copied = ::DragQueryFileA(Drop, i, &path[0], length + 1);
        path.resize(copied);
        List.Add(std::move(path));
    }
}

void TDragDropFile::WMDropFiles(TMessage& Message) {
    HDROP drop = reinterpret_cast<HDROP>(Message.WParam);
    TStringList list;
    ReadDroppedFiles(drop, list);
    ::DragFinish(drop);
    DoFileDrop(list);
    Message.Result = 0;
}

void TDragDropFile::DoFileDrop(TStringList& List) {
    if (OnFileDrop) OnFileDrop(this, List);
}
