// kelt2pMdl: construction, copying and the forwarding of the model-wide operations.
#include "base/facade_impl.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

template class CopiedImpl<Solid>;

kelt2pMdl::kelt2pMdl() = default;
kelt2pMdl::kelt2pMdl(const kelt2pMdl& other) = default;
kelt2pMdl::kelt2pMdl(const Solid& solid) : impl(solid) {}
kelt2pMdl& kelt2pMdl::operator=(const kelt2pMdl& other) = default;
// Releases the library object only; the host model stays in session.
kelt2pMdl::~kelt2pMdl() = default;

// --- Binding and identity -----------------------------------------------------

kelt2pMdl& kelt2pMdl::Load(const char* name, kelt2pMdlType type, bool flag) {
    impl->Load(name, type, flag);
    return *this;
}

kelt2pMdl& kelt2pMdl::Load(bool flag) {
    impl->Load(flag);
    return *this;
}

kelt2pMdl& kelt2pMdl::Create(const char* name, kelt2pMdlType type) {
    impl->Create(name, type);
    return *this;
}

bool kelt2pMdl::IsLoaded() {
    return impl->IsLoaded();
}
void kelt2pMdl::Current() {
    impl->Current();
}
const char* kelt2pMdl::NameGet() {
    return impl->NameGet();
}
void kelt2pMdl::NameSet(const char* name) {
    impl->NameSet(name);
}
kelt2pMdlType kelt2pMdl::TypeGet() {
    return impl->TypeGet();
}
void kelt2pMdl::TypeSet(kelt2pMdlType type) {
    impl->TypeSet(type);
}
kelt2pMdlsubtype kelt2pMdl::SubtypeGet() {
    return impl->SubtypeGet();
}
bool kelt2pMdl::IsAsm() {
    return impl->IsAsm();
}
bool kelt2pMdl::IsMfg() {
    return impl->IsMfg();
}
bool kelt2pMdl::IsInstance() {
    return impl->IsInstance();
}
bool kelt2pMdl::IsFlexible() {
    return impl->IsFlexible();
}
kelt2pMdldata kelt2pMdl::DataGet() {
    return impl->DataGet();
}

// --- Whole-model operations ---------------------------------------------------

void kelt2pMdl::Save() {
    impl->Save();
}
void kelt2pMdl::Rename(const char* name) {
    impl->Rename(name);
}
void kelt2pMdl::Copy(const char* name) {
    impl->Copy(name);
}
void kelt2pMdl::Backup(const char* dir) {
    impl->Backup(dir);
}
void kelt2pMdl::Erase() {
    impl->Erase();
}
void kelt2pMdl::EraseAll() {
    impl->EraseAll();
}
void kelt2pMdl::Display() {
    impl->Display();
}
bool kelt2pMdl::ModificationVerify() {
    return impl->ModificationVerify();
}
int kelt2pMdl::WindowGet() {
    return impl->WindowGet();
}
void kelt2pMdl::TreetoolRefresh() {
    impl->TreetoolRefresh();
}
void kelt2pMdl::Regenerate() {
    impl->Regenerate();
}

// --- Units and accuracy -------------------------------------------------------

void kelt2pMdl::AccuracySet(kelt2pAccuracyType type, double value) {
    impl->AccuracySet(type, value);
}
double kelt2pMdl::AccuracyGet() {
    return impl->AccuracyGet();
}
kelt2pAccuracyType kelt2pMdl::AccuracyTypeGet() {
    return impl->AccuracyTypeGet();
}
kelt2pLengthUnit kelt2pMdl::LengthUnitGet() {
    return impl->LengthUnitGet();
}
void kelt2pMdl::LengthUnitSet(kelt2pLengthUnit unit) {
    impl->LengthUnitSet(unit);
}

// --- Colour -------------------------------------------------------------------

kelt2pModelColor kelt2pMdl::ColorGet() {
    return impl->ColorGet();
}
void kelt2pMdl::ColorSet(const kelt2pModelColor& color) {
    impl->ColorSet(color);
}
void kelt2pMdl::ColorSet(double red, double green, double blue) {
    impl->ColorSet(red, green, blue);
}

// --- Version stamp ------------------------------------------------------------

int kelt2pMdl::VerstampStringGet(char* buf) {
    return impl->VerstampStringGet(buf);
}
bool kelt2pMdl::VerstampEqual(const char* stamp) {
    return impl->VerstampEqual(stamp);
}

// --- Through the model's window -----------------------------------------------

void kelt2pMdl::Repaint() {
    impl->Repaint();
}
void kelt2pMdl::Refresh() {
    impl->Refresh();
}

}  // namespace Ardo
