#include "platform/Splitter.h"

#include <algorithm>

#include "platform/Form.h"

TSplitterClass::TSplitterClass()
    : FSplitterClass("Splitter", TSplitter::Proc, ::LoadCursorA(nullptr, IDC_SIZENS),
                     reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1))) {}

TSplitter::TSplitter(TForm* Parent, int Height)
    : TControl(Parent, FSplitterClass.ClassName().c_str(), 0, 0, 0, 0, 0, Height) {}

void TSplitter::Attach(TControl* Above, TControl* Below) {
    FAbove = Above;
    FBelow = Below;
}

int TSplitter::ClampedHeight(int StartAbove, int StartBelow, int Delta) const {
    int total = StartAbove + StartBelow;
    int wanted = StartAbove + Delta;
    return std::max(std::min(wanted, total - MinSize), std::min(MinSize, total));
}

LRESULT CALLBACK TSplitter::Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    // The object is known once TControl has stored it; messages of the
    // creation itself need nothing of it.
    auto* self = dynamic_cast<TSplitter*>(TControl::FromHandle(Window));
    if (!self) return ::DefWindowProcA(Window, Msg, WParam, LParam);
    try {
        return self->OnMessage(Msg, WParam, LParam);
    } catch (...) {
        return 0;
    }
}

LRESULT TSplitter::OnMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
    switch (Msg) {
        case WM_LBUTTONDOWN: {
            if (!FAbove || !FBelow) return 0;
            POINT p;
            ::GetCursorPos(&p);
            FDragging = true;
            FStartY = p.y;
            FStartAbove = FAbove->Height();
            FStartBelow = FBelow->Height();
            ::SetCapture(Handle());
            return 0;
        }
        case WM_MOUSEMOVE:
            if (FDragging) {
                POINT p;
                ::GetCursorPos(&p);
                FAbove->SetHeight(ClampedHeight(FStartAbove, FStartBelow, p.y - FStartY));
                ParentForm()->Realign();
            }
            return 0;
        case WM_LBUTTONUP:
            if (FDragging) ::ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED: FDragging = false; return 0;
    }
    return ::DefWindowProcA(Handle(), Msg, WParam, LParam);
}
