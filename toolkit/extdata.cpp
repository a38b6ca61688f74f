#include "toolkit/extdata.h"

#include <ProArray.h>

#include <algorithm>
#include <utility>

#include "kelt2proe/error.h"
#include "toolkit/array.h"
#include "toolkit/check.h"
#include "toolkit/name_filter.h"

namespace ardotk {

namespace {

using NamesOwner = ArrayOwner<ProName>;

void checkExtdata(ProExtdataErr result) {
    check(static_cast<ProError>(result));
}

// The names of `names` (count entries) that `filter` takes, in their order.
template <typename Take>
void takeNames(const NamesOwner& names, int count, const char* pattern, Take&& take) {
    NameFilter filter(pattern);
    for (int i = 0; i < count; ++i) {
        const wchar_t* name = names.get()[i];
        if (filter.matches(name)) {
            take(name);
        }
    }
}

void copyName(ProName& dst, const wchar_t* src) {
    // The host's field may lack a terminator: take at most 31 characters.
    std::size_t n = 0;
    while (n < PRO_NAME_SIZE - 1 && src[n] != L'\0') {
        dst[n] = src[n];
        ++n;
    }
    std::fill(dst + n, dst + PRO_NAME_SIZE, L'\0');
}

}  // namespace

void ExtdataClassRegister(ProMdl model, ProName name, ProExtdataClass& record, bool strict) {
    ProExtdataErr err = ProExtdataClassRegister(model, name, &record);
    if (strict) {
        checkExtdata(err);
    } else if (err == PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS) {
        record.p_model = model;
        copyName(record.class_name, name);
    }
}

void ExtdataClassUnregister(ProExtdataClass& record, bool strict) {
    ProExtdataErr err = ProExtdataClassUnregister(&record);
    if (err == PROEXTDATA_TK_ERROR || (strict && err == PROEXTDATA_TK_INVALID_OBJ_OR_CLASS)) {
        checkExtdata(err);
    }
}

void ExtdataClassNamesList(ProMdl model, const char* pattern, std::vector<ProExtdataClass>& found) {
    guardedListing([&] {
        NamesOwner names;
        int count = 0;
        checkExtdata(ProExtdataClassNamesList(model, &count, names.out()));
        std::vector<ProExtdataClass> taken;
        takeNames(names, count, pattern, [&](const wchar_t* name) {
            ProExtdataClass record{};
            record.p_model = model;
            copyName(record.class_name, name);
            taken.push_back(record);
        });
        check(names.release());
        found.swap(taken);
    });
}

void ExtdataSlotNamesList(ProExtdataClass& owner, const char* pattern,
                          std::map<std::wstring, ProExtdataSlot>& found) {
    guardedListing([&] {
        NamesOwner names;
        int count = 0;
        checkExtdata(ProExtdataSlotNamesList(&owner, &count, names.out()));
        std::map<std::wstring, ProExtdataSlot> taken;
        takeNames(names, count, pattern, [&](const wchar_t* name) {
            ProExtdataSlot record{};
            record.p_class = &owner;
            copyName(record.slot_name, name);
            taken.emplace(record.slot_name, record);
        });
        check(names.release());
        if (&taken != &found) {
            found.swap(taken);
        }
    });
}

void ExtdataSlotRead(ProExtdataSlot& slot, int& type, int& size, ExtdataValue& data) {
    checkExtdata(ProExtdataSlotRead(&slot, KEY_BY_NAME, &type, &size, data.out()));
}

void ExtdataFree(ExtdataValue& data) {
    check(data.release());
}

void ExtdataSlotWrite(ProExtdataSlot& slot, int type, int size, void* data) {
    ProExtdataErr err = ProExtdataSlotWrite(&slot, KEY_BY_NAME, type, size, data);
    if (err == PROEXTDATA_TK_SLOT_NOT_FOUND) {
        ProExtdataSlot created{};
        checkExtdata(ProExtdataSlotCreate(slot.p_class, slot.slot_name, &created));
        err = ProExtdataSlotWrite(&slot, KEY_BY_NAME, type, size, data);
    }
    checkExtdata(err);
}

void ExtdataSlotDelete(ProExtdataSlot& slot) {
    checkExtdata(ProExtdataSlotDelete(&slot, KEY_BY_NAME));
}

}  // namespace ardotk
