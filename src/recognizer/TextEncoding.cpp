#include "recognizer/TextEncoding.h"

#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c)
            return 0x80 + i;
    return '?';
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the sequence at `pos` and moves past it; an invalid sequence yields
// kInvalid and skips one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int extra = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        least = 0x10000;
    } else {
        ++pos;
        return kInvalid;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return kInvalid;
    }
    char32_t c = lead & (0x7F >> (extra + 1));
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += 1 + extra;
    return c;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (nextCodePoint(text, pos) == kInvalid)
            return false;
    return true;
}

std::size_t codePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8)
        count += (static_cast<std::uint8_t>(byte) & 0xC0) != 0x80;
    return count;
}

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        out += static_cast<char>(byteOf(nextCodePoint(utf8, pos)));
    return out;
}

std::string outsideWindows1252(std::string_view utf8) {
    std::string lost;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const auto codePoint = nextCodePoint(utf8, pos);
        const std::string_view character = utf8.substr(start, pos - start);
        if (byteOf(codePoint) == '?' && character != "?" &&
            lost.find(character) == std::string::npos)
            lost += character;
    }
    return lost;
}

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(b)));
    return out;
}
