// TForm: a top-level window with the creation, activation, close-query and
// close events, a replaceable window procedure, a main menu with shortcuts,
// and modal (ShowModal) or modeless (Show) showing. The form owns the
// components placed on it and releases them after its window is gone.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Events.h"
#include "platform/Handles.h"
#include "platform/WindowClass.h"

class TMainMenu;
class TControl;

struct TFormParams {
    std::string ClassName;  // without the module prefix
    std::string Caption;
    DWORD Style = WS_OVERLAPPEDWINDOW;
    int Left = CW_USEDEFAULT, Top = CW_USEDEFAULT;
    int Width = 300, Height = 200;  // the client area when ClientSize, else the frame
    bool ClientSize = true;
};

constexpr int mrNone = 0;

class TForm : public TComponent {
public:
    // The owner, when it is a form, also owns the window (it stays above it
    // and goes with it).
    TForm(TComponent* AOwner, const TFormParams& Params);
    ~TForm() override;

    HWND Handle() const { return FHandle; }
    HFONT Font() const { return static_cast<HFONT>(FFont.Get()); }

    std::string Caption() const;
    void SetCaption(const std::string& Caption);
    bool Visible() const;

    // Disables the thread's other top-level windows, runs the form's own
    // message loop until it is closed, then re-enables them and gives the
    // activation back. Answers the modal result (mrCancel when closed).
    int ShowModal();
    // Shows the form without a loop of its own and brings it forward.
    void Show();
    void Hide();
    // Asks OnCloseQuery, then OnClose decides what closing means (hide by default).
    void Close();

    void SetMainMenu(TMainMenu* Menu);
    void SetClientSize(int Width, int Height);

    // Places a component on the form; the form releases it after its window.
    template <typename T>
    T* Own(std::unique_ptr<T> Component) {
        T* raw = Component.get();
        FComponents.push_back(std::move(Component));
        return raw;
    }
    // Releases an owned component before the form goes.
    void FreeComponent(TComponent* Component);

    // Lays out the aligned controls over the client area, in the order they were placed.
    void Realign();
    // Tab order, first to last, independent of the order of placing.
    void SetTabOrder(std::initializer_list<TControl*> Controls);

    int NextControlId() { return FNextControlId++; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    // The procedure every message of the window goes through; it starts as
    // the form's own (WndProc) and may be replaced and chained.
    TWndMethod WindowProc;

    // The form behind a window of ours, or nullptr.
    static TForm* FromHandle(HWND Window);

protected:
    // Raises OnCreate; a derived form calls it once its components exist.
    void DoCreate();
    virtual void WndProc(TMessage& Message);
    // What an error escaping a message handler becomes: an error prompt.
    void HandleException(const std::exception* Error);

private:
    static LRESULT CALLBACK Trampoline(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    void Dispatch(TMessage& Message);
    void OnActivateMessage(TMessage& Message);
    void OnCommandMessage(TMessage& Message);
    bool PreTranslate(MSG& Msg);
    void DestroyHandle();

    TWindowClassUse FClass;
    GdiObject FFont;  // before the window: dies after it
    HWND FHandle = nullptr;
    std::vector<std::unique_ptr<TComponent>> FComponents;
    TMainMenu* FMenu = nullptr;
    AcceleratorHandle FAccelerators;
    HWND FFocused = nullptr;  // the control to give the focus back to on activation
    int FNextControlId = 1000;
    int FModalResult = mrNone;
    bool FModal = false;
};
