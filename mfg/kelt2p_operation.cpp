// kelt2pOperation: construction, copying and forwarding to Ardo::Operation.
#include "kelt2proe/mfg.h"
#include "mfg/operation.h"
#include "mfg/wcell.h"

namespace Ardo {

kelt2pOperation::kelt2pOperation() : impl(new Operation()) {}

kelt2pOperation::kelt2pOperation(const Operation& operation) : impl(new Operation(operation)) {}

kelt2pOperation::kelt2pOperation(const kelt2pOperation& other) : impl(new Operation(*other.impl)) {}

kelt2pOperation& kelt2pOperation::operator=(const kelt2pOperation& other) {
    if (this != &other) {
        *impl = *other.impl;
    }
    return *this;
}

kelt2pOperation::~kelt2pOperation() {
    delete impl;
}

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
    return kelt2pWcell(impl->WcellGet());
}

}  // namespace Ardo
