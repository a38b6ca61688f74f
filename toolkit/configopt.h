// Wrappers of the host's configuration-option calls. Failures raise
// ardotk::Error(host code, "").
#pragma once

#include <ProUtil.h>

#include <string>

namespace ardotk {

// ProConfigoptGet: the option's value as the host shows it (at most 80 characters).
std::wstring ConfigoptGet(const wchar_t* option);

// ProConfigoptSet; a value longer than 259 characters is cut.
void ConfigoptSet(const wchar_t* option, const std::wstring& value);

}  // namespace ardotk
