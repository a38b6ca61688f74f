#include "host_text.h"

#include <climits>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <cwchar>

#include "options.h"

namespace kelt2p {

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;
constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

bool isSurrogate(std::uint32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}

// Code points of a UTF-8 text; ill-formed sequences become U+FFFD (the tool list is
// checked for UTF-8 before it gets here).
std::u32string decodeUtf8(const std::string& utf8) {
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        std::uint32_t cp = extra <= 0 ? lead : lead & (0x3Fu >> extra);
        bool valid = extra >= 0 && lead < 0xF5 && i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        static const std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
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

void appendUtf8(std::string& out, std::uint32_t cp) {
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

// The wide characters of one code point: a surrogate pair where wchar_t has 2 bytes.
std::wstring toWide(std::uint32_t cp) {
    if (kWideIsUtf16 && cp >= 0x10000) {
        cp -= 0x10000;
        return {static_cast<wchar_t>(0xD800 + (cp >> 10)),
                static_cast<wchar_t>(0xDC00 + (cp & 0x3FF))};
    }
    return std::wstring(1, static_cast<wchar_t>(cp));
}

}  // namespace

void useHostCharacterSet() {
#if defined(_WIN32)
    std::setlocale(LC_CTYPE, "");
#else
    const char* locale = std::setlocale(LC_CTYPE, "");
    if (locale == nullptr ||
        (std::strstr(locale, "UTF-8") == nullptr && std::strstr(locale, "utf8") == nullptr)) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
#endif
}

std::string toHostText(const std::string& utf8, const std::string& what) {
    std::string out;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (char32_t cp : decodeUtf8(utf8)) {
        for (wchar_t wc : toWide(cp)) {
            std::size_t n = std::wcrtomb(buffer, wc, &state);
            if (n == static_cast<std::size_t>(-1)) {
                std::string character;
                appendUtf8(character, cp);
                throw InputError(what + " holds " + character +
                                 ", which the host's character set cannot represent");
            }
            out.append(buffer, n);
        }
    }
    return out;
}

std::string fromHostText(const std::string& host) {
    std::string out;
    std::mbstate_t state{};
    std::uint32_t high = 0;  // a pending first half of a surrogate pair
    const char* p = host.c_str();
    std::size_t left = host.size();
    while (left > 0) {
        wchar_t wc = 0;
        std::size_t used = std::mbrtowc(&wc, p, left, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            wc = static_cast<wchar_t>(kReplacement);
            used = 1;
            state = std::mbstate_t{};
        } else if (used == 0) {
            break;
        }
        p += used;
        left -= used;
        auto cp = static_cast<std::uint32_t>(wc);
        if (kWideIsUtf16 && cp >= 0xD800 && cp <= 0xDBFF) {
            if (high != 0) {
                appendUtf8(out, kReplacement);
            }
            high = cp;
            continue;
        }
        if (kWideIsUtf16 && high != 0 && cp >= 0xDC00 && cp <= 0xDFFF) {
            cp = 0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00);
        } else if (high != 0) {
            appendUtf8(out, kReplacement);
        }
        high = 0;
        appendUtf8(out, cp);
    }
    if (high != 0) {
        appendUtf8(out, kReplacement);
    }
    return out;
}

}  // namespace kelt2p
