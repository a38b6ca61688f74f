#include "simhost/state/load_diagnostic.h"

namespace simhost::state {
namespace {

std::string& last() {
    static std::string text;
    return text;
}

}  // namespace

void loadDiagnosticSet(std::string diagnostic) {
    last() = std::move(diagnostic);
}

void loadDiagnosticClear() {
    last().clear();
}

const std::string& loadDiagnostic() {
    return last();
}

}  // namespace simhost::state
