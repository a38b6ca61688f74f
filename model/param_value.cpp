#include "model/param_value.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/text.h"

namespace Ardo::paramvalue {

namespace {

// The text of a fixed field that need not hold a terminator.
template <typename Char, std::size_t N>
std::basic_string<Char> fieldText(const Char (&field)[N]) {
    return std::basic_string<Char>(field, std::find(field, field + N - 1, Char(0)));
}

}  // namespace

bool toHost(const kelt2pParamValue& in, ProParamvalue& out) {
    std::memset(&out, 0, sizeof out);
    switch (in.type) {
        case KELT2P_PARAM_DOUBLE:
            out.value.d_val = in.value.d;
            break;
        case KELT2P_PARAM_STRING:
            text::widenBounded(out.value.s_val, fieldText(in.value.s).c_str());
            break;
        case KELT2P_PARAM_INTEGER:
            out.value.i_val = in.value.i;
            break;
        case KELT2P_PARAM_BOOLEAN:
            out.value.l_val = in.value.b;
            break;
        default:
            return false;
    }
    out.type = static_cast<ProParamvalueType>(in.type);
    return true;
}

kelt2pParamValue fromHost(const char* name, const ProParamvalue& in) {
    kelt2pParamValue out;
    std::memset(&out, 0, sizeof out);
    text::copyBounded(out.name, name);
    out.type = in.type;
    switch (in.type) {
        case PRO_PARAM_DOUBLE:
            out.value.d = in.value.d_val;
            break;
        case PRO_PARAM_STRING:
            text::copyBounded(out.value.s,
                              text::toNarrow(fieldText(in.value.s_val).c_str()).c_str());
            break;
        case PRO_PARAM_INTEGER:
            out.value.i = in.value.i_val;
            break;
        case PRO_PARAM_BOOLEAN:
            out.value.b = in.value.l_val;
            break;
        default:
            break;
    }
    return out;
}

}  // namespace Ardo::paramvalue
