#include "toolkit/macro.h"

#include <ProMenu.h>

#include <string>

#include "toolkit/check.h"

namespace ardotk {

void MacroLoad(const wchar_t* macro) {
    std::wstring text = macro;
    check(ProMacroLoad(text.data()));
}

void MacroExecute() {
    check(ProMacroExecute());
}

}  // namespace ardotk
