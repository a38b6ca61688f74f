// kelt2pCompPath: construction, copying and forwarding.
#include "base/facade_impl.h"
#include "feature/comp_path.h"
#include "kelt2proe/comp_path.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

template class CopiedImpl<CompPath>;

kelt2pCompPath::kelt2pCompPath() = default;
kelt2pCompPath::kelt2pCompPath(const kelt2pMdl& model)
    : impl(CompPath(FacadeAccess::ImplOf(model).Handle())) {}
kelt2pCompPath::kelt2pCompPath(const CompPath& path) : impl(path) {}
kelt2pCompPath::kelt2pCompPath(const kelt2pCompPath& other) = default;
kelt2pCompPath& kelt2pCompPath::operator=(const kelt2pCompPath& other) = default;
kelt2pCompPath::~kelt2pCompPath() = default;

bool kelt2pCompPath::operator==(const kelt2pCompPath& other) const {
    return *impl == *other.impl;
}

kelt2pMdl kelt2pCompPath::RootGet() {
    return FacadeAccess::Wrap<kelt2pMdl>(impl->RootGet());
}
kelt2pCompPath kelt2pCompPath::RootSet(const kelt2pMdl& model) {
    return kelt2pCompPath(impl->RootSet(FacadeAccess::ImplOf(model).Handle()));
}
kelt2pMdl kelt2pCompPath::MdlGet() {
    return FacadeAccess::Wrap<kelt2pMdl>(impl->MdlGet());
}
void kelt2pCompPath::Add(int id) {
    impl->Add(id);
}
int kelt2pCompPath::Depth() {
    return impl->Depth();
}
int kelt2pCompPath::IdGetAt(int level) {
    return impl->IdGetAt(level);
}
kelt2pAsmcompTypes kelt2pCompPath::TypeGet() {
    return impl->TypeGet();
}
Matrix kelt2pCompPath::TransGetStd() {
    return impl->TransGetStd();
}
Matrix kelt2pCompPath::TransGet(const char* rootCsys, const char* compCsys) {
    return impl->TransGet(rootCsys, compCsys);
}
Matrix kelt2pCompPath::TransGet(Matrix& m, const char* rootCsys, const char* compCsys) {
    return impl->TransGet(m, rootCsys, compCsys);
}
Vector kelt2pCompPath::TransGet(const char* rootCsys, kelt2pPointData point) {
    return impl->TransGet(rootCsys, point);
}
Vector kelt2pCompPath::TransGet(const char* rootCsys, kelt2pPointData point, Matrix& m) {
    return impl->TransGet(rootCsys, point, m);
}

}  // namespace Ardo
