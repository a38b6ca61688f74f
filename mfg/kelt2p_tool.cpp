// kelt2pTool: construction, copying and forwarding to Ardo::Tool.
#include "base/facade_impl.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/tool.h"
#include "mfg/tool.h"
#include "model/solid.h"

namespace Ardo {

template class CopiedImpl<Tool>;

kelt2pTool::kelt2pTool() = default;
kelt2pTool::kelt2pTool(const kelt2pTool& other) = default;
kelt2pTool& kelt2pTool::operator=(const kelt2pTool& other) = default;
kelt2pTool::~kelt2pTool() = default;

void kelt2pTool::IdSet(const char* id) {
    impl->IdSet(id);
}
const char* kelt2pTool::IdGet() {
    return impl->IdGet();
}
void kelt2pTool::TypeSet(kelt2pToolType type) {
    impl->TypeSet(type);
}
kelt2pToolType kelt2pTool::TypeGet() const {
    return impl->TypeGet();
}
void kelt2pTool::ToolParamAdd(const char* name, double value) {
    impl->ToolParamAdd(name, value);
}
void kelt2pTool::ToolParamAdd(const char* name, const char* value) {
    impl->ToolParamAdd(name, value);
}
void kelt2pTool::AddCuttingData(const char* name, kelt2pCutData data) {
    impl->AddCuttingData(name, data);
}

void kelt2pTool::ModelSet(const kelt2pMdl& model, int attribute, bool useModelName) {
    impl->ModelSet(FacadeAccess::ImplOf(model), attribute, useModelName);
}

}  // namespace Ardo
