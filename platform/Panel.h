// TPanel: a label panel without bevel, its caption centred both ways.
#pragma once
#include <string>

#include "platform/Control.h"

class TPanel : public TControl {
public:
    TPanel(TForm* Parent, const std::string& Caption, int Left, int Top, int Width, int Height);
};
