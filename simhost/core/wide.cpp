#include "simhost/core/wide.h"

#include "base/utf8.h"

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

namespace utf8 = kelt2proe::utf8;

std::string toUtf8(const std::wstring& wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        auto cp = static_cast<char32_t>(wide[i]);
        if (utf8::kWideIsUtf16 && utf8::isHighSurrogate(cp) && i + 1 < wide.size() &&
            utf8::isLowSurrogate(static_cast<char32_t>(wide[i + 1]))) {
            cp = utf8::joinSurrogates(cp, static_cast<char32_t>(wide[++i]));
        }
        // A surrogate without its partner has no UTF-8 form: append gives U+FFFD.
        utf8::append(out, cp);
    }
    return out;
}

std::wstring fromUtf8(const std::string& text) {
    std::wstring out;
    for (char32_t cp : utf8::decode(text)) {
        utf8::appendWide(out, cp);
    }
    return out;
}

}  // namespace simhost::core
