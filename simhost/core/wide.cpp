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

std::string toUtf8(const std::wstring& wide) {
    std::string out;
    for (wchar_t wc : wide) {
        auto cp = static_cast<std::uint32_t>(wc);
        if (cp > 0x10FFFF) {
            cp = 0xFFFD;
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
    return out;
}

std::wstring fromUtf8(const std::string& utf8) {
    std::wstring out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        std::uint32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = extra >= 0 && i + static_cast<std::size_t>(extra) < utf8.size();
        for (int k = 1; valid && k <= extra; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace simhost::core
