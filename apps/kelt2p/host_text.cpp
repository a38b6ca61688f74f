#include "host_text.h"

#include <climits>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <cwchar>

#include "base/utf8.h"
#include "options.h"

namespace kelt2p {

namespace {

namespace utf8 = kelt2proe::utf8;

// The wide characters of one code point.
std::wstring toWide(char32_t cp) {
    std::wstring out;
    utf8::appendWide(out, cp);
    return out;
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

std::string toHostText(const std::string& text, const std::string& what) {
    std::string out;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (char32_t cp : utf8::decode(text)) {
        for (wchar_t wc : toWide(cp)) {
            std::size_t n = std::wcrtomb(buffer, wc, &state);
            if (n == static_cast<std::size_t>(-1)) {
                std::string character;
                utf8::append(character, cp);
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
    char32_t high = 0;  // a pending first half of a surrogate pair
    const char* p = host.c_str();
    std::size_t left = host.size();
    while (left > 0) {
        wchar_t wc = 0;
        std::size_t used = std::mbrtowc(&wc, p, left, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            wc = static_cast<wchar_t>(utf8::kReplacement);
            used = 1;
            state = std::mbstate_t{};
        } else if (used == 0) {
            break;
        }
        p += used;
        left -= used;
        auto cp = static_cast<char32_t>(wc);
        if (utf8::kWideIsUtf16 && utf8::isHighSurrogate(cp)) {
            if (high != 0) {
                utf8::append(out, utf8::kReplacement);
            }
            high = cp;
            continue;
        }
        if (utf8::kWideIsUtf16 && high != 0 && utf8::isLowSurrogate(cp)) {
            cp = utf8::joinSurrogates(high, cp);
        } else if (high != 0) {
            utf8::append(out, utf8::kReplacement);
        }
        high = 0;
        utf8::append(out, cp);
    }
    if (high != 0) {
        utf8::append(out, utf8::kReplacement);
    }
    return out;
}

}  // namespace kelt2p
