// Host callbacks must never let an exception escape into the toolkit: a callback runs
// its body under a guard that keeps the exception and stops the visit; after the
// toolkit returns, the caller rethrows it.
#pragma once

#include <ProToolkit.h>

#include <exception>
#include <utility>

namespace ardotk {

class VisitGuard {
public:
    // Runs body(); on an exception keeps it and returns `stopCode` so the host stops the
    // visit. Returns body()'s result otherwise.
    template <typename Body>
    ProError run(Body&& body, ProError stopCode = PRO_TK_GENERAL_ERROR) noexcept {
        if (error_) {
            return stopCode;
        }
        try {
            return std::forward<Body>(body)();
        } catch (...) {
            error_ = std::current_exception();
            return stopCode;
        }
    }

    // Rethrows the exception a callback kept, if any.
    void rethrow() const {
        if (error_) {
            std::rethrow_exception(error_);
        }
    }

private:
    std::exception_ptr error_;
};

}  // namespace ardotk
