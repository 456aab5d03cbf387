#include "host/DescriptorText.h"

#include <cstring>

namespace {

std::int32_t GetNumber(const DescriptorBytes& B, std::size_t Offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | B[Offset + i];
    return static_cast<std::int32_t>(u);
}

bool GetText(const DescriptorBytes& B, std::size_t Offset, std::size_t Width, std::string& Out) {
    const char* start = reinterpret_cast<const char*>(B.data() + Offset);
    const void* nul = std::memchr(start, 0, Width);
    std::size_t len = nul ? static_cast<const char*>(nul) - start : Width;
    Out.assign(start, len);
    return nul != nullptr;
}

}  // namespace

DecodedDescriptor DecodeDescriptor(const DescriptorBytes& Bytes) {
    using namespace descriptor;
    DecodedDescriptor d;
    d.Number1 = GetNumber(Bytes, Number1);
    d.Number2 = GetNumber(Bytes, Number2);
    d.Number3 = GetNumber(Bytes, Number3);
    d.Number4 = GetNumber(Bytes, Number4);
    d.Number5 = GetNumber(Bytes, Number5);
    if (!GetText(Bytes, PluginName, PluginNameWidth, d.PluginName)) d.Problem = "PluginName is not NUL-terminated";
    if (!GetText(Bytes, MenuCaption, MenuCaptionWidth, d.MenuCaption)) d.Problem = "MenuCaption is not NUL-terminated";
    if (!GetText(Bytes, Description, DescriptionWidth, d.Description)) d.Problem = "Description is not NUL-terminated";
    return d;
}

std::string HexDump(const DescriptorBytes& Bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < Bytes.size(); ++i) {
        out += digits[Bytes[i] >> 4];
        out += digits[Bytes[i] & 15];
        out += (i % 16 == 15 || i + 1 == Bytes.size()) ? '\n' : ' ';
    }
    return out;
}

std::vector<char> BuildArgumentBlock(const std::vector<std::string>& Strings) {
    std::vector<char> block;
    for (const auto& s : Strings) {
        block.insert(block.end(), s.begin(), s.end());
        block.push_back('\0');
    }
    block.push_back('\0');
    return block;
}
