// Conversions between the application's narrow texts and the host's wide texts.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

namespace Ardo::text {

// Host buffer widths in wide characters, terminator included.
constexpr std::size_t kNameSize = 32;
constexpr std::size_t kLineSize = 81;
constexpr std::size_t kPathSize = 260;

// Narrow to wide through the toolkit's conversion; `dst` must hold the text. A conversion
// the host refuses answers null and leaves `dst` empty (both directions).
wchar_t* toWide(wchar_t* dst, const char* src);
// Wide to narrow through the toolkit's conversion; `dst` must hold the text.
char* toNarrow(char* dst, const wchar_t* src);
std::string toNarrow(const wchar_t* src);

// Bounded widening: the first `maxChars` characters of `src`, each widened by the
// current locale, always terminated; `dst` holds maxChars + 1 wide characters.
// Longer input is cut silently.
void widenBounded(wchar_t* dst, const char* src, std::size_t maxChars);

template <std::size_t N>
void widenBounded(wchar_t (&dst)[N], const char* src) {
    widenBounded(dst, src, N - 1);
}

// Copies at most size - 1 bytes of `src` into `dst`, always terminated.
void copyBounded(char* dst, std::size_t size, const char* src);

template <std::size_t N>
void copyBounded(char (&dst)[N], const char* src) {
    copyBounded(dst, N, src);
}

// Narrowing of a host field into a narrow field of the same width, always terminated.
template <std::size_t N, std::size_t M>
void narrowField(char (&dst)[N], const wchar_t (&src)[M]) {
    static_assert(N == M, "fields of the same width");
    // The host field may lack a terminator: take at most M - 1 characters.
    std::wstring bounded(src, std::find(src, src + M - 1, L'\0'));
    copyBounded(dst, toNarrow(bounded.c_str()).c_str());
}

}  // namespace Ardo::text
