// kelt2pMdl: forwarding of the coordinate-system and datum-point operations.
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::CsysList(const char* pattern) {
    return impl->CsysList(pattern);
}
const char* kelt2pMdl::CsysListAt(int index) {
    return Solid::CsysListAt(index);
}
void kelt2pMdl::CsysCreate(const char* name) {
    impl->CsysCreate(name);
}
void kelt2pMdl::CsysCreateOffSet(const char* name, const char* refName, int flags, double x,
                                 double y, double z, double a, double b, double c) {
    impl->CsysCreateOffSet(name, refName, flags, x, y, z, a, b, c);
}
void kelt2pMdl::CsysCreateOffSet(const char* name, const char* refName, Matrix& m, int flags) {
    impl->CsysCreateOffSet(name, refName, m, flags);
}
void kelt2pMdl::CsysRename(const char* oldName, const char* newName) {
    impl->CsysRename(oldName, newName);
}
void kelt2pMdl::CsysHighlight(const char* pattern, kelt2pColortype color) {
    impl->CsysHighlight(pattern, color);
}
void kelt2pMdl::CsysUnHighlight(const char* pattern) {
    impl->CsysUnHighlight(pattern);
}
Matrix kelt2pMdl::CsysGetTransform(const char* name) {
    return impl->CsysGetTransform(name);
}
void kelt2pMdl::PntCreate(const char* csysPattern, const char* name, int flags, double x, double y,
                          double z) {
    impl->PntCreate(csysPattern, name, flags, x, y, z);
}
int kelt2pMdl::PntList(const char* pattern) {
    return impl->PntList(pattern);
}
kelt2pPointData kelt2pMdl::PntListAt(int index) {
    return impl->PntListAt(index);
}
Vector kelt2pMdl::TransGet(kelt2pPointData point) {
    return impl->TransGet(point);
}
Vector kelt2pMdl::TransGet(const char* csysName, kelt2pPointData point, Matrix& m) {
    return impl->TransGet(csysName, point, m);
}

}  // namespace Ardo
