// Registering classes and reading, writing and deleting the slots of a model.
#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/extdata.h"
#include "toolkit/extdata.h"

namespace Ardo::extdata {

namespace {

// Characters of a text written to a slot; the record that reads it back holds 511 bytes.
constexpr std::size_t kTextMax = 511;

ProExtdataClass classRecord(ProMdl model, const char* className) {
    ProExtdataClass record{};
    record.p_model = model;
    text::widenBounded(record.class_name, className);
    return record;
}

ProExtdataSlot slotRecord(ProExtdataClass& owner, const char* slot) {
    ProExtdataSlot record{};
    record.p_class = &owner;
    text::widenBounded(record.slot_name, slot);
    return record;
}

// The longest start of `narrow` of at most size - 1 bytes that ends on a character of
// the current locale, so that no multibyte character is split; always terminated.
void copyWholeCharacters(char* dst, std::size_t size, const std::string& narrow) {
    std::mbstate_t state{};
    std::size_t used = 0;
    while (used < narrow.size()) {
        std::size_t n = std::mbrlen(narrow.data() + used, narrow.size() - used, &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2) || n == 0) {
            // Not a character of the locale: the byte counts as one.
            n = 1;
            state = std::mbstate_t{};
        }
        if (used + n > size - 1) {
            break;
        }
        used += n;
    }
    std::memcpy(dst, narrow.data(), used);
    dst[used] = '\0';
}

void write(ProMdl model, const char* className, const char* slot, int type, int size, void* data) {
    ProExtdataClass owner = classRecord(model, className);
    ProExtdataSlot record = slotRecord(owner, slot);
    ardotk::ExtdataSlotWrite(record, type, size, data);
}

// A text of at most 511 characters, cut at a character, from `text` of at most `bytes`
// bytes (the record's field need not be terminated).
void writeText(ProMdl model, const char* className, const char* slot, const char* text,
               std::size_t bytes) {
    std::string bounded(text == nullptr ? "" : text, text == nullptr ? 0 : strnlen(text, bytes));
    std::vector<wchar_t> wide(kTextMax + 1, L'\0');
    text::widenBounded(wide.data(), bounded.c_str(), kTextMax);
    std::size_t length = std::wcslen(wide.data());
    write(model, className, slot, PRO_WIDE_STRING_TYPE,
          static_cast<int>((length + 1) * sizeof(wchar_t)), wide.data());
}

}  // namespace

void ClassRegister(ProMdl model, const char* className, bool strict) {
    ProExtdataClass record{};
    ProName name = {};
    text::widenBounded(name, className);
    ardotk::ExtdataClassRegister(model, name, record, strict);
}

void ClassUnRegister(ProMdl model, const char* className, bool strict) {
    ProExtdataClass record = classRecord(model, className);
    ardotk::ExtdataClassUnregister(record, strict);
}

kelt2pExtdataSlotValue SlotRead(ProMdl model, const char* className, const char* slot) {
    ProExtdataClass owner = classRecord(model, className);
    ProExtdataSlot record = slotRecord(owner, slot);
    int type = 0;
    int size = 0;
    ardotk::ExtdataValue data;
    ardotk::ExtdataSlotRead(record, type, size, data);
    kelt2pExtdataSlotValue value{};
    value.type = type;
    switch (type) {
        case PRO_INTEGER_TYPE:
            std::memcpy(&value.value.i, data.get(), sizeof value.value.i);
            break;
        case PRO_DOUBLE_TYPE:
            std::memcpy(&value.value.d, data.get(), sizeof value.value.d);
            break;
        case PRO_WIDE_STRING_TYPE: {
            // At most the characters the host's size holds, up to the terminator.
            const auto* chars = static_cast<const wchar_t*>(data.get());
            std::size_t most = size > 0 ? static_cast<std::size_t>(size) / sizeof(wchar_t) : 0;
            std::wstring wide(chars, std::find(chars, chars + most, L'\0'));
            copyWholeCharacters(value.value.s, sizeof value.value.s, text::toNarrow(wide.c_str()));
            break;
        }
        case PRO_STREAM_TYPE:
            throw ardotk::Error(PRO_TK_NOT_IMPLEMENTED, "");
        default:
            break;
    }
    ardotk::ExtdataFree(data);
    return value;
}

void SlotWrite(ProMdl model, const char* className, const char* slot, const char* text) {
    writeText(model, className, slot, text, std::string::npos);
}

void SlotWrite(ProMdl model, const char* className, const char* slot, int value) {
    write(model, className, slot, PRO_INTEGER_TYPE, static_cast<int>(sizeof value), &value);
}

void SlotWrite(ProMdl model, const char* className, const char* slot, double value) {
    write(model, className, slot, PRO_DOUBLE_TYPE, static_cast<int>(sizeof value), &value);
}

void SlotWrite(ProMdl model, const char* className, const char* slot,
               const kelt2pExtdataSlotValue& value) {
    switch (value.type) {
        case PRO_WIDE_STRING_TYPE:
            writeText(model, className, slot, value.value.s, sizeof value.value.s);
            break;
        case PRO_INTEGER_TYPE:
            SlotWrite(model, className, slot, static_cast<int>(value.value.i));
            break;
        case PRO_DOUBLE_TYPE:
            SlotWrite(model, className, slot, value.value.d);
            break;
        default:
            throw ardotk::Error(PRO_TK_BAD_INPUTS, "");
    }
}

void SlotDelete(ProMdl model, const char* className, const char* slot) {
    ProExtdataClass owner = classRecord(model, className);
    ProExtdataSlot record = slotRecord(owner, slot);
    ardotk::ExtdataSlotDelete(record);
}

}  // namespace Ardo::extdata
