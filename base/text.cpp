#include "base/text.h"

#include <ProUtil.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

namespace Ardo::text {

// A conversion the host refuses (it answers no buffer) leaves an empty text, never the
// buffer's previous contents.
wchar_t* toWide(wchar_t* dst, const char* src) {
    wchar_t* done = ProStringToWstring(dst, const_cast<char*>(src == nullptr ? "" : src));
    if (done == nullptr && dst != nullptr) {
        dst[0] = L'\0';
    }
    return done;
}

char* toNarrow(char* dst, const wchar_t* src) {
    char* done = ProWstringToString(dst, const_cast<wchar_t*>(src == nullptr ? L"" : src));
    if (done == nullptr && dst != nullptr) {
        dst[0] = '\0';
    }
    return done;
}

std::string toNarrow(const wchar_t* src) {
    if (src == nullptr) {
        return {};
    }
    // A wide character narrows to at most MB_LEN_MAX bytes.
    std::vector<char> buffer((std::wcslen(src) + 1) * MB_LEN_MAX, '\0');
    toNarrow(buffer.data(), src);
    return buffer.data();
}

void widenBounded(wchar_t* dst, const char* src, std::size_t maxChars) {
    std::size_t n = 0;
    if (src != nullptr) {
        std::mbstate_t state{};
        const char* p = src;
        std::size_t left = std::strlen(src);
        while (n < maxChars && left > 0) {
            wchar_t wc = 0;
            std::size_t used = std::mbrtowc(&wc, p, left, &state);
            if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
                // Not valid in the current locale: take the byte as it stands.
                wc = static_cast<unsigned char>(*p);
                used = 1;
                state = std::mbstate_t{};
            } else if (used == 0) {
                break;
            }
            dst[n++] = wc;
            p += used;
            left -= used;
        }
    }
    dst[n] = L'\0';
}

void copyBounded(char* dst, std::size_t size, const char* src) {
    if (size == 0) {
        return;
    }
    std::size_t n = src == nullptr ? 0 : std::strlen(src);
    if (n > size - 1) {
        n = size - 1;
    }
    if (n > 0) {
        std::memcpy(dst, src, n);
    }
    dst[n] = '\0';
}

}  // namespace Ardo::text
