#include "TextDecoding.h"

#include <cstring>

namespace textdecoding {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// 0x80-0x9F; the rest of the code page is Latin-1.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline bool allAscii8(const uchar* p) {
    quint64 w;
    std::memcpy(&w, p, 8);
    return (w & 0x8080808080808080ULL) == 0;
}

// Length of the well-formed sequence starting at p (lead byte >= 0x80), or 0 when it is
// ill-formed. *cp receives the code point.
inline int sequenceAt(const uchar* p, const uchar* end, char32_t* cp) {
    const uchar b0 = p[0];
    const std::size_t left = std::size_t(end - p);
    auto cont = [](uchar b) { return (b & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (left < 2 || !cont(p[1])) {
            return 0;
        }
        *cp = (char32_t(b0 & 0x1F) << 6) | (p[1] & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (left < 3 || !cont(p[1]) || !cont(p[2])) {
            return 0;
        }
        const char32_t c =
            (char32_t(b0 & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF)) {
            return 0; // overlong, or a surrogate
        }
        *cp = c;
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (left < 4 || !cont(p[1]) || !cont(p[2]) || !cont(p[3])) {
            return 0;
        }
        const char32_t c = (char32_t(b0 & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
                           (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
        if (c < 0x10000 || c > 0x10FFFF) {
            return 0;
        }
        *cp = c;
        return 4;
    }
    return 0; // continuation byte, C0/C1 (always overlong) or F5..FF
}

} // namespace

bool isValidUtf8(const uchar* data, std::size_t size) {
    const uchar* p = data;
    const uchar* const end = data + size;
    while (p < end) {
        if (end - p >= 8 && allAscii8(p)) {
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        char32_t cp;
        const int n = sequenceAt(p, end, &cp);
        if (n == 0) {
            return false;
        }
        p += n;
    }
    return true;
}

std::size_t decodeUtf8(const uchar* data, std::size_t size, char16_t* out) {
    const uchar* p = data;
    const uchar* const end = data + size;
    char16_t* o = out;
    while (p < end) {
        if (end - p >= 8 && allAscii8(p)) {
            for (int i = 0; i < 8; ++i) {
                o[i] = p[i];
            }
            p += 8;
            o += 8;
            continue;
        }
        if (*p < 0x80) {
            *o++ = *p++;
            continue;
        }
        char32_t cp;
        const int n = sequenceAt(p, end, &cp);
        if (n == 0) {
            *o++ = kReplacement;
            ++p;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *o++ = char16_t(0xD800 + (cp >> 10));
            *o++ = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            *o++ = char16_t(cp);
        }
        p += n;
    }
    return std::size_t(o - out);
}

char16_t windows1252Char(uchar byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighBlock[byte - 0x80] : char16_t(byte);
}

std::size_t decodeWindows1252(const uchar* data, std::size_t size, char16_t* out) {
    for (std::size_t i = 0; i < size; ++i) {
        out[i] = windows1252Char(data[i]);
    }
    return size;
}

} // namespace textdecoding
