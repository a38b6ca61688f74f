// kelt2pMfg: construction, copying and forwarding to Ardo::Mfg.
#include "base/facade_impl.h"
#include "feature/comp_path.h"
#include "kelt2proe/mfg.h"
#include "mfg/mfg.h"
#include "mfg/operation.h"
#include "mfg/tool.h"
#include "mfg/wcell.h"
#include "model/solid.h"

namespace Ardo {

template class CopiedImpl<Mfg>;

kelt2pMfg::kelt2pMfg() = default;
kelt2pMfg::kelt2pMfg(const kelt2pMfg& other) = default;
kelt2pMfg& kelt2pMfg::operator=(const kelt2pMfg& other) = default;
kelt2pMfg::~kelt2pMfg() = default;

// --- The model ------------------------------------------------------------------

kelt2pMfg& kelt2pMfg::Load(const char* name) {
    impl->Load(name);
    return *this;
}
void kelt2pMfg::Current() {
    impl->Current();
}
void kelt2pMfg::Display() {
    impl->Display();
}
void kelt2pMfg::Save() {
    impl->Save();
}
void kelt2pMfg::Erase() {
    impl->Erase();
}
void kelt2pMfg::EraseAll() {
    impl->EraseAll();
}
void kelt2pMfg::Rename(const char* name) {
    impl->Rename(name);
}
const char* kelt2pMfg::NameGet() {
    return impl->NameGet();
}
kelt2pMdlType kelt2pMfg::TypeGet() {
    return impl->TypeGet();
}
bool kelt2pMfg::IsMfg() {
    return impl->IsMfg();
}
kelt2pMdl kelt2pMfg::GetMdl() {
    return FacadeAccess::Wrap<kelt2pMdl>(impl->GetMdl());
}

// --- Operations, workcells, NC sequences ------------------------------------------

int kelt2pMfg::OperList(const char* pattern) {
    return impl->OperList(pattern);
}
kelt2pOperation kelt2pMfg::OperList(int i) {
    return FacadeAccess::Wrap<kelt2pOperation>(Mfg::OperListAt(i));
}
kelt2pOperation kelt2pMfg::OperCurrent() {
    return FacadeAccess::Wrap<kelt2pOperation>(impl->OperCurrent());
}
int kelt2pMfg::WcellList(const char* pattern) {
    return impl->WcellList(pattern);
}
kelt2pWcell kelt2pMfg::WcellList(int i) {
    return FacadeAccess::Wrap<kelt2pWcell>(Mfg::WcellListAt(i));
}
int kelt2pMfg::NcSeqList() {
    return impl->NcSeqList();
}
int kelt2pMfg::NcSeqList(int i) {
    return Mfg::NcSeqListAt(i);
}
const char* kelt2pMfg::NcseqToolid(int ncseqId) {
    return impl->NcseqToolid(ncseqId);
}
void kelt2pMfg::NcseqToolid(int ncseqId, const char* toolId) {
    impl->NcseqToolid(ncseqId, toolId);
}

// --- Tools of the model -----------------------------------------------------------

int kelt2pMfg::ToolList() {
    return impl->ToolList();
}
const char* kelt2pMfg::ToolList(int i) {
    return Mfg::ToolListAt(i);
}
bool kelt2pMfg::ToolExist(const char* toolId) {
    return impl->ToolExist(toolId);
}
bool kelt2pMfg::ToolHasModelGet(const char* toolId) {
    return impl->ToolHasModelGet(toolId);
}
kelt2pMdl kelt2pMfg::ToolModelGet(const char* toolId) {
    return FacadeAccess::Wrap<kelt2pMdl>(impl->ToolModelGet(toolId));
}

// --- Creating tools -----------------------------------------------------------------

void kelt2pMfg::ToolAdd(kelt2pTool& tool) {
    impl->ToolAdd(FacadeAccess::ImplOf(tool));
}
void kelt2pMfg::ToolRedefine(kelt2pTool& tool) {
    impl->ToolRedefine(FacadeAccess::ImplOf(tool));
}
void kelt2pMfg::ToolSetCutData(kelt2pTool& tool) {
    impl->ToolSetCutData(FacadeAccess::ImplOf(tool));
}

// --- Tool table of the active operation's workcell -----------------------------------

void kelt2pMfg::ToolAdd2WcellToolListInit() {
    impl->ToolAdd2WcellToolListInit();
}
void kelt2pMfg::ToolAdd2WcellToolList(kelt2pTool& tool, kelt2pMachHead head, int position, int reg,
                                      const char* comment) {
    impl->ToolAdd2WcellToolList(FacadeAccess::ImplOf(tool), head, position, reg, comment);
}
void kelt2pMfg::ToolAdd2Wcell() {
    impl->ToolAdd2Wcell();
}

// --- Fixtures -------------------------------------------------------------------------

int kelt2pMfg::FixtureCompAdd(kelt2pCompPath& path) {
    return Mfg::FixtureCompAdd(FacadeAccess::ImplOf(path));
}
int kelt2pMfg::FixtureCompsListSize() {
    return Mfg::FixtureCompsListSize();
}
kelt2pCompPath kelt2pMfg::FixtureCompsList(int i) {
    return FacadeAccess::Wrap<kelt2pCompPath>(Mfg::FixtureCompsListAt(i));
}
void kelt2pMfg::FixtureCompsListClear() {
    Mfg::FixtureCompsListClear();
}
int kelt2pMfg::FixtureCreate(const char* name, int operationId, double value) {
    return impl->FixtureCreate(name, operationId, value);
}
int kelt2pMfg::FixtureCompList(int fixtureId) {
    return impl->FixtureCompList(fixtureId);
}
int kelt2pMfg::FixtureAdd(int fixtureId) {
    return impl->FixtureAdd(fixtureId);
}

}  // namespace Ardo
