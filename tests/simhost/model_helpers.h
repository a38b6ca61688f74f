// Helpers of the model tests: wide names and models made through toolkit calls.
#pragma once

#include <ProMdl.h>
#include <ProSolid.h>

#include <cwchar>
#include <string>

namespace modeltest {

struct Name {
    ProName text{};
    explicit Name(const std::wstring& value) {
        std::wcsncpy(text, value.c_str(), PRO_NAME_SIZE - 1);
    }
};

struct Path {
    ProPath text{};
    explicit Path(const std::string& value) {
        for (std::size_t i = 0; i < value.size() && i + 1 < PRO_PATH_SIZE; ++i) {
            text[i] = static_cast<wchar_t>(value[i]);
        }
    }
};

inline ProMdl create(const std::wstring& name, ProType type = PRO_PART) {
    Name n(name);
    ProSolid solid = nullptr;
    return ProSolidCreate(n.text, type, &solid) == PRO_TK_NO_ERROR ? solid : nullptr;
}

inline ProError load(const std::string& path, ProMdlType type, ProMdl* out) {
    Path p(path);
    return ProMdlLoad(p.text, type, PRO_B_FALSE, out);
}

inline std::wstring nameOf(ProMdl model) {
    ProName name{};
    return ProMdlNameGet(model, name) == PRO_TK_NO_ERROR ? std::wstring(name) : L"<error>";
}

}  // namespace modeltest
