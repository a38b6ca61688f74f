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

// UTF-8 for the host's files, independent of the locale. A wide text is UTF-32 where
// wchar_t has 4 bytes and UTF-16 (surrogate pairs) where it has 2. A surrogate without
// its partner encodes as U+FFFD; an ill-formed byte sequence decodes as U+FFFD.
std::string toUtf8(const std::wstring& wide);
std::wstring fromUtf8(const std::string& utf8);

}  // namespace simhost::core
