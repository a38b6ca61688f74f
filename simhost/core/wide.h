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

}  // namespace simhost::core
