#include "simhost/core/wide.h"

#include <climits>
#include <cstdint>
#include <cwchar>

namespace simhost::core {

std::wstring widen(const std::string& narrow) {
    std::wstring out;
    std::mbstate_t state{};
    const char* p = narrow.c_str();
    std::size_t left = narrow.size();
    while (left > 0) {
        wchar_t wc = 0;
        std::size_t used = std::mbrtowc(&wc, p, left, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            wc = static_cast<unsigned char>(*p);
            used = 1;
            state = std::mbstate_t{};
        } else if (used == 0) {
            break;
        }
        out += wc;
        p += used;
        left -= used;
    }
    return out;
}

std::string narrow(const std::wstring& wide) {
    std::string out;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (wchar_t wc : wide) {
        std::size_t n = std::wcrtomb(buffer, wc, &state);
        if (n == static_cast<std::size_t>(-1)) {
            out += '?';
            state = std::mbstate_t{};
        } else {
            out.append(buffer, n);
        }
    }
    return out;
}

std::string narrow(const wchar_t* wide) {
    return wide == nullptr ? std::string() : narrow(std::wstring(wide));
}

void copyWide(wchar_t* dst, std::size_t size, const std::wstring& src) {
    if (size == 0) {
        return;
    }
    std::size_t n = src.size() < size - 1 ? src.size() : size - 1;
    src.copy(dst, n);
    dst[n] = L'\0';
}

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;
// Where wchar_t has 2 bytes (Windows) wide texts are UTF-16: a code point above U+FFFF
// is a pair of surrogates.
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool isSurrogate(std::uint32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}

bool isHighSurrogate(std::uint32_t cp) {
    return cp >= 0xD800 && cp <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t cp) {
    return cp >= 0xDC00 && cp <= 0xDFFF;
}

void appendUtf8(std::string& out, std::uint32_t cp) {
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

void appendWide(std::wstring& out, std::uint32_t cp) {
    if (kWideIsUtf16 && cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

}  // namespace

std::string toUtf8(const std::wstring& wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        auto cp = static_cast<std::uint32_t>(wide[i]);
        if (kWideIsUtf16 && isHighSurrogate(cp) && i + 1 < wide.size() &&
            isLowSurrogate(static_cast<std::uint32_t>(wide[i + 1]))) {
            cp = 0x10000 + ((cp - 0xD800) << 10) +
                 (static_cast<std::uint32_t>(wide[i + 1]) - 0xDC00);
            ++i;
        } else if (cp > 0x10FFFF || isSurrogate(cp)) {
            // A surrogate without its partner, or no code point at all, has no UTF-8 form.
            cp = kReplacement;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::wstring fromUtf8(const std::string& utf8) {
    static const std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    std::wstring out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        std::uint32_t cp = extra <= 0 ? lead : lead & (0x3Fu >> extra);
        bool valid = extra >= 0 && lead < 0xF5 && i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms, encoded surrogates and values above U+10FFFF are not UTF-8.
        if (!valid || cp < kLeast[extra] || cp > 0x10FFFF || isSurrogate(cp)) {
            out += static_cast<wchar_t>(kReplacement);
            ++i;
            continue;
        }
        appendWide(out, cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace simhost::core
