// Wrappers of the toolkit's utility area: owners of texts that the toolkit allocates.
#pragma once

#include <ProUtil.h>

#include <memory>

namespace ardotk {

// Releases a narrow text of the toolkit with ProStringFree; never throws.
struct StringFree {
    void operator()(char* text) const noexcept {
        if (text != nullptr) {
            ProStringFree(text);
        }
    }
};

// Releases a wide text of the toolkit with ProWstringFree; never throws.
struct WstringFree {
    void operator()(wchar_t* text) const noexcept {
        if (text != nullptr) {
            ProWstringFree(text);
        }
    }
};

// Take a toolkit text into one of these before looking at the call's result, so that
// every path releases it.
using String = std::unique_ptr<char, StringFree>;
using Wstring = std::unique_ptr<wchar_t, WstringFree>;

}  // namespace ardotk
