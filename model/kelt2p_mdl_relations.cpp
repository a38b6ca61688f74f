// kelt2pMdl: the relation operations over the process-wide relations buffer.
#include "kelt2proe/mdl.h"
#include "model/relation_buffer.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::Relations(bool kind) {
    impl->Relations(kind);
    return relationBuffer::replace(impl->relationList);
}
int kelt2pMdl::Relations(int featureId) {
    impl->Relations(featureId);
    return relationBuffer::replace(impl->relationList);
}
void kelt2pMdl::RelationsSet(bool kind) {
    impl->RelationsSet(kind, relationBuffer::lines());
}
void kelt2pMdl::RelationsSet(int featureId) {
    impl->RelationsSet(featureId, relationBuffer::lines());
}
void kelt2pMdl::RelationsClear() {
    relationBuffer::clear();
}
int kelt2pMdl::RelationsAdd(const char* line) {
    return relationBuffer::add(line);
}
int kelt2pMdl::RelationsSize() {
    return relationBuffer::size();
}
const char* kelt2pMdl::RelationAt(int i) {
    return relationBuffer::at(i);
}

}  // namespace Ardo
