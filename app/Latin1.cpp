#include "app/Latin1.h"

namespace {

struct Borrowed {
    unsigned char byte;
    char32_t character;
};
// From Windows-1252: the French letters Latin-1 lacks.
constexpr Borrowed kBorrowed[] = {{0x8C, U'\u0152'}, {0x9C, U'\u0153'}, {0x9F, U'\u0178'}};

}  // namespace

bool GameByteFor(char32_t character, unsigned char& byte) {
    for (const Borrowed& b : kBorrowed) {
        if (b.character == character) {
            byte = b.byte;
            return true;
        }
    }
    // The C1 control codes have no use in a text; three of their bytes are
    // the borrowed letters.
    if (character > 0xFF || (character >= 0x80 && character < 0xA0)) return false;
    byte = static_cast<unsigned char>(character);
    return true;
}

char32_t CharacterOf(unsigned char byte) {
    for (const Borrowed& b : kBorrowed) {
        if (b.byte == byte) return b.character;
    }
    return byte;
}

std::u32string CharactersOf(const std::string& utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const int length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool valid = length > 0 && i + length <= utf8.size();
        char32_t code = valid ? c & (0x7F >> (length > 1 ? length : 0)) : 0;
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += c;
            continue;
        }
        out += code;
        i += length - 1;
    }
    return out;
}

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string Latin1FromUtf8(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t character : CharactersOf(utf8)) {
        unsigned char byte = 0;
        out += GameByteFor(character, byte) ? static_cast<char>(byte) : '?';
    }
    return out;
}

std::string Utf8FromLatin1(const std::string& latin1) {
    std::string out;
    out.reserve(latin1.size() * 2);
    for (char ch : latin1) out += Utf8Of(CharacterOf(static_cast<unsigned char>(ch)));
    return out;
}
