// TSplitter: a thin bar between two aligned controls; dragging it changes the
// height of the control above it, never leaving either side under MinSize.
#pragma once
#include "platform/Control.h"
#include "platform/WindowClass.h"

// Registered before the control's window is made (base classes are built in order).
struct TSplitterClass {
    TSplitterClass();
    TWindowClassUse FSplitterClass;
};

class TSplitter : private TSplitterClass, public TControl {
public:
    TSplitter(TForm* Parent, int Height);
    // Above: the control it resizes; Below: the one that takes the rest.
    void Attach(TControl* Above, TControl* Below);

    int MinSize = 30;

    // The height Above gets for a drag of Delta pixels, from the heights at the press.
    int ClampedHeight(int StartAbove, int StartBelow, int Delta) const;

private:
    friend struct TSplitterClass;
    static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT OnMessage(UINT Msg, WPARAM WParam, LPARAM LParam);

    TControl* FAbove = nullptr;
    TControl* FBelow = nullptr;
    bool FDragging = false;
    int FStartY = 0;       // cursor, screen coordinates, at the press
    int FStartAbove = 0;
    int FStartBelow = 0;
};
