// Version stamps: a model's stamp changes with every change of the model. Stamps and
// their texts are allocated here and released by ProVerstampFree and ProStringFree.
#include <ProMdl.h>
#include <ProVerstamp.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/allocations.h"
#include "simhost/core/entry.h"
#include "simhost/state/models.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;

struct Pro_Verstamp {
    std::string text;
};

namespace {

ProWVerstamp stampNew(const std::string& text) {
    auto* stamp = new Pro_Verstamp{text};
    allocationAdd(stamp, [](const void* p) { delete static_cast<const Pro_Verstamp*>(p); });
    return stamp;
}

bool stampLive(ProWVerstamp stamp) {
    return stamp != nullptr && allocationLive(stamp);
}

}  // namespace

extern "C" {

ProError ProMdlVerstampGet(ProMdl model, ProWVerstamp* p_stamp) try {
    SIMHOST_ENTER("ProMdlVerstampGet", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || p_stamp == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_stamp = stampNew(m->name + ":" + std::to_string(m->revision));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProVerstampStringGet(ProWVerstamp stamp, char** string) try {
    SIMHOST_ENTER("ProVerstampStringGet");
    SIMHOST_SESSION(s);
    (void)s;
    if (!stampLive(stamp) || string == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const std::string& text = stamp->text;
    auto* out = static_cast<char*>(std::malloc(text.size() + 1));
    if (out == nullptr) {
        return PRO_TK_OUT_OF_MEMORY;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    allocationAdd(out);
    *string = out;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProStringVerstampGet(char* string, ProWVerstamp* p_stamp) try {
    SIMHOST_ENTER("ProStringVerstampGet", string == nullptr ? std::string() : std::string(string));
    SIMHOST_SESSION(s);
    (void)s;
    if (string == nullptr || *string == '\0' || p_stamp == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_stamp = stampNew(string);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProBoolean ProVerstampEqual(ProWVerstamp stamp1, ProWVerstamp stamp2) try {
    if (enter({"ProVerstampEqual"})) {
        return PRO_B_FALSE;
    }
    if (!stampLive(stamp1) || !stampLive(stamp2)) {
        return PRO_B_FALSE;
    }
    return stamp1->text == stamp2->text ? PRO_B_TRUE : PRO_B_FALSE;
}
SIMHOST_CATCH

ProError ProVerstampFree(ProWVerstamp* p_stamp) try {
    SIMHOST_ENTER("ProVerstampFree");
    if (p_stamp == nullptr || *p_stamp == nullptr || !allocationRemove(*p_stamp)) {
        return PRO_TK_BAD_INPUTS;
    }
    delete *p_stamp;
    *p_stamp = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
