// kelt2pMdl: forwarding of the UDF and insert-mode operations.
#include "base/facade_impl.h"
#include "feature/comp_path.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::UdfInit(const char* name) {
    return Solid::UdfInit(name);
}
void kelt2pMdl::UdfRef(int index, char* prompt, kelt2pFeaturetype* type, char* name,
                       kelt2pCompPath* path) {
    Solid::UdfRef(index, prompt, type, name,
                  path != nullptr ? &FacadeAccess::ImplOf(*path) : nullptr);
}
void kelt2pMdl::UdfAddSetRef(int index, const char* name, kelt2pCompPath& path) {
    Solid::UdfAddSetRef(index, name, FacadeAccess::ImplOf(path));
}
void kelt2pMdl::UdfAdd(bool ungroup, bool regenerate) {
    impl->UdfAdd(ungroup, regenerate);
}
void kelt2pMdl::UdfAddStd(const char* name) {
    impl->UdfAddStd(name);
}
void kelt2pMdl::UdfAddTip(const char* csysName, kelt2pCompPath& path, const char* pointName,
                          bool regenerate) {
    impl->UdfAddTip(csysName, FacadeAccess::ImplOf(path), pointName, regenerate);
}
void kelt2pMdl::InsertModeActivate(int featureId) {
    impl->InsertModeActivate(featureId);
}
void kelt2pMdl::InsertModeCancel(bool resume) {
    impl->InsertModeCancel(resume);
}
bool kelt2pMdl::InsertModeIsActive() {
    return impl->InsertModeIsActive();
}

}  // namespace Ardo
