// The title rule, pure: the shortcut's own name without its extension.
#include "plugin/Shortcut.h"

#include "platform/FilePath.h"

std::string ShortcutTitle(std::string_view FileName) {
    std::string name = ExtractFileName(FileName);
    // "." (0x2E) is never a trail byte, so the last byte "." is the last ".".
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}
