#include "simhost/core/entry.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "simhost/core/faults.h"
#include "simhost/core/journal.h"

namespace simhost::core {
namespace {

ProError codeFor(std::exception_ptr error, std::string& reason) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc& e) {
        reason = e.what();
        return PRO_TK_OUT_OF_MEMORY;
    } catch (const std::logic_error& e) {
        reason = e.what();
        return PRO_TK_BAD_INPUTS;
    } catch (const std::exception& e) {
        reason = e.what();
        return PRO_TK_GENERAL_ERROR;
    } catch (...) {
        reason = "unknown exception";
        return PRO_TK_GENERAL_ERROR;
    }
}

}  // namespace

std::optional<int> enter(std::initializer_list<std::string> call) {
    journalAdd(call);
    return faultConsult(*call.begin());
}

EscapeAnswer escaped(const char* function) noexcept {
    ProError code = PRO_TK_GENERAL_ERROR;
    try {
        std::string reason;
        code = codeFor(std::current_exception(), reason);
        journalAdd({std::string("!") + function, std::to_string(code), reason});
    } catch (...) {
        // Out of memory even for the journal entry: the code alone answers.
    }
    return EscapeAnswer{code};
}

}  // namespace simhost::core
