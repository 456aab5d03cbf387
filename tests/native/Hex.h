// Byte strings printed as hex escapes so a Shift-JIS mismatch is readable.
#pragma once
#include <cstdio>
#include <string>

inline std::string Hex(const std::string& Bytes) {
    std::string out;
    for (unsigned char c : Bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    return out;
}
