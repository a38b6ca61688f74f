// The error lists that section solving fills.
#include <ProSecerror.h>

#include <cwchar>
#include <string>

#include "simhost/core/entry.h"
#include "simhost/state/sections.h"

using namespace simhost::state;

extern "C" {

ProError ProSecerrorAlloc(ProWSecerror* PUserErr) try {
    SIMHOST_ENTER("ProSecerrorAlloc");
    if (PUserErr == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *PUserErr = secerrorsCreate();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSecerrorFree(ProWSecerror* PUserErr) try {
    SIMHOST_ENTER("ProSecerrorFree");
    if (PUserErr == nullptr || secerrorsFind(*PUserErr) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    secerrorsFree(*PUserErr);
    *PUserErr = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSecerrorCount(ProWSecerror* PUserErr, int* r_count) try {
    SIMHOST_ENTER("ProSecerrorCount");
    const std::vector<std::wstring>* messages =
        PUserErr != nullptr ? secerrorsFind(*PUserErr) : nullptr;
    if (messages == nullptr || r_count == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_count = static_cast<int>(messages->size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSecerrorMsgGet(ProWSecerror UserErr, int ith, ProMsg PMsg) try {
    SIMHOST_ENTER("ProSecerrorMsgGet", std::to_string(ith));
    const std::vector<std::wstring>* messages = secerrorsFind(UserErr);
    if (messages == nullptr || PMsg == nullptr || ith < 0 ||
        ith >= static_cast<int>(messages->size())) {
        return PRO_TK_BAD_INPUTS;
    }
    const std::wstring& text = (*messages)[static_cast<std::size_t>(ith)];
    std::size_t n = std::min<std::size_t>(text.size(), PRO_PATH_SIZE - 1);
    std::wmemcpy(PMsg, text.data(), n);
    PMsg[n] = L'\0';
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
