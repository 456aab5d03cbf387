// The entry line of one favourite in each list mode: text, HTML, HTML with
// comment, CSV. Pure; nothing is quoted or escaped.
#pragma once
#include <cstdint>
#include <string>

#include "plugin/Shortcut.h"

namespace listmode {
constexpr std::uint8_t Text = 0, Html = 1, HtmlComment = 2, Csv = 3;
}

std::string MakeEntryLine(std::uint8_t ListMode, const TShortcutInfo& Info);
