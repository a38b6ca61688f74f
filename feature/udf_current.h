// The current UDF of the process: its name, set by UdfInit and placed by UdfAdd, and the
// list of its required references, one entry per reference in the host's order, whose
// items the application chooses with UdfAddSetRef.
#pragma once

#include <cstdint>
#include <vector>

#include "base/text.h"
#include "feature/comp_path.h"

namespace Ardo::udf {

struct Reference {
    wchar_t prompt[80] = {};
    std::int32_t type = 0;
    wchar_t name[text::kNameSize] = {};
    CompPath path;  // the component whose model holds the item
};

struct Current {
    wchar_t name[text::kNameSize] = {};
    std::vector<Reference> references;
};

Current& current();

}  // namespace Ardo::udf
