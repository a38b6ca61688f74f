// Macros queued for the host, and the application process's environment.
#include <ProMenu.h>

#include <cstring>

#include "base/platform.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "session/pro_engineer.h"

namespace Ardo {
namespace {

constexpr std::size_t kMacroSize = 1024;

}  // namespace

void ProEngineer::Macro(const char* macro) {
    if (macro != nullptr && std::strlen(macro) > kMacroSize - 1) {
        throw Error(PRO_TK_BAD_INPUTS, "macro too long");
    }
    wchar_t wideMacro[kMacroSize];
    // The host runs the queue later; neither the queueing's result nor a text the host
    // could not take is reported. A refused conversion queues nothing (not an empty macro).
    if (text::toWide(wideMacro, macro) != nullptr) {
        (void)ProMacroLoad(wideMacro);
    }
}

void ProEngineer::PutEnv(const char* setting) {
    (void)platform::setEnvironment(setting);
}

}  // namespace Ardo
