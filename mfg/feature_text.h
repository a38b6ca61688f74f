// Reading texts of manufacturing features: text parameters and comment lines.
#pragma once

#include <ProObjects.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Ardo::featuretext {

// The value of the feature's parameter `name` as text (ProParameterInit,
// ProParameterValueGet; failures raise ardotk::Error(code, "")). A number is given as
// its decimal text, a boolean as 0 or 1.
std::string paramText(ProFeature& feature, const char* name);

// The comment lines (element 152) of the feature, one per value of a multi-valued
// element; none when it holds a single value. The tree is freed on every path; a
// failing free raises Ardo::Error(code, freeText).
std::vector<std::wstring> commentLines(ProFeature& feature, const char* freeText);

// Line n of `lines` narrowed into `buffer`, the empty text for n at or past the end.
const char* lineAt(const std::vector<std::wstring>& lines, unsigned int n, char* buffer,
                   std::size_t size);

}  // namespace Ardo::featuretext
