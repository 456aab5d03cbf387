#include "plugin/KeshPlugins.h"

#include <cstring>
#include <string>

namespace {

void PutNumber(unsigned char* Info, std::size_t Offset, std::int32_t Value) {
    auto u = static_cast<std::uint32_t>(Value);
    for (int i = 0; i < 4; ++i) Info[Offset + i] = static_cast<unsigned char>(u >> (8 * i));
}

// The text, then NULs to the field's full width; a text too long for its
// field is cut so that the field still ends in a NUL.
void PutText(unsigned char* Info, std::size_t Offset, std::size_t Width, const char* Text) {
    std::size_t len = std::strlen(Text);
    if (len > Width - 1) len = Width - 1;
    std::memcpy(Info + Offset, Text, len);
    std::memset(Info + Offset + len, 0, Width - len);
}

}  // namespace

void WritePluginDescriptor(unsigned char* Info, const TPluginInfo& Values) {
    using namespace descriptor;
    PutNumber(Info, Number1, Values.Number1);
    PutText(Info, PluginName, PluginNameWidth, Values.PluginName);
    PutNumber(Info, Number2, Values.Number2);
    PutNumber(Info, Number3, Values.Number3);
    PutText(Info, MenuCaption, MenuCaptionWidth, Values.MenuCaption);
    PutText(Info, Description, DescriptionWidth, Values.Description);
    PutNumber(Info, Number4, Values.Number4);
    PutNumber(Info, Number5, Values.Number5);
}

void SplitArgumentBlock(const char* Block, std::int32_t BlockSize, TStringList& List) {
    if (Block == nullptr || BlockSize <= 0) return;
    std::string current;
    for (std::int32_t i = 0; i < BlockSize; ++i) {
        char c = Block[i];
        if (c != '\0') {
            current += c;
        } else if (current.empty()) {
            return;
        } else {
            List.Add(std::move(current));
            current.clear();
        }
    }
}
