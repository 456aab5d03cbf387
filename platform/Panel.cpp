#include "platform/Panel.h"

TPanel::TPanel(TForm* Parent, const std::string& Caption, int Left, int Top, int Width, int Height)
    : TControl(Parent, "STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, Left, Top, Width, Height) {
    SetText(Caption);
}
