// String conversion and release, date code.
#include <ProUtil.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <exception>
#include <string>

#include "simhost/core/allocations.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/config.h"
#include "simhost/state/sessions.h"

using namespace simhost::core;
using namespace simhost::state;

namespace {

// The display date code of this host build.
constexpr char kDateCode[] = "M070";

// The size of the host's wide character in bytes: the platform's, unless the session's
// start file gives "simhost_wchar_size" (so that a test can play a host that differs).
int hostWcharSize() {
    int size = static_cast<int>(sizeof(wchar_t));
    std::string given;
    Session* session = connected();
    if (session != nullptr && configGet(*session, "simhost_wchar_size", given)) {
        try {
            size = std::stoi(given);
        } catch (const std::exception&) {
            // A value that is not a number leaves the platform's size.
        }
    }
    return size;
}

}  // namespace

extern "C" {

wchar_t* ProStringToWstring(wchar_t* wstr, char* str) try {
    if (enter({"ProStringToWstring", str == nullptr ? std::string() : std::string(str)})) {
        return nullptr;
    }
    if (wstr == nullptr || str == nullptr) {
        return nullptr;
    }
    std::wstring wide = widen(str);
    wide.copy(wstr, wide.size());
    wstr[wide.size()] = L'\0';
    return wstr;
}
SIMHOST_CATCH

char* ProWstringToString(char* str, wchar_t* wstr) try {
    std::string text = narrow(wstr);
    if (enter({"ProWstringToString", text})) {
        return nullptr;
    }
    if (str == nullptr || wstr == nullptr) {
        return nullptr;
    }
    std::memcpy(str, text.c_str(), text.size() + 1);
    return str;
}
SIMHOST_CATCH

ProError ProStringFree(char* string) try {
    SIMHOST_ENTER("ProStringFree");
    if (string == nullptr || !allocationRemove(string)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::free(string);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWstringFree(wchar_t* wstring) try {
    SIMHOST_ENTER("ProWstringFree");
    if (wstring == nullptr || !allocationRemove(wstring)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::free(wstring);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWcharSizeVerify(int application_size_of_wchar, int* proe_size_of_wchar) try {
    SIMHOST_ENTER("ProWcharSizeVerify", std::to_string(application_size_of_wchar));
    if (proe_size_of_wchar == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    int hostSize = hostWcharSize();
    *proe_size_of_wchar = hostSize;
    return application_size_of_wchar == hostSize ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}
SIMHOST_CATCH

ProError ProEngineerDisplaydatecodeGet(char** display_datecode) try {
    SIMHOST_ENTER("ProEngineerDisplaydatecodeGet");
    if (display_datecode == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (connected() == nullptr) {
        return PRO_TK_COMM_ERROR;
    }
    char* copy = static_cast<char*>(std::malloc(sizeof kDateCode));
    std::memcpy(copy, kDateCode, sizeof kDateCode);
    allocationAdd(copy);
    *display_datecode = copy;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
