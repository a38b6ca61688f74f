// Host macros: queued by ProMacroLoad, run by ProMacroExecute.
#include <ProMenu.h>

#include <string>

#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/macros.h"

using namespace simhost::core;
using namespace simhost::state;

namespace {

// The queued macro texts, in load order, joined by blanks for the journal.
std::string queuedArg() {
    Session* s = connected();
    std::string out;
    if (s != nullptr) {
        for (const std::wstring& macro : s->area<MacroQueue>().loaded) {
            out += (out.empty() ? "" : " ") + narrow(macro);
        }
    }
    return out;
}

}  // namespace

extern "C" {

ProError ProMacroLoad(wchar_t* macro) try {
    SIMHOST_ENTER("ProMacroLoad", macro == nullptr ? std::string() : narrow(macro));
    SIMHOST_SESSION(s);
    if (macro == nullptr || *macro == L'\0') {
        return PRO_TK_BAD_INPUTS;
    }
    s->area<MacroQueue>().loaded.emplace_back(macro);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMacroExecute(void) try {
    // The journal shows what the call runs: the queued texts.
    SIMHOST_ENTER("ProMacroExecute", queuedArg());
    SIMHOST_SESSION(s);
    macrosExecute(*s);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
