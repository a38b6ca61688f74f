// kelt2pMdl: forwarding of the relation operations.
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::Relations(bool kind) {
    return impl->Relations(kind);
}
int kelt2pMdl::Relations(int featureId) {
    return impl->Relations(featureId);
}
void kelt2pMdl::RelationsSet(bool kind) {
    impl->RelationsSet(kind);
}
void kelt2pMdl::RelationsSet(int featureId) {
    impl->RelationsSet(featureId);
}
void kelt2pMdl::RelationsClear() {
    Solid::RelationsClear();
}
int kelt2pMdl::RelationsAdd(const char* line) {
    return Solid::RelationsAdd(line);
}
int kelt2pMdl::RelationsSize() {
    return Solid::RelationsSize();
}
const char* kelt2pMdl::RelationAt(int i) {
    return Solid::RelationAt(i);
}

}  // namespace Ardo
