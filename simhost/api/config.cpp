// Configuration options of the session.
#include <ProArray.h>
#include <ProUtil.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/owner_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/config.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

namespace {

// The option name of a caller's buffer: non-empty, without blanks; false otherwise.
bool optionName(const wchar_t* buffer, std::string& out) {
    std::wstring text;
    if (!wideBuffer(buffer, PRO_NAME_SIZE, text) || text.empty() ||
        text.find_first_of(L" \t\r\n") != std::wstring::npos) {
        return false;
    }
    out = narrow(text);
    return true;
}

}  // namespace

extern "C" {

ProError ProConfigoptSet(ProName option, ProPath option_value) try {
    SIMHOST_ENTER("ProConfigoptSet", wideArg(option, PRO_NAME_SIZE),
                  wideArg(option_value, PRO_PATH_SIZE));
    SIMHOST_SESSION(s);
    std::string name;
    std::wstring value;
    if (!optionName(option, name) || !wideBuffer(option_value, PRO_PATH_SIZE, value)) {
        return PRO_TK_BAD_INPUTS;
    }
    configSet(*s, name, narrow(value));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProConfigoptGet(ProName option, ProLine value) try {
    SIMHOST_ENTER("ProConfigoptGet", wideArg(option, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    std::string name;
    std::string text;
    if (!optionName(option, name) || value == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!configGet(*s, name, text)) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::wstring wide = widen(text);
    if (wide.size() >= PRO_LINE_SIZE) {
        return PRO_TK_LINE_TOO_LONG;
    }
    copyWide(value, PRO_LINE_SIZE, wide);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProConfigoptArrayGet(ProName option, ProPath** value_array) try {
    SIMHOST_ENTER("ProConfigoptArrayGet", wideArg(option, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    std::string name;
    std::vector<std::string> values;
    if (!optionName(option, name) || value_array == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!configValues(*s, name, values)) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::vector<std::wstring> wide;
    for (const std::string& value : values) {
        wide.push_back(widen(value));
        if (wide.back().size() >= PRO_PATH_SIZE) {
            return PRO_TK_LINE_TOO_LONG;
        }
    }
    auto* array = static_cast<ProPath*>(
        arrayAlloc(static_cast<int>(wide.size()), static_cast<int>(sizeof(ProPath))));
    for (std::size_t i = 0; i < wide.size(); ++i) {
        copyWide(array[i], PRO_PATH_SIZE, wide[i]);
    }
    *value_array = array;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
