// kelt2pMdl: forwarding of the assembly operations and of the coordinate-system
// operations against components.
#include "base/facade_impl.h"
#include "feature/comp_path.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

namespace {

CompPath& pathOf(kelt2pCompPath& path) {
    return FacadeAccess::ImplOf(path);
}
Solid& solidOf(kelt2pMdl& model) {
    return FacadeAccess::ImplOf(model);
}
kelt2pCompPath wrap(const CompPath& path) {
    return FacadeAccess::Wrap<kelt2pCompPath>(path);
}

}  // namespace

void kelt2pMdl::CsysCreateOffSet(const char* name, const char* refName, kelt2pCompPath& path,
                                 int flags, double x, double y, double z, double a, double b,
                                 double c) {
    impl->CsysCreateOffSet(name, refName, pathOf(path), flags, x, y, z, a, b, c);
}
kelt2pCompPath kelt2pMdl::CsysComponent(const char* pattern, kelt2pCompPath& path) {
    return wrap(impl->CsysComponent(pattern, pathOf(path)));
}
bool kelt2pMdl::CsysHasComponent(const char* pattern, kelt2pCompPath& path) {
    return impl->CsysHasComponent(pattern, pathOf(path));
}
int kelt2pMdl::CsysExtRefs(const char* name, kelt2pCompPath& path) {
    return impl->CsysExtRefs(name, pathOf(path));
}
kelt2pExtRef kelt2pMdl::CsysExtRefs(int index) {
    return kelt2pExtRef{wrap(Solid::CsysExtRefPath(index)), Solid::CsysExtRefId(index)};
}

kelt2pCompPath kelt2pMdl::Add(kelt2pMdl& component) {
    return wrap(impl->Add(solidOf(component)));
}
kelt2pCompPath kelt2pMdl::Add(kelt2pMdl& component, Matrix& placement) {
    return wrap(impl->Add(solidOf(component), placement));
}
kelt2pCompPath kelt2pMdl::Add(kelt2pMdl& component, const char* compCsys, const char* asmCsys) {
    return wrap(impl->Add(solidOf(component), compCsys, asmCsys));
}
kelt2pCompPath kelt2pMdl::Add(kelt2pMdl& component, const char* compCsys, kelt2pCompPath& target,
                              const char* targetCsys) {
    return wrap(impl->Add(solidOf(component), compCsys, pathOf(target), targetCsys));
}
kelt2pCompPath kelt2pMdl::AddMultiple(kelt2pMdl& component, const char* compCsys,
                                      kelt2pCompPath& target, const char* targetCsys) {
    return wrap(impl->AddMultiple(solidOf(component), compCsys, pathOf(target), targetCsys));
}
int kelt2pMdl::ComponetList(const char* pattern) {
    return impl->ComponetList(pattern);
}
kelt2pCompPath kelt2pMdl::ComponetListAt(int index) {
    return wrap(impl->ComponetListAt(index));
}
bool kelt2pMdl::CompRedefine(kelt2pCompPath& path, bool removeConstraints) {
    return impl->CompRedefine(pathOf(path), removeConstraints);
}
double kelt2pMdl::Distance(kelt2pCompPath& first, kelt2pCompPath& second, bool stop) {
    return impl->Distance(pathOf(first), pathOf(second), stop);
}
double kelt2pMdl::DistanceEval(int firstId, kelt2pCompPath& first, int secondId,
                               kelt2pCompPath& second) {
    return impl->DistanceEval(firstId, pathOf(first), secondId, pathOf(second));
}
kelt2pBox kelt2pMdl::OutlineCompute(Matrix& m) {
    return impl->OutlineCompute(m);
}
int kelt2pMdl::DependenciesList() {
    return impl->DependenciesList();
}
kelt2pMdl kelt2pMdl::DependenciesListAt(int index) {
    return kelt2pMdl(Solid::DependenciesListAt(index));
}
int kelt2pMdl::ParamsVariantfeat(kelt2pCompPath& path, const char* pattern) {
    return impl->ParamsVariantfeat(pathOf(path), pattern);
}
int kelt2pMdl::DimsVariantfeat(kelt2pCompPath& path, const char* pattern) {
    return impl->DimsVariantfeat(pathOf(path), pattern);
}

}  // namespace Ardo
