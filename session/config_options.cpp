// Configuration options of the host session, and the tool-parameter directory that one
// of them holds.
#include <ProToolkit.h>
#include <ProUtil.h>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "session/pro_engineer.h"
#include "session/session_state.h"
#include "toolkit/array.h"
#include "toolkit/check.h"

namespace Ardo {
namespace {

// The option that holds the tool-parameter directory (it may hold several).
wchar_t kToolDirOption[] = L"pro_mf_tprm_dir";

constexpr const char* kToolDirSet = "Ardo::UtilToolDirSet";

}  // namespace

const char* ProEngineer::ConfigOptGet(const char* name) {
    wchar_t wideName[81];
    text::widenBounded(wideName, name);
    ProLine value{};
    check(ProConfigoptGet(wideName, value), "Ardo::ProEngineer::ConfigOptGet");
    char* buffer = session::sessionState().optionValue;
    text::copyBounded(buffer, sizeof session::sessionState().optionValue,
                      text::toNarrow(value).c_str());
    return buffer;
}

void ProEngineer::ConfigOptSet(const char* name, const char* value) {
    wchar_t wideName[81];
    text::widenBounded(wideName, name);
    ProPath wideValue;
    text::widenBounded(wideValue, value);
    check(ProConfigoptSet(wideName, wideValue), "Ardo::ProEngineer::ConfigOptSet");
}

const char* ProEngineer::ToolDirGet() {
    ardotk::ArrayOwner<ProPath> values;
    check(ProConfigoptArrayGet(kToolDirOption, values.out()), "Ardo::UtilToolDirGet");
    int count = 0;
    // An option without a value (or an array the host cannot measure) reads as empty.
    if (ProArraySizeGet(values.get(), &count) != PRO_TK_NO_ERROR) {
        count = 0;
    }
    char* buffer = session::sessionState().toolDir;
    const std::size_t size = sizeof session::sessionState().toolDir;
    if (count > 0) {
        text::copyBounded(buffer, size, text::toNarrow(values.get()[0]).c_str());
    } else {
        buffer[0] = '\0';
    }
    return buffer;
}

void ProEngineer::ToolDirSet(const char* path) {
    // The option's value holds 259 characters: a longer path would be cut to another
    // directory, so it is refused before the host is asked, as DirSet refuses it.
    refuseLongerThan(path, PRO_PATH_SIZE - 1, PRO_TK_BAD_INPUTS, "Path too long");
    ProPath widePath;
    if (text::toWide(widePath, path) == nullptr) {
        // An empty value would clear the option: a path the host cannot take is refused.
        throw Error(PRO_TK_GENERAL_ERROR, kToolDirSet);
    }
    check(ProConfigoptSet(kToolDirOption, widePath), kToolDirSet);
}

}  // namespace Ardo
