// kelt2pMfg: construction, copying, argument checks and forwarding to Ardo::Mfg.
#include <cstring>

#include "kelt2proe/error.h"
#include "kelt2proe/mfg.h"
#include "mfg/mfg.h"
#include "mfg/operation.h"
#include "mfg/tool.h"
#include "mfg/wcell.h"
#include "model/solid.h"
#include "toolkit/mfg.h"

namespace Ardo {

namespace {

// A tool id fills a host line: 80 characters and the terminator. Longer ids are refused
// before they are widened, as they would not fit.
void checkToolId(const char* toolId, const char* text) {
    if (toolId == nullptr || std::strlen(toolId) > 80) {
        throw Error(PRO_TK_LINE_TOO_LONG, text);
    }
}

}  // namespace

kelt2pMfg::kelt2pMfg() : impl(new Mfg()) {}

kelt2pMfg::kelt2pMfg(const kelt2pMfg& other) : impl(new Mfg(*other.impl)) {}

kelt2pMfg& kelt2pMfg::operator=(const kelt2pMfg& other) {
    if (this != &other) {
        *impl = *other.impl;
    }
    return *this;
}

kelt2pMfg::~kelt2pMfg() {
    delete impl;
}

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
    return kelt2pMdl(impl->GetMdl());
}

// --- Operations, workcells, NC sequences ------------------------------------------

int kelt2pMfg::OperList(const char* pattern) {
    return impl->OperList(pattern);
}
kelt2pOperation kelt2pMfg::OperList(int i) {
    return kelt2pOperation(Mfg::OperListAt(i));
}
kelt2pOperation kelt2pMfg::OperCurrent() {
    return kelt2pOperation(impl->OperCurrent());
}
int kelt2pMfg::WcellList(const char* pattern) {
    return impl->WcellList(pattern);
}
kelt2pWcell kelt2pMfg::WcellList(int i) {
    return kelt2pWcell(Mfg::WcellListAt(i));
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
    checkToolId(toolId, "Ardo::kelt2pMfg::ToolExist");
    return impl->ToolExist(toolId);
}
bool kelt2pMfg::ToolHasModelGet(const char* toolId) {
    checkToolId(toolId, "Ardo::kelt2pMfg::ToolHasModelGet");
    return impl->ToolHasModelGet(toolId);
}
kelt2pMdl kelt2pMfg::ToolModelGet(const char* toolId) {
    checkToolId(toolId, "Ardo::kelt2pMfg::ToolModelGet");
    return kelt2pMdl(impl->ToolModelGet(toolId));
}

// --- Creating tools -----------------------------------------------------------------

void kelt2pMfg::ToolAdd(kelt2pTool& tool) {
    impl->ToolAdd(*tool.impl);
}
void kelt2pMfg::ToolRedefine(kelt2pTool& tool) {
    impl->ToolRedefine(*tool.impl);
}
void kelt2pMfg::ToolSetCutData(kelt2pTool& tool) {
    impl->ToolSetCutData(*tool.impl);
}

// --- Tool table of the active operation's workcell -----------------------------------

void kelt2pMfg::ToolAdd2WcellToolListInit() {
    impl->ToolAdd2WcellToolListInit();
}
void kelt2pMfg::ToolAdd2WcellToolList(kelt2pTool& tool, kelt2pMachHead head, int position, int reg,
                                      const char* comment) {
    impl->ToolAdd2WcellToolList(*tool.impl, head, position, reg, comment);
}
void kelt2pMfg::ToolAdd2Wcell() {
    ardotk::TrailfileCommentWrite(L"?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ");
    impl->ToolAdd2Wcell();
}

}  // namespace Ardo
