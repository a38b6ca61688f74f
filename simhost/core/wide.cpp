#include "simhost/core/wide.h"

#include <climits>
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

}  // namespace simhost::core
