#include "platform/AnsiText.h"

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

std::size_t CharLengthAt(std::string_view S, std::size_t Index) {
    if (Index + 1 < S.size() && IsLeadByte(static_cast<unsigned char>(S[Index]))) return 2;
    return 1;
}

bool IsTrailByteAt(std::string_view S, std::size_t Index) {
    std::size_t i = 0;
    while (i < Index) i += CharLengthAt(S, i);
    return i > Index;
}

std::string AnsiLowerCase(std::string_view S) {
    std::string out(S);
    for (std::size_t i = 0; i < out.size();) {
        std::size_t len = CharLengthAt(out, i);
        if (len == 1 && out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
        i += len;
    }
    return out;
}

std::size_t AnsiPos(std::string_view Sub, std::string_view S) {
    if (Sub.empty() || Sub.size() > S.size()) return 0;
    for (std::size_t i = 0; i + Sub.size() <= S.size(); i += CharLengthAt(S, i)) {
        if (S.compare(i, Sub.size(), Sub) == 0) return i + 1;
    }
    return 0;
}

std::size_t Pos(std::string_view Sub, std::string_view S) {
    if (Sub.empty()) return 0;
    std::size_t at = S.find(Sub);
    return at == std::string_view::npos ? 0 : at + 1;
}
