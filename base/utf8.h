// UTF-8 and wide texts by code point: decoding, encoding and the surrogate pairs of
// UTF-16 wide texts (where wchar_t has 2 bytes). Header-only, so that the simulated host
// and the programs share it without linking the library.
#pragma once

#include <cstddef>
#include <string>

namespace kelt2proe::utf8 {

constexpr char32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

inline bool isSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}
inline bool isHighSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDBFF;
}
inline bool isLowSurrogate(char32_t cp) {
    return cp >= 0xDC00 && cp <= 0xDFFF;
}
inline char32_t joinSurrogates(char32_t high, char32_t low) {
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// The code points of a UTF-8 text. Ill-formed sequences, overlong forms, encoded
// surrogates and values above U+10FFFF give one U+FFFD per byte they take.
inline std::u32string decode(const std::string& text) {
    static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        char32_t cp = extra <= 0 ? lead : lead & (0x3Fu >> extra);
        bool valid = extra >= 0 && lead < 0xF5 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (!valid || cp < kLeast[extra] || cp > 0x10FFFF || isSurrogate(cp)) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += cp;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

// Appends the UTF-8 form of `cp`; a surrogate or a value above U+10FFFF has none and
// gives U+FFFD.
inline void append(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || isSurrogate(cp)) {
        cp = kReplacement;
    }
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Appends the wide characters of `cp`: a surrogate pair above U+FFFF where wide texts
// are UTF-16.
inline void appendWide(std::wstring& out, char32_t cp) {
    if (kWideIsUtf16 && cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

}  // namespace kelt2proe::utf8
