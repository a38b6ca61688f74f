// kelt2pDrw: owns its own copy of a Drw.
#include "base/facade_impl.h"
#include "drawing/drw.h"
#include "kelt2proe/drw.h"

namespace Ardo {

template class CopiedImpl<Drw>;

kelt2pDrw::kelt2pDrw() = default;
kelt2pDrw::kelt2pDrw(const kelt2pDrw& other) = default;
kelt2pDrw::kelt2pDrw(const Drw& drw) : impl(drw) {}
kelt2pDrw& kelt2pDrw::operator=(const kelt2pDrw& other) = default;
// Releases the library object only; the host drawing stays in session.
kelt2pDrw::~kelt2pDrw() = default;

}  // namespace Ardo
