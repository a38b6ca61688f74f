// The members of the facade holders (kelt2proe/impl_ptr.h) and the library's access to
// the implementation behind a facade. Included by the facade sources only, where the
// implementation types are complete.
#pragma once

#include "kelt2proe/impl_ptr.h"

namespace Ardo {

// --- CopiedImpl: every holder owns its own object -------------------------------------

template <typename Impl>
CopiedImpl<Impl>::CopiedImpl() : object(new Impl()) {}

template <typename Impl>
CopiedImpl<Impl>::CopiedImpl(const Impl& value) : object(new Impl(value)) {}

template <typename Impl>
CopiedImpl<Impl>::CopiedImpl(const CopiedImpl& other) : object(new Impl(*other.object)) {}

template <typename Impl>
CopiedImpl<Impl>& CopiedImpl<Impl>::operator=(const CopiedImpl& other) {
    if (this != &other) {
        *object = *other.object;
    }
    return *this;
}

template <typename Impl>
CopiedImpl<Impl>::~CopiedImpl() {
    delete object;
}

// --- SharedImpl: holders share one object, counted by the object ----------------------

template <typename Impl>
SharedImpl<Impl>::SharedImpl() : object(new Impl()) {}

template <typename Impl>
SharedImpl<Impl>::SharedImpl(Impl* adopted) : object(adopted) {}

template <typename Impl>
SharedImpl<Impl>::SharedImpl(const SharedImpl& other) : object(other.object) {
    object->AddShare();
}

template <typename Impl>
SharedImpl<Impl>& SharedImpl<Impl>::operator=(const SharedImpl& other) {
    // The new share first, so that self-assignment keeps the object alive.
    other.object->AddShare();
    if (object->DropShare()) {
        delete object;
    }
    object = other.object;
    return *this;
}

template <typename Impl>
SharedImpl<Impl>::~SharedImpl() {
    if (object->DropShare()) {
        delete object;
    }
}

// --- Access of the library to the facades ----------------------------------------------

struct FacadeAccess {
    // The implementation object behind `facade`.
    template <typename Facade>
    static auto& ImplOf(Facade& facade) {
        return *facade.impl;
    }
    template <typename Facade>
    static const auto& ImplOf(const Facade& facade) {
        return *facade.impl;
    }
    // A facade made from an implementation value, through its private constructor.
    template <typename Facade, typename Value>
    static Facade Wrap(const Value& value) {
        return Facade(value);
    }
};

}  // namespace Ardo
