// kelt2pOperation: construction, copying and forwarding to Ardo::Operation.
#include "base/facade_impl.h"
#include "kelt2proe/mfg.h"
#include "mfg/operation.h"
#include "mfg/wcell.h"

namespace Ardo {

template class CopiedImpl<Operation>;

kelt2pOperation::kelt2pOperation() = default;
kelt2pOperation::kelt2pOperation(const Operation& operation) : impl(operation) {}
kelt2pOperation::kelt2pOperation(const kelt2pOperation& other) = default;
kelt2pOperation& kelt2pOperation::operator=(const kelt2pOperation& other) = default;
kelt2pOperation::~kelt2pOperation() = default;

const char* kelt2pOperation::Name() {
    return impl->Name();
}
int kelt2pOperation::ID() const {
    return impl->ID();
}
const char* kelt2pOperation::Material() {
    return impl->Material();
}
const char* kelt2pOperation::NclFile() {
    return impl->NclFile();
}
const char* kelt2pOperation::PartNo() {
    return impl->PartNo();
}
int kelt2pOperation::Origin() {
    return impl->Origin();
}
int kelt2pOperation::Comment() {
    return impl->Comment();
}
const char* kelt2pOperation::Comment(unsigned int n) {
    return impl->Comment(n);
}
kelt2pWcell kelt2pOperation::WcellGet() {
    return FacadeAccess::Wrap<kelt2pWcell>(impl->WcellGet());
}

}  // namespace Ardo
