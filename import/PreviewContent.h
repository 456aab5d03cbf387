// What the import window's preview shows for a file's bytes: the bytes
// unchanged, with every line break made CR LF (an edit control breaks lines
// only there). Pure.
#pragma once
#include <string>
#include <string_view>

// False when the bytes cannot be shown whole: a NUL byte would end the
// control's text there and silently drop the rest of the file.
bool PreviewContentOf(std::string_view FileBytes, std::string& Text);
