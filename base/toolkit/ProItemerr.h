// Toolkit contract: the error list a feature creation or redefinition fills.
#pragma once

#include <ProToolkit.h>

typedef enum { PRO_ERRITEM_NONE = -1, PRO_ERRITEM_FEATELEM = 1 } ProErritemType;

// One refused item: for PRO_ERRITEM_FEATELEM the id of the element at fault.
typedef struct {
    int err_item_id;
    ProErritemType err_item_type;
    ProError error;
} ProItemerror;

// Filled by the host: `error_list` points to the errors it reports (host storage, valid
// until the next creation or redefinition; null when there are none), `error_number`
// is their count.
typedef struct {
    ProItemerror* error_list;
    int error_number;
} ProErrorlist;
