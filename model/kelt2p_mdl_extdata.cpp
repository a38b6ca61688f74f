// kelt2pMdl: forwarding of the external-data operations.
#include "kelt2proe/mdl.h"
#include "model/extdata.h"
#include "model/solid.h"

namespace Ardo {

void kelt2pMdl::ExtdataClassRegister(const char* className, bool strict) {
    extdata::ClassRegister(impl->Handle(), className, strict);
}
void kelt2pMdl::ExtdataClassUnRegister(const char* className, bool strict) {
    extdata::ClassUnRegister(impl->Handle(), className, strict);
}

int kelt2pMdl::ExtdataClassNames(const char* pattern) {
    return extdata::ClassNames(impl->Handle(), pattern);
}
const char* kelt2pMdl::ExtdataClassNames(int i) {
    return extdata::ClassNameAt(i);
}

int kelt2pMdl::ExtdataSlotList(const char* className, const char* pattern) {
    return extdata::SlotList(impl->Handle(), className, pattern);
}
const char* kelt2pMdl::ExtdataSlotList(int i) {
    return extdata::SlotNameAt(i);
}

kelt2pExtdataSlotValue kelt2pMdl::ExtdataSlot(const char* className, const char* slot) {
    return extdata::SlotRead(impl->Handle(), className, slot);
}
void kelt2pMdl::ExtdataSlot(const char* className, const char* slot, const char* text) {
    extdata::SlotWrite(impl->Handle(), className, slot, text);
}
void kelt2pMdl::ExtdataSlot(const char* className, const char* slot, int value) {
    extdata::SlotWrite(impl->Handle(), className, slot, value);
}
void kelt2pMdl::ExtdataSlot(const char* className, const char* slot, double value) {
    extdata::SlotWrite(impl->Handle(), className, slot, value);
}
void kelt2pMdl::ExtdataSlot(const char* className, const char* slot, kelt2pExtdataSlotValue value) {
    extdata::SlotWrite(impl->Handle(), className, slot, value);
}

void kelt2pMdl::ExtdataDelete(const char* className, const char* slot) {
    extdata::SlotDelete(impl->Handle(), className, slot);
}

}  // namespace Ardo
