// Component paths: levels, the model at the end and the component's type.
#include "feature/comp_path.h"

#include <ProAsmcomp.h>
#include <ProAsmcomppath.h>
#include <ProFeature.h>

#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"

namespace Ardo {

CompPath::CompPath() {
    reset(nullptr);
}

CompPath::CompPath(ProMdl root) {
    reset(root);
}

CompPath::CompPath(const ProAsmcomppath& hostPath) : path(hostPath) {}

CompPath::CompPath(const CompPath& other) : path(other.path) {}

CompPath& CompPath::operator=(const CompPath& other) {
    if (this != &other) {
        path = other.path;
    }
    return *this;
}

void CompPath::reset(ProMdl root) {
    path = ProAsmcomppath{};
    path.owner = static_cast<ProSolid>(root);
    path.comp_id_table[0] = -1;
    path.table_num = 0;
}

void CompPath::check(int code, const char* text) {
    status = code;
    Ardo::check(static_cast<ProError>(code), text);
}

bool CompPath::operator==(const CompPath& other) const {
    if (path.owner != other.path.owner || path.table_num != other.path.table_num) {
        return false;
    }
    for (int level = 0; level < path.table_num; ++level) {
        if (path.comp_id_table[level] != other.path.comp_id_table[level]) {
            return false;
        }
    }
    return true;
}

Solid CompPath::RootGet() const {
    return Solid(path.owner);
}

CompPath CompPath::RootSet(ProMdl root) {
    reset(root);
    return *this;
}

ProMdl CompPath::MdlHandle() {
    ProMdl model = nullptr;
    check(ProAsmcomppathMdlGet(&path, &model), "Ardo::CompPath::MdlGet");
    return model;
}

Solid CompPath::MdlGet() {
    return Solid(MdlHandle());
}

void CompPath::Add(int id) {
    if (path.table_num >= kMaxDepth) {
        throw Error(PRO_TK_BAD_INPUTS, "Ardo::CompPath::Add");
    }
    path.comp_id_table[path.table_num] = id;
    ++path.table_num;
}

int CompPath::IdGetAt(int level) const {
    if (level < 0 || level >= path.table_num) {
        throw Error(PRO_TK_BAD_INPUTS, "Ardo::CompPath::IdGetAt");
    }
    return path.comp_id_table[level];
}

CompPath CompPath::Parent() const {
    CompPath parent(*this);
    if (parent.path.table_num > 0) {
        --parent.path.table_num;
    }
    return parent;
}

kelt2pAsmcompTypes CompPath::TypeGet() {
    constexpr const char* kText = "Ardo::CompPath::TypeGet";
    if (path.table_num == 0) {
        throw Error(status, kText);
    }
    // The component feature is made with the root as owner, whatever the depth.
    ProFeature feature{PRO_FEATURE, LastId(), path.owner};
    status = ProFeatureInit(path.owner, LastId(), &feature);
    ProAsmcompType type = PRO_ASM_COMP_TYPE_NONE;
    check(ProAsmcompTypeGet(&feature, path.owner, &type), kText);
    return static_cast<kelt2pAsmcompTypes>(type);
}

}  // namespace Ardo
