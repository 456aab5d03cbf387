#include "platform/StringList.h"

std::string TStringList::Text() const {
    std::size_t size = 0;
    for (const auto& s : FItems) size += s.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& s : FItems) {
        out += s;
        out += "\r\n";
    }
    return out;
}

void TStringList::SetText(std::string_view Text) {
    FItems.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        char c = Text[i];
        if (c != '\r' && c != '\n') continue;
        FItems.emplace_back(Text.substr(start, i - start));
        if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < Text.size()) FItems.emplace_back(Text.substr(start));
}
