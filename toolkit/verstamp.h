// Owners of the toolkit-allocated version stamps and stamp texts.
//
// Each owner takes the object right after the toolkit call that allocated it, before
// the call's result is checked. release() frees it through the toolkit and returns the
// toolkit's code; the object stays owned until a free succeeds, and the destructor
// frees whatever is still owned (ignoring the code), so every path releases it.
#pragma once

#include <ProVerstamp.h>

namespace ardotk {

class VerstampOwner {
public:
    VerstampOwner() = default;
    VerstampOwner(const VerstampOwner&) = delete;
    VerstampOwner& operator=(const VerstampOwner&) = delete;
    ~VerstampOwner();

    // The slot the toolkit writes the new stamp into.
    ProWVerstamp* out() { return &stamp_; }
    ProWVerstamp get() const { return stamp_; }
    // ProVerstampFree; PRO_TK_NO_ERROR when nothing is owned.
    ProError release();

private:
    ProWVerstamp stamp_ = nullptr;
};

class VerstampTextOwner {
public:
    VerstampTextOwner() = default;
    VerstampTextOwner(const VerstampTextOwner&) = delete;
    VerstampTextOwner& operator=(const VerstampTextOwner&) = delete;
    ~VerstampTextOwner();

    char** out() { return &text_; }
    const char* get() const { return text_; }
    // ProStringFree; PRO_TK_NO_ERROR when nothing is owned.
    ProError release();

private:
    char* text_ = nullptr;
};

}  // namespace ardotk
