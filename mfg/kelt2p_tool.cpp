// kelt2pTool: construction, copying and forwarding to Ardo::Tool.
#include "kelt2proe/mdl.h"
#include "kelt2proe/tool.h"
#include "mfg/tool.h"
#include "model/solid.h"

namespace Ardo {

kelt2pTool::kelt2pTool() : impl(new Tool()) {}

kelt2pTool::kelt2pTool(const kelt2pTool& other) : impl(new Tool(*other.impl)) {}

kelt2pTool& kelt2pTool::operator=(const kelt2pTool& other) {
    if (this != &other) {
        *impl = *other.impl;
    }
    return *this;
}

kelt2pTool::~kelt2pTool() {
    delete impl;
}

void kelt2pTool::IdSet(const char* id) {
    impl->IdSet(id);
}
const char* kelt2pTool::IdGet() {
    return impl->IdGet();
}
void kelt2pTool::TypeSet(kelt2pToolType type) {
    impl->type = type;
}
kelt2pToolType kelt2pTool::TypeGet() const {
    return impl->type;
}
void kelt2pTool::ToolParamAdd(const char* name, double value) {
    impl->ToolParamAdd(name, value);
}
void kelt2pTool::ToolParamAdd(const char* name, const char* value) {
    impl->ToolParamAdd(name, value);
}
// Cutting data has no place in the host's tool description.
void kelt2pTool::AddCuttingData(const char*, kelt2pCutData) {}

void kelt2pTool::ModelSet(const kelt2pMdl& model, int attribute, bool useModelName) {
    impl->ModelSet(*model.impl, attribute, useModelName);
}

}  // namespace Ardo
