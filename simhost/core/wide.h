// Text conversions of the simulated host between narrow and wide characters.
#pragma once

#include <string>

namespace simhost::core {

// Widens by the current locale; a byte that is not valid there is taken as its value.
std::wstring widen(const std::string& narrow);
// Narrows by the current locale; a character that the locale cannot show becomes '?'.
std::string narrow(const std::wstring& wide);
std::string narrow(const wchar_t* wide);
// Copies at most size - 1 characters of `src` into `dst`, always terminated.
void copyWide(wchar_t* dst, std::size_t size, const std::wstring& src);

// UTF-8 for the host's files, independent of the locale. Each wide character is taken
// as one code point; an invalid byte sequence decodes as U+FFFD.
std::string toUtf8(const std::wstring& wide);
std::wstring fromUtf8(const std::string& utf8);

}  // namespace simhost::core
