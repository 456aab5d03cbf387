#include "import/PreviewContent.h"

bool PreviewContentOf(std::string_view FileBytes, std::string& Text) {
    Text.clear();
    if (FileBytes.find('\0') != std::string_view::npos) return false;
    Text.reserve(FileBytes.size() + FileBytes.size() / 32);
    for (std::size_t i = 0; i < FileBytes.size(); ++i) {
        char c = FileBytes[i];
        if (c == '\r') {
            if (i + 1 < FileBytes.size() && FileBytes[i + 1] == '\n') ++i;
            Text += "\r\n";
        } else if (c == '\n') {
            Text += "\r\n";
        } else {
            Text += c;
        }
    }
    return true;
}
