// A component inside an assembly: the top assembly (the root) and the chain of component
// feature ids from the root down to the component, and the transforms between the
// component and its root.
//
// kelt2pCompPath is a facade: it owns one Ardo::CompPath and forwards every operation to
// it. Copies are deep; a path does not hold its models open and means nothing once its
// root has left the host session.
#pragma once

#include <cstdint>

#include "kelt2proe/export.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/impl_ptr.h"

namespace Ardo {

class CompPath;
class kelt2pMdl;
struct kelt2pPointData;

// The host's component type number, passed through unchanged.
enum kelt2pAsmcompTypes : std::int32_t {
    KELT2P_ASM_COMP_TYPE_NONE = 0,
    KELT2P_ASM_COMP_TYPE_WORKPIECE = 1,
    KELT2P_ASM_COMP_TYPE_REF_MODEL = 2,
    KELT2P_ASM_COMP_TYPE_FIXTURE = 3,
};

class KELT2PROE_API kelt2pCompPath {
public:
    // No root, depth 0.
    kelt2pCompPath();
    // `model` as root, depth 0.
    explicit kelt2pCompPath(const kelt2pMdl& model);
    kelt2pCompPath(const kelt2pCompPath& other);
    // Copies root, ids and depth; the result code of the last host call stays.
    kelt2pCompPath& operator=(const kelt2pCompPath& other);
    ~kelt2pCompPath();

    // Same root, same depth and the same ids up to the depth.
    bool operator==(const kelt2pCompPath& other) const;

    kelt2pMdl RootGet();
    // Makes `model` the root with depth 0 and returns a copy of the reset path.
    kelt2pCompPath RootSet(const kelt2pMdl& model);
    // The model at the end of the path, the root itself at depth 0.
    kelt2pMdl MdlGet();
    // Appends a level; a path of 25 levels is full and refuses with
    // (-2, "Ardo::CompPath::Add").
    void Add(int id);
    int Depth();
    // The id at `level`, 0 <= level < Depth(), else (-2, "Ardo::CompPath::IdGetAt").
    int IdGetAt(int level);
    // The component type of the last component.
    kelt2pAsmcompTypes TypeGet();
    // Component to root: columns 0..2 the component's axes, column 3 its origin.
    Matrix TransGetStd();
    // Coordinates in the component's system `compCsys` to coordinates in the root's
    // system `rootCsys`.
    Matrix TransGet(const char* rootCsys, const char* compCsys);
    // The same relation expressed in the frame `m` describes: m * T * m^-1.
    Matrix TransGet(Matrix& m, const char* rootCsys, const char* compCsys);
    // The component's datum point in root coordinates, relative to the origin of the
    // root's system `rootCsys` (not rotated into its axes).
    Vector TransGet(const char* rootCsys, kelt2pPointData point);
    // That vector mapped by the rotation part of `m`.
    Vector TransGet(const char* rootCsys, kelt2pPointData point, Matrix& m);

private:
    friend struct FacadeAccess;
    // A copy of `path`: how the library hands out component paths.
    explicit kelt2pCompPath(const CompPath& path);

    CopiedImpl<CompPath> impl;
};

}  // namespace Ardo
