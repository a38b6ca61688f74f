// Argument helpers of the model and window functions: handles and bounded names.
#pragma once

#include <ProObjects.h>

#include <cstddef>
#include <cwchar>
#include <string>

#include "simhost/core/wide.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::api {

// The id of a handle as journal text.
inline std::string handleArg(const void* handle) {
    return std::to_string(state::modelIdOf(handle));
}

// The characters of a buffer of `size` before its terminator (`size` when it has none).
inline std::size_t wideLength(const wchar_t* buffer, std::size_t size) {
    std::size_t n = 0;
    while (n < size && buffer[n] != L'\0') {
        ++n;
    }
    return n;
}

// The wide text of a buffer of `size` characters; false when it is null or holds no
// terminator within its size.
inline bool wideBuffer(const wchar_t* buffer, std::size_t size, std::wstring& out) {
    if (buffer == nullptr) {
        return false;
    }
    std::size_t n = wideLength(buffer, size);
    if (n == size) {
        return false;
    }
    out.assign(buffer, n);
    return true;
}

// The same text narrowed.
inline bool wideText(const wchar_t* buffer, std::size_t size, std::string& out) {
    std::wstring wide;
    if (!wideBuffer(buffer, size, wide)) {
        return false;
    }
    out = core::narrow(wide);
    return true;
}

// The text of a wide buffer for the journal (cut at its size).
inline std::string wideArg(const wchar_t* buffer, std::size_t size) {
    if (buffer == nullptr) {
        return std::string();
    }
    return core::narrow(std::wstring(buffer, wideLength(buffer, size)));
}

inline state::Model* modelOf(state::Session* s, const void* handle) {
    return s->area<state::ModelStore>().byHandle(handle);
}

// Solids are parts, assemblies and manufacturing models.
inline bool isSolid(const state::Model& model) {
    return model.type == state::kPart || model.type == state::kAssembly ||
           model.type == state::kMfg;
}

}  // namespace simhost::api
