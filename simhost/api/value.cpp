// Value records.
#include <ProValue.h>

#include "simhost/core/entry.h"
#include "simhost/state/values.h"

using namespace simhost::state;

extern "C" {

ProError ProValueAlloc(ProValue* p_value) try {
    SIMHOST_ENTER("ProValueAlloc");
    if (p_value == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_value = valueCreate();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProValueDataSet(ProValue value, ProValueData* value_data) try {
    SIMHOST_ENTER("ProValueDataSet",
                  value_data == nullptr ? std::string() : std::to_string(value_data->type));
    Value* target = valueFind(value);
    ValueContent content;
    if (target == nullptr || value_data == nullptr || !valueContentFrom(*value_data, content)) {
        return PRO_TK_BAD_INPUTS;
    }
    valueContentSet(*target, std::move(content));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProValueDataGet(ProValue value, ProValueData* value_data) try {
    SIMHOST_ENTER("ProValueDataGet");
    Value* source = valueFind(value);
    if (source == nullptr || value_data == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (source->content.type == 0) {
        return PRO_TK_E_NOT_FOUND;
    }
    valueDataGet(*source, *value_data);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProValueFree(ProValue value) try {
    SIMHOST_ENTER("ProValueFree");
    Value* target = valueFind(value);
    if (target == nullptr || target->heldByElement) {
        return PRO_TK_BAD_INPUTS;
    }
    valueErase(*target);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
