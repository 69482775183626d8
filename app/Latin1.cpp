#include "app/Latin1.h"

std::string Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        int length = (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        unsigned code = valid ? c & (0x7F >> length) : 0;
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += static_cast<char>(c);
            continue;
        }
        out += code <= 0xFF ? static_cast<char>(code) : '?';
        i += length - 1;
    }
    return out;
}

std::string Utf8FromLatin1(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char ch : latin1) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
