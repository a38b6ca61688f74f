// Wrappers of the host's macro calls: commands queued in the host and run together.
#pragma once

namespace ardotk {

// ProMacroLoad of `macro` (a copy is passed: the host takes a writable text); raises
// ardotk::Error(code, "").
void MacroLoad(const wchar_t* macro);
// ProMacroExecute of the macros loaded; raises ardotk::Error(code, "").
void MacroExecute();

}  // namespace ardotk
