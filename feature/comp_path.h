// Ardo::CompPath: the implementation behind kelt2pCompPath. The host's component path,
// handed to the host unchanged, followed by the result code of the last host call made
// through it.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

#include <cstdint>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"

namespace Ardo {

class Solid;

class CompPath {
public:
    static constexpr int kMaxDepth = PRO_MAX_ASSEM_LEVEL;

    // No root, depth 0, ids[0] = -1.
    CompPath();
    // `root` as root, depth 0.
    explicit CompPath(ProMdl root);
    // A copy of the host's path.
    explicit CompPath(const ProAsmcomppath& hostPath);
    // Root, ids and depth are copied; the status word is not.
    CompPath(const CompPath& other);
    CompPath& operator=(const CompPath& other);

    bool operator==(const CompPath& other) const;
    bool operator!=(const CompPath& other) const { return !(*this == other); }

    ProMdl Root() const { return path.owner; }
    Solid RootGet() const;
    CompPath RootSet(ProMdl root);
    // The host model at the end of the path; failure raises (code, "Ardo::CompPath::MdlGet").
    ProMdl MdlHandle();
    Solid MdlGet();
    void Add(int id);
    int Depth() const { return path.table_num; }
    int IdGetAt(int level) const;
    // The last id, without test (depth >= 1 assumed).
    int LastId() const { return path.comp_id_table[path.table_num - 1]; }
    // The path without its last level.
    CompPath Parent() const;
    kelt2pAsmcompTypes TypeGet();
    Matrix TransGetStd();
    Matrix TransGet(const char* rootCsys, const char* compCsys);
    Matrix TransGet(const Matrix& m, const char* rootCsys, const char* compCsys);
    Vector TransGet(const char* rootCsys, const kelt2pPointData& point);
    Vector TransGet(const char* rootCsys, const kelt2pPointData& point, const Matrix& m);

    // The host path, for calls that take one.
    ProAsmcomppath* Host() { return &path; }
    const ProAsmcomppath& Host() const { return path; }

    ProAsmcomppath path;
    // Result code of the last host call made through this path.
    std::int32_t status = 0;

private:
    void reset(ProMdl root);
    void check(int code, const char* text);
};

}  // namespace Ardo
