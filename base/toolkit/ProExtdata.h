// Toolkit contract: external data, the application's own classes of named slots kept
// in a model and saved with it.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef enum {
    PROEXTDATA_TK_NO_ERROR = 0,
    PROEXTDATA_TK_INVALID_OBJ_OR_CLASS = -1,
    PROEXTDATA_TK_CLASS_OR_SLOT_EXISTS = -2,
    PROEXTDATA_TK_NAMES_TOO_LONG = -3,
    PROEXTDATA_TK_SLOT_NOT_FOUND = -4,
    PROEXTDATA_TK_BAD_KEY_BY_FLAG = -5,
    PROEXTDATA_TK_INVALID_OBJ_TYPE = -6,
    PROEXTDATA_TK_EMPTY_SLOT = -7,
    PROEXTDATA_TK_BAD_DATA_ARGS = -8,
    PROEXTDATA_TK_STREAM_TOO_LARGE = -9,
    PROEXTDATA_TK_INVALID_SLOT_NAME = -10,
    PROEXTDATA_TK_ERROR = -11,
    PROEXTDATA_TK_MAX_SLOTS_IN_MODEL = -12
} ProExtdataErr;

typedef struct pro_extdata_class {
    ProMdl p_model;
    ProName class_name;
} ProExtdataClass;

typedef struct pro_extdata_slot {
    ProExtdataClass* p_class;
    ProName slot_name;
    int slot_id;
} ProExtdataSlot;

// A ProArray of names; the caller releases it with ProArrayFree.
typedef ProName* ProExtdataNamesList;

// How a slot is addressed: by its id or by its name.
#define KEY_BY_ID 4097
#define KEY_BY_NAME 4098

// The slot's value types.
#define PRO_INTEGER_TYPE 1
#define PRO_DOUBLE_TYPE 2
#define PRO_WIDE_STRING_TYPE 3
#define PRO_STREAM_TYPE 4

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProExtdataErr ProExtdataClassRegister(ProMdl p_model, ProName class_name,
                                                    ProExtdataClass* r_p_extclass);
PRO_TK_EXPORT ProExtdataErr ProExtdataClassUnregister(ProExtdataClass* p_extclass);
// The model's class names, in the order they were registered.
PRO_TK_EXPORT ProExtdataErr ProExtdataClassNamesList(ProMdl p_model, int* r_num_of_classes,
                                                     ProExtdataNamesList* r_class_names);
PRO_TK_EXPORT ProExtdataErr ProExtdataSlotCreate(ProExtdataClass* p_extclass, ProName slot_name,
                                                 ProExtdataSlot* r_p_extslot);
PRO_TK_EXPORT ProExtdataErr ProExtdataSlotWrite(ProExtdataSlot* p_extslot, int key_by_flag,
                                                int data_type, int data_size, void* p_data);
// *r_p_data receives a copy of the value, which the caller releases with ProExtdataFree;
// data_size is its size in bytes (a wide text's terminator included).
PRO_TK_EXPORT ProExtdataErr ProExtdataSlotRead(ProExtdataSlot* p_extslot, int key_by_flag,
                                               int* data_type, int* data_size, void** r_p_data);
PRO_TK_EXPORT ProExtdataErr ProExtdataSlotDelete(ProExtdataSlot* p_extslot, int key_by_flag);
// The class's slot names, in the order they were created.
PRO_TK_EXPORT ProExtdataErr ProExtdataSlotNamesList(ProExtdataClass* p_extclass,
                                                    int* r_num_of_slots,
                                                    ProExtdataNamesList* r_slot_names);
// Releases what ProExtdataSlotRead handed out and sets *pp_data to NULL.
PRO_TK_EXPORT ProExtdataErr ProExtdataFree(void** pp_data);
PRO_END_C_DECLS
