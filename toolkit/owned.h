// Owner of one toolkit-allocated object, for every kind the toolkit hands out: elements,
// values, element paths, selections, tool inputs, version stamps, texts, arrays.
//
// Take the object right after the toolkit call that allocated it, before the call's
// result is checked: pass out() to the call. release() frees it through the toolkit and
// returns the toolkit's code; the object stays owned until a free succeeds, and the
// destructor frees whatever is still owned (ignoring the code), so every path releases
// it. disown() hands the object over to its new owner (an element taken into a tree, a
// value into an element).
//
// `Free` is the toolkit's free function, named directly: most take the object's address
// (ProElementFree, ProSelectionFree ...), some the object itself (ProValueFree,
// ProStringFree, ProWstringFree); the owner calls it in the form it takes.
#pragma once

#include <ProToolkit.h>

#include <type_traits>
#include <utility>

namespace ardotk {

template <typename Handle, auto Free>
class Owned {
    static constexpr bool kFreesByAddress =
        std::is_invocable_r_v<ProError, decltype(Free), Handle*>;
    static constexpr bool kFreesByValue = std::is_invocable_r_v<ProError, decltype(Free), Handle>;
    static_assert(kFreesByAddress != kFreesByValue,
                  "Free takes either the object's address or the object");

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
    ProError release() noexcept {
        if (handle_ == nullptr) {
            return PRO_TK_NO_ERROR;
        }
        ProError err = freeHandle();
        if (err == PRO_TK_NO_ERROR) {
            handle_ = nullptr;
        }
        return err;
    }

private:
    ProError freeHandle() noexcept {
        if constexpr (kFreesByAddress) {
            return Free(&handle_);
        } else {
            return Free(handle_);
        }
    }

    Handle handle_ = nullptr;
};

}  // namespace ardotk
