// TDragDropFile: makes its owner form a drop target for files from the shell
// and reports each drop as one OnFileDrop event with the full paths. It hooks
// the form's activation event (to start itself when AutoStart is set) and,
// once started, the form's window procedure (to take WM_DROPFILES); whatever
// handler or procedure it finds is kept and called on. The hooks stay for the
// form's life: the component lives exactly as long as its form.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/StringList.h"

class TForm;

// The list belongs to the component and is gone once the event returns.
using TFileDrop = std::function<void(TObject* Sender, TStringList& DropFileName)>;

class TDragDropFile : public TComponent {
public:
    // AOwner must be a form; anything else throws std::bad_cast and hooks nothing.
    explicit TDragDropFile(TComponent* AOwner);
    ~TDragDropFile() override = default;

    // Makes the form accept dropped files; only the first call does anything.
    void Start();

    bool AutoStart() const { return FAutoStart; }
    void SetAutoStart(bool Value) { FAutoStart = Value; }
    TFileDrop OnFileDrop;

    bool Started() const { return FStarted; }

protected:
    virtual void OwnerWndProc(TMessage& Message);
    virtual void DoFileDrop(TStringList& List);
    virtual void OwnerActivate(TObject* Sender);
    virtual void WMDropFiles(TMessage& Message);

private:
    bool FStarted = false;
    bool FAutoStart = false;
    TNotifyEvent FSavedOnActivate;
    TWndMethod FSavedWindowProc;
    TForm* FOwnerForm;
};

// The paths of a drop, each read whole: DragQueryFileA is asked for each
// path's length first, so a path longer than 255 bytes is never cut into a
// different one.
void ReadDroppedFiles(HDROP Drop, TStringList& List);
