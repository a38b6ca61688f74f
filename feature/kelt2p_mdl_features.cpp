// kelt2pMdl: forwarding of the feature operations.
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::FeatureList(const char* pattern, kelt2pFeaturetype type) {
    return impl->FeatureList(pattern, type);
}
int kelt2pMdl::FeatureList(int index) {
    return impl->FeatureList(index);
}
const char* kelt2pMdl::FeatureName(int id) {
    return impl->FeatureName(id);
}
kelt2pFeaturetype kelt2pMdl::FeatureType(int id) {
    return impl->FeatureType(id);
}
int kelt2pMdl::FeatureFind(const char* name) {
    return impl->FeatureFind(name);
}
bool kelt2pMdl::FeatueExist(int id) {
    return impl->FeatueExist(id);
}
bool kelt2pMdl::FeatueExist(const char* name) {
    return impl->FeatueExist(name);
}
int kelt2pMdl::FeatureNext(int id) {
    return impl->FeatureNext(id);
}
int kelt2pMdl::FeaturePrevious(int id) {
    return impl->FeaturePrevious(id);
}
void kelt2pMdl::FeatureDelete(const char* name) {
    impl->FeatureDelete(name);
}
void kelt2pMdl::FeatureDelete(int id) {
    impl->FeatureDelete(id);
}
int kelt2pMdl::FeatureChildrenGet(int id) {
    return impl->FeatureChildrenGet(id);
}
int kelt2pMdl::FeatureChildrenGet(const char* name) {
    return impl->FeatureChildrenGet(name);
}
int kelt2pMdl::FeatureChildrenAt(int index) {
    return Solid::FeatureChildrenAt(index);
}
void kelt2pMdl::PrintFeatTree(int id) {
    impl->PrintFeatTree(id);
}
void kelt2pMdl::PrintFeatTree(const char* name) {
    impl->PrintFeatTree(name);
}

}  // namespace Ardo
