#include "toolkit/configopt.h"

#include <algorithm>

#include "toolkit/check.h"

namespace ardotk {

namespace {

void nameOf(const wchar_t* option, ProName name) {
    std::wstring text(option == nullptr ? L"" : option);
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(PRO_NAME_SIZE - 1));
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), name);
    name[n] = L'\0';
}

}  // namespace

std::wstring ConfigoptGet(const wchar_t* option) {
    ProName name;
    nameOf(option, name);
    ProLine value = {};
    check(ProConfigoptGet(name, value));
    value[PRO_LINE_SIZE - 1] = L'\0';
    return value;
}

void ConfigoptSet(const wchar_t* option, const std::wstring& value) {
    ProName name;
    nameOf(option, name);
    ProPath path = {};
    std::size_t n = std::min(value.size(), static_cast<std::size_t>(PRO_PATH_SIZE - 1));
    std::copy(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(n), path);
    path[n] = L'\0';
    check(ProConfigoptSet(name, path));
}

}  // namespace ardotk
