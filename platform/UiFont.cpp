#include "platform/UiFont.h"

GdiObject CreateUiFont() {
    // A negative height asks for the character height, which is what the
    // window definitions give; the face name is code page 932 bytes.
    return GdiObject(::CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック"));
}
