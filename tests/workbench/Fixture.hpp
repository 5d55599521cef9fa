#pragma once
// Byte fixtures written by hand: each piece is either hex bytes ("02 00 ff ff") or, after a
// leading apostrophe, literal ASCII text ("'TrueFalse").

#include <initializer_list>
#include <stdexcept>
#include <string>

namespace TavFixture {

inline std::string Bytes(std::initializer_list<const char*> pieces) {
    std::string bytes;
    for (const char* piece : pieces) {
        std::string p(piece);
        if (!p.empty() && p[0] == '\'') {
            bytes += p.substr(1);
            continue;
        }
        int high = -1;
        for (char c : p) {
            if (c == ' ') continue;
            int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
            if (digit < 0) throw std::invalid_argument("bad hex piece: " + p);
            if (high < 0) {
                high = digit;
            } else {
                bytes.push_back(static_cast<char>(high * 16 + digit));
                high = -1;
            }
        }
        if (high >= 0) throw std::invalid_argument("odd hex piece: " + p);
    }
    return bytes;
}

} // namespace TavFixture
