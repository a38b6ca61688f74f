// kelt2pDrw: owns its own copy of a Drw and forwards every operation to it.
#include "base/facade_impl.h"
#include "drawing/drw.h"
#include "kelt2proe/drw.h"

namespace Ardo {

template class CopiedImpl<Drw>;

kelt2pDrw::kelt2pDrw() = default;
kelt2pDrw::kelt2pDrw(const kelt2pDrw& other) = default;
kelt2pDrw::kelt2pDrw(const Drw& drw) : impl(drw) {}
kelt2pDrw& kelt2pDrw::operator=(const kelt2pDrw& other) = default;
// Releases the library object only; the host drawing stays in session.
kelt2pDrw::~kelt2pDrw() = default;

// --- Whole-model operations ---------------------------------------------------

kelt2pDrw& kelt2pDrw::Load(const char* name) {
    impl->Load(name);
    return *this;
}
void kelt2pDrw::Save() {
    impl->Save();
}
void kelt2pDrw::Erase() {
    impl->Erase();
}
void kelt2pDrw::Rename(const char* name) {
    impl->Rename(name);
}
const char* kelt2pDrw::NameGet() {
    return impl->NameGet();
}
kelt2pMdldata kelt2pDrw::DataGet() {
    return impl->DataGet();
}
void kelt2pDrw::Display() {
    impl->Display();
}
void kelt2pDrw::Current() {
    impl->Current();
}

// --- Sheets and formats -------------------------------------------------------

int kelt2pDrw::SheetsCount() {
    return impl->SheetsCount();
}
const char* kelt2pDrw::FormatGet(int sheet, bool mustExist) {
    return impl->FormatGet(sheet, mustExist);
}
void kelt2pDrw::FormatAdd(kelt2pMdl& format, int sheet, int formatSheet) {
    impl->FormatAdd(FacadeAccess::ImplOf(format), sheet, formatSheet);
}

// --- Making and writing drawings ----------------------------------------------

void kelt2pDrw::CreateFromTemplate(const char* name, const char* templ, kelt2pMdl& model) {
    impl->CreateFromTemplate(name, templ, FacadeAccess::ImplOf(model));
}
void kelt2pDrw::WritePDF(const char* file) {
    impl->WritePDF(file);
}
int kelt2pDrw::GetMdls() {
    return impl->GetMdls();
}
kelt2pMdl kelt2pDrw::GetMdls(int i) {
    return FacadeAccess::Wrap<kelt2pMdl>(Drw::GetMdls(i));
}

// --- The DXF procedures -------------------------------------------------------

void kelt2pDrw::TestDXF(const char* name, const char* templ, kelt2pMdl& model) {
    impl->TestDXF(name, templ, FacadeAccess::ImplOf(model));
}
void kelt2pDrw::TestDXF2(const char* name, const char* templ, kelt2pMdl& model) {
    impl->TestDXF2(name, templ, FacadeAccess::ImplOf(model));
}
void kelt2pDrw::TestDXF3(const char* name, const char* templ, kelt2pMdl& model) {
    impl->TestDXF3(name, templ, FacadeAccess::ImplOf(model));
}

}  // namespace Ardo
