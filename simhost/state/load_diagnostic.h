// Why the most recent model-file load failed, for a person to read: the file, and the
// line and column or the key that is wrong.
#pragma once

#include <string>

namespace simhost::state {

void loadDiagnosticSet(std::string diagnostic);
void loadDiagnosticClear();
const std::string& loadDiagnostic();

}  // namespace simhost::state
