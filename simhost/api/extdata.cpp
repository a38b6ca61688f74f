// External data: classes and slots of a model, their values and the names lists.
#include <ProExtdata.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "simhost/api/live_kind.h"
#include "simhost/api/model_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/extdata.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideLength;

namespace {

// The copies of slot values that ProExtdataSlotRead hands out.
simhost::api::LiveKind& readCopies() {
    static auto* kind = new simhost::api::LiveKind;
    return *kind;
}

void readCopyRelease(const void* p) {
    readCopies().forget(p);
    std::free(const_cast<void*>(p));
}

// A name of 1 to 31 characters from a name buffer: PROEXTDATA_TK_NO_ERROR, `empty` for
// an empty one, PROEXTDATA_TK_NAMES_TOO_LONG for a longer or unterminated one.
int nameArg(const wchar_t* buffer, int empty, std::wstring& out) {
    if (buffer == nullptr) {
        return empty;
    }
    std::size_t n = wideLength(buffer, PRO_NAME_SIZE);
    if (n > kExtdataNameMax) {
        return PROEXTDATA_TK_NAMES_TOO_LONG;
    }
    if (n == 0) {
        return empty;
    }
    out.assign(buffer, n);
    return PROEXTDATA_TK_NO_ERROR;
}

std::string classArg(const ProExtdataClass* c) {
    return c == nullptr ? std::string()
                        : handleArg(c->p_model) + " " + wideArg(c->class_name, PRO_NAME_SIZE);
}

std::string slotArg(const ProExtdataSlot* s) {
    return s == nullptr ? std::string()
                        : classArg(s->p_class) + " " + wideArg(s->slot_name, PRO_NAME_SIZE);
}

// The model and registered class a class record names.
int classOf(Session* s, const ProExtdataClass* record, Model*& model, ExtdataClass*& found) {
    if (record == nullptr) {
        return PROEXTDATA_TK_INVALID_OBJ_OR_CLASS;
    }
    model = modelOf(s, record->p_model);
    if (model == nullptr) {
        return PROEXTDATA_TK_INVALID_OBJ_OR_CLASS;
    }
    std::wstring name;
    int rc = nameArg(record->class_name, PROEXTDATA_TK_INVALID_OBJ_OR_CLASS, name);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    found = extdata(*model).find(name);
    return found == nullptr ? PROEXTDATA_TK_INVALID_OBJ_OR_CLASS : PROEXTDATA_TK_NO_ERROR;
}

// The slot a slot record names, by name or by id.
int slotOf(Session* s, const ProExtdataSlot* record, int keyBy, Model*& model, ExtdataClass*& owner,
           ExtdataSlot*& found) {
    if (record == nullptr) {
        return PROEXTDATA_TK_INVALID_OBJ_OR_CLASS;
    }
    if (keyBy != KEY_BY_ID && keyBy != KEY_BY_NAME) {
        return PROEXTDATA_TK_BAD_KEY_BY_FLAG;
    }
    int rc = classOf(s, record->p_class, model, owner);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    if (keyBy == KEY_BY_ID) {
        found = owner->slot(record->slot_id);
    } else {
        std::wstring name;
        rc = nameArg(record->slot_name, PROEXTDATA_TK_INVALID_SLOT_NAME, name);
        if (rc != PROEXTDATA_TK_NO_ERROR) {
            return rc;
        }
        found = owner->slot(name);
    }
    return found == nullptr ? PROEXTDATA_TK_SLOT_NOT_FOUND : PROEXTDATA_TK_NO_ERROR;
}

// The value the caller passes to a write, checked against the limits.
int valueArg(int type, int size, const void* data, ExtdataSlot& value) {
    if (data == nullptr && !(type == PRO_STREAM_TYPE && size == 0)) {
        return PROEXTDATA_TK_BAD_DATA_ARGS;
    }
    value.type = type;
    switch (type) {
        case PRO_INTEGER_TYPE:
            std::memcpy(&value.integer, data, sizeof value.integer);
            return PROEXTDATA_TK_NO_ERROR;
        case PRO_DOUBLE_TYPE:
            std::memcpy(&value.real, data, sizeof value.real);
            // The model file keeps finite numbers only.
            return std::isfinite(value.real) ? PROEXTDATA_TK_NO_ERROR : PROEXTDATA_TK_BAD_DATA_ARGS;
        case PRO_WIDE_STRING_TYPE: {
            // Read up to the terminator, never further than one character past the limit.
            const auto* text = static_cast<const wchar_t*>(data);
            std::size_t n = 0;
            while (n <= kExtdataTextMax && text[n] != L'\0') {
                ++n;
            }
            if (n > kExtdataTextMax) {
                return PROEXTDATA_TK_BAD_DATA_ARGS;
            }
            value.text.assign(text, n);
            return PROEXTDATA_TK_NO_ERROR;
        }
        case PRO_STREAM_TYPE:
            if (size < 0) {
                return PROEXTDATA_TK_BAD_DATA_ARGS;
            }
            if (static_cast<std::size_t>(size) > kExtdataStreamMax) {
                return PROEXTDATA_TK_STREAM_TOO_LARGE;
            }
            if (size > 0) {
                const auto* bytes = static_cast<const unsigned char*>(data);
                value.bytes.assign(bytes, bytes + size);
            }
            return PROEXTDATA_TK_NO_ERROR;
        default:
            return PROEXTDATA_TK_BAD_DATA_ARGS;
    }
}

// A ProArray of names.
ProName* namesArray(const std::vector<std::wstring>& names) {
    auto* out = static_cast<ProName*>(simhost::core::arrayAlloc(static_cast<int>(names.size()),
                                                                static_cast<int>(sizeof(ProName))));
    for (std::size_t i = 0; i < names.size(); ++i) {
        simhost::core::copyWide(out[i], PRO_NAME_SIZE, names[i]);
    }
    return out;
}

// The bodies of the contract functions answer an int, so that the fault injection's
// code and an escaped exception's convert to the result.
namespace body {

int ProExtdataClassRegister(ProMdl p_model, ProName class_name, ProExtdataClass* r_p_extclass) try {
    SIMHOST_ENTER("ProExtdataClassRegister", handleArg(p_model),
                  wideArg(class_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, p_model);
    if (model == nullptr || r_p_extclass == nullptr) {
        return PROEXTDATA_TK_INVALID_OBJ_OR_CLASS;
    }
    std::wstring name;
    int rc = nameArg(class_name, PROEXTDATA_TK_INVALID_OBJ_OR_CLASS, name);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    ExtdataStore& store = extdata(*model);
    if (store.find(name) != nullptr) {
        return PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS;
    }
    if (store.classes().size() >= kExtdataClassesMax) {
        return PROEXTDATA_TK_ERROR;
    }
    store.classes().push_back(ExtdataClass{name, {}, 1});
    model->touch();
    r_p_extclass->p_model = p_model;
    simhost::core::copyWide(r_p_extclass->class_name, PRO_NAME_SIZE, name);
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataClassUnregister(ProExtdataClass* p_extclass) try {
    SIMHOST_ENTER("ProExtdataClassUnregister", classArg(p_extclass));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* found = nullptr;
    int rc = classOf(s, p_extclass, model, found);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    // The class goes with its slots and their values.
    extdata(*model).remove(found->name);
    model->touch();
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataClassNamesList(ProMdl p_model, int* r_num_of_classes,
                             ProExtdataNamesList* r_class_names) try {
    SIMHOST_ENTER("ProExtdataClassNamesList", handleArg(p_model));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, p_model);
    if (model == nullptr) {
        return PROEXTDATA_TK_INVALID_OBJ_OR_CLASS;
    }
    if (r_num_of_classes == nullptr || r_class_names == nullptr) {
        return PROEXTDATA_TK_ERROR;
    }
    std::vector<std::wstring> names;
    for (const auto& c : extdata(*model).classes()) {
        names.push_back(c.name);
    }
    *r_class_names = namesArray(names);
    *r_num_of_classes = static_cast<int>(names.size());
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataSlotCreate(ProExtdataClass* p_extclass, ProName slot_name,
                         ProExtdataSlot* r_p_extslot) try {
    SIMHOST_ENTER("ProExtdataSlotCreate", classArg(p_extclass), wideArg(slot_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* owner = nullptr;
    int rc = classOf(s, p_extclass, model, owner);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    if (r_p_extslot == nullptr) {
        return PROEXTDATA_TK_ERROR;
    }
    std::wstring name;
    rc = nameArg(slot_name, PROEXTDATA_TK_INVALID_SLOT_NAME, name);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    if (owner->slot(name) != nullptr) {
        return PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS;
    }
    ExtdataStore& store = extdata(*model);
    if (store.slotCount() >= kExtdataSlotsMax || owner->nextSlotId > kIdMax) {
        return PROEXTDATA_TK_MAX_SLOTS_IN_MODEL;
    }
    ExtdataSlot slot;
    slot.name = name;
    slot.id = owner->nextSlotId++;
    owner->slots.push_back(slot);
    model->touch();
    r_p_extslot->p_class = p_extclass;
    simhost::core::copyWide(r_p_extslot->slot_name, PRO_NAME_SIZE, name);
    r_p_extslot->slot_id = slot.id;
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataSlotWrite(ProExtdataSlot* p_extslot, int key_by_flag, int data_type, int data_size,
                        void* p_data) try {
    SIMHOST_ENTER("ProExtdataSlotWrite", slotArg(p_extslot), std::to_string(key_by_flag),
                  std::to_string(data_type));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* owner = nullptr;
    ExtdataSlot* slot = nullptr;
    int rc = slotOf(s, p_extslot, key_by_flag, model, owner, slot);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    ExtdataSlot value;
    rc = valueArg(data_type, data_size, p_data, value);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    std::size_t others = extdata(*model).valueBytes() - slot->size();
    if (others + value.size() > kExtdataModelBytesMax) {
        return PROEXTDATA_TK_STREAM_TOO_LARGE;
    }
    slot->type = value.type;
    slot->integer = value.integer;
    slot->real = value.real;
    slot->text = std::move(value.text);
    slot->bytes = std::move(value.bytes);
    model->touch();
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataSlotRead(ProExtdataSlot* p_extslot, int key_by_flag, int* data_type, int* data_size,
                       void** r_p_data) try {
    SIMHOST_ENTER("ProExtdataSlotRead", slotArg(p_extslot), std::to_string(key_by_flag));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* owner = nullptr;
    ExtdataSlot* slot = nullptr;
    int rc = slotOf(s, p_extslot, key_by_flag, model, owner, slot);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    if (data_type == nullptr || data_size == nullptr || r_p_data == nullptr) {
        return PROEXTDATA_TK_BAD_DATA_ARGS;
    }
    if (slot->type == kExtdataEmpty) {
        return PROEXTDATA_TK_EMPTY_SLOT;
    }
    std::size_t size = slot->size();
    void* copy = std::calloc(size == 0 ? 1 : size, 1);
    if (copy == nullptr) {
        return PROEXTDATA_TK_ERROR;
    }
    switch (slot->type) {
        case kExtdataInteger:
            std::memcpy(copy, &slot->integer, size);
            break;
        case kExtdataDouble:
            std::memcpy(copy, &slot->real, size);
            break;
        case kExtdataText:
            std::memcpy(copy, slot->text.c_str(), size);
            break;
        default:
            if (size > 0) {
                std::memcpy(copy, slot->bytes.data(), size);
            }
            break;
    }
    readCopies().add(copy, readCopyRelease);
    *data_type = slot->type;
    *data_size = static_cast<int>(size);
    *r_p_data = copy;
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataSlotDelete(ProExtdataSlot* p_extslot, int key_by_flag) try {
    SIMHOST_ENTER("ProExtdataSlotDelete", slotArg(p_extslot), std::to_string(key_by_flag));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* owner = nullptr;
    ExtdataSlot* slot = nullptr;
    int rc = slotOf(s, p_extslot, key_by_flag, model, owner, slot);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    owner->slots.erase(owner->slots.begin() + (slot - owner->slots.data()));
    model->touch();
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataSlotNamesList(ProExtdataClass* p_extclass, int* r_num_of_slots,
                            ProExtdataNamesList* r_slot_names) try {
    SIMHOST_ENTER("ProExtdataSlotNamesList", classArg(p_extclass));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ExtdataClass* owner = nullptr;
    int rc = classOf(s, p_extclass, model, owner);
    if (rc != PROEXTDATA_TK_NO_ERROR) {
        return rc;
    }
    if (r_num_of_slots == nullptr || r_slot_names == nullptr) {
        return PROEXTDATA_TK_ERROR;
    }
    std::vector<std::wstring> names;
    for (const auto& slot : owner->slots) {
        names.push_back(slot.name);
    }
    *r_slot_names = namesArray(names);
    *r_num_of_slots = static_cast<int>(names.size());
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

int ProExtdataFree(void** pp_data) try {
    SIMHOST_ENTER("ProExtdataFree");
    if (pp_data == nullptr || !readCopies().remove(*pp_data)) {
        return PROEXTDATA_TK_BAD_DATA_ARGS;
    }
    readCopyRelease(*pp_data);
    *pp_data = nullptr;
    return PROEXTDATA_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // namespace body

ProExtdataErr answer(int code) {
    return static_cast<ProExtdataErr>(code);
}

}  // namespace

extern "C" {

ProExtdataErr ProExtdataClassRegister(ProMdl p_model, ProName class_name,
                                      ProExtdataClass* r_p_extclass) {
    return answer(body::ProExtdataClassRegister(p_model, class_name, r_p_extclass));
}

ProExtdataErr ProExtdataClassUnregister(ProExtdataClass* p_extclass) {
    return answer(body::ProExtdataClassUnregister(p_extclass));
}

ProExtdataErr ProExtdataClassNamesList(ProMdl p_model, int* r_num_of_classes,
                                       ProExtdataNamesList* r_class_names) {
    return answer(body::ProExtdataClassNamesList(p_model, r_num_of_classes, r_class_names));
}

ProExtdataErr ProExtdataSlotCreate(ProExtdataClass* p_extclass, ProName slot_name,
                                   ProExtdataSlot* r_p_extslot) {
    return answer(body::ProExtdataSlotCreate(p_extclass, slot_name, r_p_extslot));
}

ProExtdataErr ProExtdataSlotWrite(ProExtdataSlot* p_extslot, int key_by_flag, int data_type,
                                  int data_size, void* p_data) {
    return answer(body::ProExtdataSlotWrite(p_extslot, key_by_flag, data_type, data_size, p_data));
}

ProExtdataErr ProExtdataSlotRead(ProExtdataSlot* p_extslot, int key_by_flag, int* data_type,
                                 int* data_size, void** r_p_data) {
    return answer(body::ProExtdataSlotRead(p_extslot, key_by_flag, data_type, data_size, r_p_data));
}

ProExtdataErr ProExtdataSlotDelete(ProExtdataSlot* p_extslot, int key_by_flag) {
    return answer(body::ProExtdataSlotDelete(p_extslot, key_by_flag));
}

ProExtdataErr ProExtdataSlotNamesList(ProExtdataClass* p_extclass, int* r_num_of_slots,
                                      ProExtdataNamesList* r_slot_names) {
    return answer(body::ProExtdataSlotNamesList(p_extclass, r_num_of_slots, r_slot_names));
}

ProExtdataErr ProExtdataFree(void** pp_data) {
    return answer(body::ProExtdataFree(pp_data));
}

}  // extern "C"
