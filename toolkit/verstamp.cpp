#include "toolkit/verstamp.h"

#include <ProUtil.h>

namespace ardotk {

VerstampOwner::~VerstampOwner() {
    release();
}

ProError VerstampOwner::release() {
    if (stamp_ == nullptr) {
        return PRO_TK_NO_ERROR;
    }
    ProError err = ProVerstampFree(&stamp_);
    if (err == PRO_TK_NO_ERROR) {
        stamp_ = nullptr;
    }
    return err;
}

VerstampTextOwner::~VerstampTextOwner() {
    release();
}

ProError VerstampTextOwner::release() {
    if (text_ == nullptr) {
        return PRO_TK_NO_ERROR;
    }
    ProError err = ProStringFree(text_);
    if (err == PRO_TK_NO_ERROR) {
        text_ = nullptr;
    }
    return err;
}

}  // namespace ardotk
