// The application's handle on one host drawing, as the session's drawing list hands it
// out.
//
// kelt2pDrw is a facade: it owns one Ardo::Drw. Copies never share state: a copy is an
// independent object bound to the same host drawing. Destroying a kelt2pDrw never erases
// or closes the host drawing.
#pragma once

#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"

namespace Ardo {

class Drw;

class KELT2PROE_API kelt2pDrw {
public:
    // Unbound and unnamed.
    kelt2pDrw();
    kelt2pDrw(const kelt2pDrw& other);
    kelt2pDrw& operator=(const kelt2pDrw& other);
    ~kelt2pDrw();

private:
    friend struct FacadeAccess;
    // A drawing with a copy of `drw`: how the library hands out host drawings.
    explicit kelt2pDrw(const Drw& drw);

    CopiedImpl<Drw> impl;
};

}  // namespace Ardo
