// TControl: a child window of a form, standard Win32 class or our own. The
// form finds the object behind a child HWND through its user data, so
// notifications (WM_COMMAND) reach the control that sent them. Child windows
// die with their parent window; the object only forgets its handle.
#pragma once
#include <windows.h>

#include <string>

#include "platform/Component.h"

class TForm;

enum TAlign { alNone, alTop, alClient };

class TControl : public TComponent {
public:
    ~TControl() override;

    HWND Handle() const { return FHandle; }
    TForm* ParentForm() const { return FParent; }

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetBounds(int Left, int Top, int Width, int Height);
    void SetHeight(int Height) { SetBounds(FLeft, FTop, FWidth, Height); }

    // Layout by the form (Realign): alTop controls stack from the top with
    // their own heights, the alClient control takes the rest.
    TAlign Align = alNone;

    std::string Text() const;
    void SetText(const std::string& Text);

    // The help topic of the control, kept as its context help id.
    void SetHelpContext(DWORD Topic);

    // WM_COMMAND notification codes sent by this control to the form.
    virtual void Notify(unsigned Code) { (void)Code; }

    static TControl* FromHandle(HWND Window);

protected:
    // Creates the child window at once, in the form's font; creation order is
    // tab order.
    TControl(TForm* Parent, const char* ClassName, DWORD Style, DWORD ExStyle, int Left, int Top, int Width,
             int Height, void* CreateParam = nullptr);

    // For classes of our own whose window procedure learns the handle at WM_NCCREATE.
    void ForgetHandle() { FHandle = nullptr; }

private:
    TForm* FParent;
    HWND FHandle = nullptr;
    int FLeft, FTop, FWidth, FHeight;
};
