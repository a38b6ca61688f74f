// kelt2pWcell: construction, copying and forwarding to Ardo::Wcell.
#include "base/facade_impl.h"
#include "kelt2proe/mfg.h"
#include "mfg/tool.h"
#include "mfg/wcell.h"

namespace Ardo {

template class CopiedImpl<Wcell>;

kelt2pWcell::kelt2pWcell() = default;
kelt2pWcell::kelt2pWcell(const Wcell& wcell) : impl(wcell) {}
kelt2pWcell::kelt2pWcell(const kelt2pWcell& other) = default;
kelt2pWcell& kelt2pWcell::operator=(const kelt2pWcell& other) = default;
kelt2pWcell::~kelt2pWcell() = default;

const char* kelt2pWcell::Name() {
    return impl->Name();
}
const char* kelt2pWcell::Controller() {
    return impl->Controller();
}
const char* kelt2pWcell::Location() {
    return impl->Location();
}
kelt2pWcellType kelt2pWcell::Type() {
    return impl->Type();
}
int kelt2pWcell::Axis() {
    return impl->Axis();
}
kelt2pWcellMachHeads kelt2pWcell::Heads() {
    return impl->Heads();
}
kelt2pWcellLatheDir kelt2pWcell::LatheDir() {
    return impl->LatheDir();
}
int kelt2pWcell::Comment() {
    return impl->Comment();
}
const char* kelt2pWcell::Comment(unsigned int n) {
    return impl->Comment(n);
}

void kelt2pWcell::ToolAdd2ToolListInit() {
    impl->ToolAdd2ToolListInit();
}
void kelt2pWcell::ToolAdd2ToolList(const kelt2pTool& tool, kelt2pMachHead head, int position,
                                   int reg, const char* comment) {
    impl->ToolAdd2ToolList(FacadeAccess::ImplOf(tool), head, position, reg, comment);
}
void kelt2pWcell::ToolAdd2ToolList(const kelt2pTool& tool, const kelt2pMachTool& entry) {
    impl->ToolAdd2ToolList(FacadeAccess::ImplOf(tool), entry);
}
void kelt2pWcell::ToolAdd() {
    impl->ToolAdd();
}
void kelt2pWcell::DeleteToolTable() {
    impl->DeleteToolTable();
}

int kelt2pWcell::ToolList() {
    return impl->ToolList(0, false);
}
int kelt2pWcell::ToolList(int operationId) {
    return impl->ToolList(operationId, true);
}
int kelt2pWcell::ToolList(const kelt2pOperation& operation) {
    return impl->ToolList(operation.ID(), true);
}
kelt2pMachTool kelt2pWcell::ToolListAt(int i) const {
    return Wcell::ToolListAt(i);
}

}  // namespace Ardo
