// The two ways an exported class holds its implementation object.
//
// Every exported kelt2p class is a facade holding exactly one of these, and with it one
// pointer to an implementation type that stays incomplete here. The members are defined
// inside the library only, so an application never builds or destroys an implementation
// object itself: the facades declare their constructors, copies and destructors and
// define them in the library.
#pragma once

#include "kelt2proe/export.h"

namespace Ardo {

// Access of the library to the implementation behind a facade; defined inside the
// library only. The facades that the library wraps or unwraps befriend it.
struct FacadeAccess;

// An implementation object that belongs to one facade. A copy of the holder holds a copy
// of the object and assignment assigns the object, so copies never share state.
template <typename Impl>
class KELT2PROE_TEMPLATE_API CopiedImpl {
public:
    // A default-constructed object.
    CopiedImpl();
    // A copy of `value`.
    explicit CopiedImpl(const Impl& value);
    CopiedImpl(const CopiedImpl& other);
    CopiedImpl& operator=(const CopiedImpl& other);
    ~CopiedImpl();

    Impl* operator->() const { return object; }
    Impl& operator*() const { return *object; }

private:
    Impl* object;
};

// An implementation object that facades share. A copy of the holder and an assigned
// holder refer to the same object; the last holder that refers to it destroys it. `Impl`
// carries its own share count (it derives from the library's ShareCount).
template <typename Impl>
class KELT2PROE_TEMPLATE_API SharedImpl {
public:
    // A default-constructed object, held once.
    SharedImpl();
    // Takes `adopted`, a new object that no holder refers to yet.
    explicit SharedImpl(Impl* adopted);
    SharedImpl(const SharedImpl& other);
    SharedImpl& operator=(const SharedImpl& other);
    ~SharedImpl();

    Impl* operator->() const { return object; }
    Impl& operator*() const { return *object; }

private:
    Impl* object;
};

}  // namespace Ardo
