// The one font of the importer's windows and prompts: "ＭＳ Ｐゴシック",
// 12 pixels high, Shift-JIS character set.
#pragma once
#include "platform/Handles.h"

GdiObject CreateUiFont();
