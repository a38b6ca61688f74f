// The current UDF: UdfInit lists the references of a UDF, UdfRef reads one entry,
// UdfAddSetRef chooses its item.
#include <ProArray.h>

#include <cwchar>

#include "base/subscript.h"
#include "feature/udf_current.h"
#include "feature/udf_data.h"
#include "model/solid.h"
#include "toolkit/array.h"
#include "toolkit/check.h"

namespace Ardo {

namespace {

constexpr const char* kInitText = "Ardo::kelt2pMdl::UdfInit";

// The entry at `index`: null for an index past the list's end or a negative one (the
// caller does nothing), the subscript error for the index one past the last entry.
udf::Reference* entryAt(int index) {
    std::vector<udf::Reference>& list = udf::current().references;
    if (index < 0 || static_cast<std::size_t>(index) > list.size()) {
        return nullptr;
    }
    return &checkedAt(list, index);
}

// Narrows a host text into the caller's buffer of `size` bytes, always terminated.
void narrowInto(char* dst, std::size_t size, const wchar_t* src, std::size_t srcSize) {
    std::wstring bounded(src, std::find(src, src + srcSize - 1, L'\0'));
    text::copyBounded(dst, size, text::toNarrow(bounded.c_str()).c_str());
}

}  // namespace

namespace udf {

Current& current() {
    static Current state;
    return state;
}

}  // namespace udf

int Solid::UdfInit(const char* name) {
    udf::Current& state = udf::current();
    text::widenBounded(state.name, name);
    state.references.clear();
    ardotk::UdfdataOwner data;
    Ardo::check(ProUdfdataAlloc(data.out()), kInitText);
    Ardo::check(ProUdfdataNameSet(data.get(), state.name, nullptr), kInitText);
    ardotk::ArrayOwner<ProUdfRequiredRef> required;
    Ardo::check(ProUdfdataRequiredreferencesGet(data.get(), required.out()), kInitText);
    int count = 0;
    Ardo::check(ProArraySizeGet(required.get(), &count), kInitText);
    std::vector<udf::Reference> list(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        ProLine prompt = {};
        ProType type = PRO_TYPE_UNUSED;
        Ardo::check(ProUdfrequiredrefPromptGet(required.get()[k], prompt), kInitText);
        Ardo::check(ProUdfrequiredrefTypeGet(required.get()[k], &type), kInitText);
        // The entry keeps 79 characters of the prompt.
        std::wcsncpy(list[k].prompt, prompt, 79);
        list[k].type = type;
    }
    state.references = std::move(list);
    Ardo::check(required.release(), kInitText);
    udf::dataFree(data, kInitText);
    return count;
}

void Solid::UdfRef(int index, char* prompt, kelt2pFeaturetype* type, char* name, CompPath* path) {
    const udf::Reference* entry = entryAt(index);
    if (entry == nullptr) {
        return;
    }
    if (prompt != nullptr) {
        narrowInto(prompt, 80, entry->prompt, 80);
    }
    if (type != nullptr) {
        *type = static_cast<kelt2pFeaturetype>(entry->type);
    }
    if (name != nullptr) {
        narrowInto(name, 32, entry->name, text::kNameSize);
    }
    if (path != nullptr) {
        *path = entry->path;
    }
}

void Solid::UdfAddSetRef(int index, const char* name, const CompPath& path) {
    udf::Reference* entry = entryAt(index);
    if (entry == nullptr) {
        return;
    }
    text::widenBounded(entry->name, name);
    entry->path = path;
}

}  // namespace Ardo
