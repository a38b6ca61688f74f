// Owner of one toolkit-allocated object that a toolkit function frees by address.
//
// Take the object right after the toolkit call that allocated it, before the call's
// result is checked. release() frees it through the toolkit and returns the toolkit's
// code; the object stays owned until a free succeeds, and the destructor frees whatever
// is still owned (ignoring the code), so every path releases it. disown() hands the
// object over to its new owner (an element taken into a tree, a value into an element).
#pragma once

#include <ProToolkit.h>

#include <utility>

namespace ardotk {

template <typename Handle, ProError (*Free)(Handle*)>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            release();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { release(); }

    // The slot the toolkit writes the new object into.
    Handle* out() { return &handle_; }
    Handle get() const { return handle_; }
    Handle disown() { return std::exchange(handle_, nullptr); }

    // Frees the object; PRO_TK_NO_ERROR when nothing is owned.
    ProError release() {
        if (handle_ == nullptr) {
            return PRO_TK_NO_ERROR;
        }
        ProError err = Free(&handle_);
        if (err == PRO_TK_NO_ERROR) {
            handle_ = nullptr;
        }
        return err;
    }

private:
    Handle handle_ = nullptr;
};

}  // namespace ardotk
