#include "platform/Form.h"

#include <algorithm>

#include "platform/Control.h"
#include "platform/FileIO.h"
#include "platform/Menu.h"
#include "platform/MessageDlg.h"
#include "platform/ModuleInstance.h"
#include "platform/UiFont.h"

namespace {

struct DisabledWindows {
    HWND Keep;
    std::vector<HWND> List;
};

BOOL CALLBACK DisableOne(HWND Window, LPARAM Param) {
    auto* d = reinterpret_cast<DisabledWindows*>(Param);
    if (Window != d->Keep && ::IsWindowVisible(Window) && ::IsWindowEnabled(Window)) {
        ::EnableWindow(Window, FALSE);
        d->List.push_back(Window);
    }
    return TRUE;
}

HWND OwnerWindow(TComponent* Owner) {
    auto* form = dynamic_cast<TForm*>(Owner);
    return form ? form->Handle() : nullptr;
}

}  // namespace

TForm::TForm(TComponent* AOwner, const TFormParams& Params)
    : TComponent(AOwner),
      FClass(Params.ClassName, Trampoline, ::LoadCursorA(nullptr, IDC_ARROW),
             reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))),
      FFont(CreateUiFont()) {
    WindowProc = [this](TMessage& M) { WndProc(M); };
    HWND window = ::CreateWindowExA(0, FClass.ClassName().c_str(), Params.Caption.c_str(), Params.Style,
                                    Params.Left, Params.Top, Params.Width, Params.Height, OwnerWindow(AOwner),
                                    nullptr, ModuleInstance(), this);
    if (!window) RaiseLastError("CreateWindowEx", FClass.ClassName());
    if (Params.ClientSize) SetClientSize(Params.Width, Params.Height);
}

TForm::~TForm() { DestroyHandle(); }

void TForm::DestroyHandle() {
    if (FHandle) {
        // From here on no message reaches the C++ side: the derived form's
        // members and the components may already be gone.
        ::SetWindowLongPtrA(FHandle, GWLP_USERDATA, 0);
        HWND window = std::exchange(FHandle, nullptr);
        ::DestroyWindow(window);
    }
    while (!FComponents.empty()) FComponents.pop_back();
}

TForm* TForm::FromHandle(HWND Window) {
    if (!Window || reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(Window, GWLP_WNDPROC)) != Trampoline)
        return nullptr;
    return reinterpret_cast<TForm*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
}

LRESULT CALLBACK TForm::Trampoline(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TForm* form;
    if (Msg == WM_NCCREATE) {
        form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        ::SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->FHandle = Window;
    } else {
        form = reinterpret_cast<TForm*>(::GetWindowLongPtrA(Window, GWLP_USERDATA));
    }
    if (!form) return ::DefWindowProcA(Window, Msg, WParam, LParam);
    TMessage message{Msg, WParam, LParam, 0};
    // No exception may unwind through user32's frames.
    try {
        // A copy: the procedure may replace itself while it runs (the drop
        // target hooks in from the activation message).
        TWndMethod proc = form->WindowProc;
        if (proc) proc(message);
        else message.Result = ::DefWindowProcA(Window, Msg, WParam, LParam);
    } catch (const std::exception& e) {
        form->HandleException(&e);
    } catch (...) {
        form->HandleException(nullptr);
    }
    if (Msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
        form->FHandle = nullptr;
    }
    return message.Result;
}

void TForm::HandleException(const std::exception* Error) {
    std::string text = "エラーが発生しました";
    if (auto* p = dynamic_cast<const PlatformError*>(Error)) text = p->Path() + "\r\n" + p->Reason();
    else if (Error) text = Error->what();
    try {
        MessageDlg(FHandle, text, mtError, mbOK);
    } catch (...) {
    }
}

void TForm::WndProc(TMessage& M) {
    switch (M.Msg) {
        case WM_COMMAND: OnCommandMessage(M); return;
        case WM_INITMENUPOPUP:
            if (!HIWORD(M.LParam) && FMenu) FMenu->DispatchPopup(reinterpret_cast<HMENU>(M.WParam));
            return;
        case WM_ACTIVATE: OnActivateMessage(M); return;
        case WM_CLOSE: Close(); return;
        case WM_SIZE: Realign(); return;
    }
    Dispatch(M);
}

void TForm::Dispatch(TMessage& M) {
    M.Result = ::DefWindowProcA(FHandle, M.Msg, M.WParam, M.LParam);
}

void TForm::OnCommandMessage(TMessage& M) {
    UINT id = LOWORD(M.WParam), code = HIWORD(M.WParam);
    if (M.LParam) {
        if (TControl* c = TControl::FromHandle(reinterpret_cast<HWND>(M.LParam))) c->Notify(code);
        return;
    }
    if (!FMenu) return;
    if (code == 1) FMenu->DispatchShortCut(id);
    else FMenu->DispatchCommand(id);
}

void TForm::OnActivateMessage(TMessage& M) {
    if (LOWORD(M.WParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(FHandle, focus)) FFocused = focus;
        return;
    }
    if (OnActivate) OnActivate(this);
    // Give the focus back to the control that had it, else to the first one
    // that takes it, as a dialog does.
    if (!FHandle) return;
    HWND target = FFocused && ::IsChild(FHandle, FFocused) ? FFocused : ::GetNextDlgTabItem(FHandle, nullptr, FALSE);
    if (target && !::IsIconic(FHandle)) ::SetFocus(target);
}

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

std::string TForm::Caption() const {
    int n = ::GetWindowTextLengthA(FHandle);
    std::string s(static_cast<std::size_t>(n) + 1, '\0');
    n = ::GetWindowTextA(FHandle, &s[0], static_cast<int>(s.size()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

void TForm::SetCaption(const std::string& Caption) { ::SetWindowTextA(FHandle, Caption.c_str()); }

bool TForm::Visible() const { return FHandle && ::IsWindowVisible(FHandle); }

void TForm::SetMainMenu(TMainMenu* Menu) {
    MenuHandle bar = Menu->CreateHandle();
    if (!::SetMenu(FHandle, bar.Get())) RaiseLastError("SetMenu", "");
    bar.Release();  // the window destroys it now
    FMenu = Menu;
    FAccelerators = Menu->CreateAccelerators();
}

void TForm::SetClientSize(int Width, int Height) {
    RECT r{0, 0, Width, Height};
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(FHandle, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(FHandle, GWL_EXSTYLE));
    ::AdjustWindowRectEx(&r, style, ::GetMenu(FHandle) != nullptr, exStyle);
    ::SetWindowPos(FHandle, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps takes more than AdjustWindowRectEx allows for.
    RECT client;
    ::GetClientRect(FHandle, &client);
    int dy = Height - (client.bottom - client.top), dx = Width - (client.right - client.left);
    if (dx || dy) {
        RECT frame;
        ::GetWindowRect(FHandle, &frame);
        ::SetWindowPos(FHandle, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TForm::FreeComponent(TComponent* Component) {
    auto it = std::find_if(FComponents.begin(), FComponents.end(),
                           [&](const std::unique_ptr<TComponent>& c) { return c.get() == Component; });
    if (it == FComponents.end()) return;
    std::unique_ptr<TComponent> doomed = std::move(*it);
    FComponents.erase(it);
}

void TForm::Realign() {
    if (!FHandle) return;
    RECT client;
    ::GetClientRect(FHandle, &client);
    int top = 0;
    TControl* fill = nullptr;
    for (auto& c : FComponents) {
        auto* control = dynamic_cast<TControl*>(c.get());
        if (!control) continue;
        if (control->Align == alTop) {
            control->SetBounds(0, top, client.right, control->Height());
            top += control->Height();
        } else if (control->Align == alClient) {
            fill = control;
        }
    }
    if (fill) fill->SetBounds(0, top, client.right, std::max<int>(0, client.bottom - top));
}

void TForm::SetTabOrder(std::initializer_list<TControl*> Controls) {
    // Tab order is the children's z-order: each goes right after the one before.
    HWND after = HWND_TOP;
    for (TControl* c : Controls) {
        ::SetWindowPos(c->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = c->Handle();
    }
}

void TForm::Show() {
    ::ShowWindow(FHandle, SW_SHOW);
    ::SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(FHandle);
}

void TForm::Hide() { ::ShowWindow(FHandle, SW_HIDE); }

void TForm::Close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    switch (action) {
        case caNone: return;
        case caMinimize: ::ShowWindow(FHandle, SW_MINIMIZE); return;
        case caHide:
        case caFree:  // the owner releases forms; closing only hides them
            if (FModal) FModalResult = mrCancel;
            else Hide();
            return;
    }
}

bool TForm::PreTranslate(MSG& Msg) {
    HWND root = Msg.hwnd ? ::GetAncestor(Msg.hwnd, GA_ROOT) : nullptr;
    // Shortcuts belong to the form's menu and act only while the key goes to
    // this form, not to a window it owns.
    if (root == FHandle && FAccelerators && ::TranslateAcceleratorA(FHandle, FAccelerators.Get(), &Msg))
        return true;
    // Tab and arrow navigation in our forms, the modeless ones included.
    return root && FromHandle(root) && ::IsDialogMessageA(root, &Msg);
}

int TForm::ShowModal() {
    HWND previous = ::GetActiveWindow();
    DisabledWindows others{FHandle, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&others));
    FModal = true;
    FModalResult = mrNone;
    Show();
    MSG msg;
    while (FModalResult == mrNone && FHandle) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Not ours to swallow: the host's own loop must still see it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            FModalResult = mrCancel;
            break;
        }
        if (!PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    for (HWND w : others.List)
        if (::IsWindow(w)) ::EnableWindow(w, TRUE);
    if (FHandle) Hide();
    if (previous && ::IsWindow(previous)) ::SetActiveWindow(previous);
    FModal = false;
    int result = FModalResult == mrNone ? mrCancel : FModalResult;
    FModalResult = mrNone;
    return result;
}
