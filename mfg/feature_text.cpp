#include "mfg/feature_text.h"

#include <ProParameter.h>

#include <cstdio>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/parameter.h"

namespace Ardo::featuretext {

std::string paramText(ProFeature& feature, const char* name) {
    ProName wideName;
    text::widenBounded(wideName, name);
    ProParameter param = ardotk::ParameterInit(feature, wideName);
    ProParamvalue value = ardotk::ParameterValueGet(param);
    char number[64] = {};
    switch (value.type) {
        case PRO_PARAM_STRING:
            value.value.s_val[PRO_LINE_SIZE - 1] = L'\0';
            return text::toNarrow(value.value.s_val);
        case PRO_PARAM_DOUBLE:
            std::snprintf(number, sizeof number, "%g", value.value.d_val);
            return number;
        case PRO_PARAM_INTEGER:
            std::snprintf(number, sizeof number, "%d", value.value.i_val);
            return number;
        case PRO_PARAM_BOOLEAN:
            return value.value.l_val != 0 ? "1" : "0";
        default:
            return {};
    }
}

std::vector<std::wstring> commentLines(ProFeature& feature, const char* freeText) {
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(feature);
    std::vector<std::wstring> lines;
    ProElement comments = ardotk::ElementGet(tree.get(), {152});
    if (ardotk::ElementIsMultival(comments)) {
        lines = ardotk::ElementWstrings(comments);
    }
    Ardo::check(tree.release(), freeText);
    return lines;
}

const char* lineAt(const std::vector<std::wstring>& lines, unsigned int n, char* buffer,
                   std::size_t size) {
    if (n >= lines.size()) {
        buffer[0] = '\0';
    } else {
        text::copyBounded(buffer, size, text::toNarrow(lines[n].c_str()).c_str());
    }
    return buffer;
}

}  // namespace Ardo::featuretext
