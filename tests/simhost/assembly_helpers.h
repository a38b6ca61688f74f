// Helpers of the assembly tests: coordinate systems, components placed on them,
// transforms as 4x4 matrices (host row layout) and their arithmetic done here, apart
// from the host's.
#pragma once

#include <ProAsmcomp.h>
#include <ProAsmcomppath.h>
#include <ProCsys.h>
#include <ProDimension.h>
#include <ProGeomitem.h>

#include <array>
#include <cmath>
#include <vector>

#include "feature_helpers.h"

namespace asmtest {

using namespace featuretest;
using Matrix = std::array<std::array<double, 4>, 4>;

inline ProElement add(ProElement parent, ProElement child) {
    ProElemtreeElementAdd(parent, nullptr, child);
    return child;
}

inline ProElement doubleElem(int id, double value) {
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementDoubleSet(e, value);
    return e;
}

// An element holding a selection of a coordinate system of `owner`, with a path from
// `root` through `ids` when `root` is given.
inline ProElement csysSelectionElem(int id, ProSolid owner, int itemId, ProSolid root = nullptr,
                                    const std::vector<int>& ids = {}) {
    ProModelitem item{PRO_CSYS, itemId, owner};
    ProAsmcomppath path{};
    path.owner = root;
    path.table_num = static_cast<int>(ids.size());
    for (std::size_t k = 0; k < ids.size(); ++k) {
        path.comp_id_table[k] = ids[k];
    }
    ProSelection selection = nullptr;
    ProSelectionAlloc(root != nullptr ? &path : nullptr, &item, &selection);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_SELECTION;
    data.v.r = selection;
    ProValue value = nullptr;
    ProValueAlloc(&value);
    ProValueDataSet(value, &data);
    ProSelectionFree(&selection);
    ProElement e = nullptr;
    ProElementAlloc(id, &e);
    ProElementValueSet(e, value);
    return e;
}

// The coordinate-system item of a feature (its id follows the feature's).
inline int csysItemOf(ProSolid solid, int featureId) {
    struct Find {
        ProSolid solid;
        int feature;
        int item = 0;
    } find{solid, featureId};
    ProSolidCsysVisit(
        solid,
        [](ProCsys csys, ProError, ProAppData data) {
            auto* f = static_cast<Find*>(data);
            ProGeomitem item{};
            ProCsysToGeomitem(f->solid, csys, &item);
            ProFeature owner{};
            ProGeomitemFeatureGet(&item, &owner);
            if (owner.id == f->feature) {
                f->item = item.id;
            }
            return PRO_TK_NO_ERROR;
        },
        nullptr, &find);
    return find.item;
}

struct Move {
    int type;  // 0..2 translate along, 3..5 rotate about x, y, z
    double value;
};

// A coordinate system of `solid`: the default one without a reference, else offset by
// `moves` from the reference (a coordinate system of `refOwner`, through `ids` from
// `solid` when `ids` is not empty). Returns its item id, 0 when refused.
inline int csys(ProSolid solid, const std::wstring& name, int refItem = 0,
                const std::vector<Move>& moves = {}, ProSolid refOwner = nullptr,
                const std::vector<int>& ids = {}) {
    int feature = make(solid, 979, name, [&](ProElement t) {
        if (refItem == 0) {
            return;
        }
        ProElement constrs = nullptr;
        ProElementAlloc(2134, &constrs);
        ProElement constr = nullptr;
        ProElementAlloc(2135, &constr);
        add(constr, csysSelectionElem(2136, refOwner != nullptr ? refOwner : solid, refItem,
                                      ids.empty() ? nullptr : solid, ids));
        add(constrs, constr);
        add(t, constrs);
        ProElement list = nullptr;
        ProElementAlloc(2137, &list);
        for (const Move& move : moves) {
            ProElement m = nullptr;
            ProElementAlloc(2138, &m);
            add(m, intElem(2140, move.type));
            add(m, doubleElem(2141, move.value));
            add(list, m);
        }
        add(t, list);
    });
    return feature == 0 ? 0 : csysItemOf(solid, feature);
}

// The tree of a component of `model` with one constraint of `constrType`: for 6 the
// component's coordinate system `compCsys` on `asmCsys` of `asmOwner`, reached from the
// assembly `root` through `ids`. `compOwner` names another owner for the component's
// reference than the component model.
inline ProElement componentTree(ProSolid model, int constrType, int compCsys = 0,
                                ProSolid asmOwner = nullptr, int asmCsys = 0,
                                ProSolid root = nullptr, const std::vector<int>& ids = {},
                                ProSolid compOwner = nullptr) {
    ProElement t = tree(PRO_FEAT_COMPONENT);
    ProElement modelElem = nullptr;
    ProElementAlloc(PRO_E_COMPONENT_MODEL, &modelElem);
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_POINTER;
    data.v.p = model;
    ProValue value = nullptr;
    ProValueAlloc(&value);
    ProValueDataSet(value, &data);
    ProElementValueSet(modelElem, value);
    add(t, modelElem);
    ProElement constrs = nullptr;
    ProElementAlloc(PRO_E_COMPONENT_CONSTRAINTS, &constrs);
    ProElement constr = nullptr;
    ProElementAlloc(PRO_E_COMPONENT_CONSTRAINT, &constr);
    add(constr, intElem(PRO_E_COMPONENT_CONSTR_TYPE, constrType));
    if (constrType == PRO_ASM_CSYS) {
        add(constr, csysSelectionElem(PRO_E_COMPONENT_COMP_CONSTR_REF,
                                      compOwner != nullptr ? compOwner : model, compCsys));
        add(constr,
            csysSelectionElem(PRO_E_COMPONENT_ASSEM_CONSTR_REF, asmOwner, asmCsys, root, ids));
    }
    add(constrs, constr);
    add(t, constrs);
    return t;
}

// Creates a component from the tree and frees it; the feature id, or 0 when refused
// (then `refusal` holds the first error's code and element).
struct Refusal {
    int element = 0;
    ProError code = PRO_TK_NO_ERROR;
};
inline int component(ProSolid assembly, ProElement t, Refusal* refusal = nullptr) {
    ProFeature feature{};
    ProErrorlist errors{};
    ProError rc = create(assembly, t, &feature, &errors);
    ProElementFree(&t);
    if (refusal != nullptr && rc != PRO_TK_NO_ERROR && errors.error_number > 0) {
        refusal->element = errors.error_list[0].err_item_id;
        refusal->code = errors.error_list[0].error;
    }
    return rc == PRO_TK_NO_ERROR ? feature.id : 0;
}

// Component `compCsys` of `model` on `asmCsys` of `root` itself.
inline int placeOn(ProSolid root, ProSolid model, int compCsys, int asmCsys) {
    return component(root, componentTree(model, PRO_ASM_CSYS, compCsys, root, asmCsys, root));
}

inline ProSolid assembly(const std::wstring& name) {
    return static_cast<ProSolid>(modeltest::create(name, PRO_ASSEMBLY));
}

inline Matrix identity() {
    Matrix m{};
    for (int k = 0; k < 4; ++k) {
        m[k][k] = 1.0;
    }
    return m;
}

// Row layout: a point p maps to p * m.
inline Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            for (int k = 0; k < 4; ++k) {
                out[r][c] += a[r][k] * b[k][c];
            }
        }
    }
    return out;
}

// A general inverse by Gauss-Jordan elimination with partial pivoting.
inline Matrix inverse(Matrix a) {
    Matrix out = identity();
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) {
                pivot = r;
            }
        }
        std::swap(a[col], a[pivot]);
        std::swap(out[col], out[pivot]);
        double d = a[col][col];
        for (int c = 0; c < 4; ++c) {
            a[col][c] /= d;
            out[col][c] /= d;
        }
        for (int r = 0; r < 4; ++r) {
            if (r != col) {
                double f = a[r][col];
                for (int c = 0; c < 4; ++c) {
                    a[r][c] -= f * a[col][c];
                    out[r][c] -= f * out[col][c];
                }
            }
        }
    }
    return out;
}

// A coordinate system's placement in its model, as a row-layout matrix.
inline Matrix csysMatrix(ProSolid owner, int item) {
    Matrix m = identity();
    ProCsys csys = nullptr;
    ProGeomitemdata* data = nullptr;
    if (ProCsysInit(owner, item, &csys) != PRO_TK_NO_ERROR ||
        ProCsysDataGet(csys, &data) != PRO_TK_NO_ERROR) {
        return m;
    }
    const ProCsysdata& c = *data->data.p_csys_data;
    const double* rows[4] = {c.x_vector, c.y_vector, c.z_vector, c.origin};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            m[r][k] = rows[r][k];
        }
    }
    ProGeomitemdataFree(&data);
    return m;
}

inline Matrix pathMatrix(ProSolid root, const std::vector<int>& ids, ProBoolean bottomUp,
                         ProError* rc = nullptr) {
    ProAsmcomppath path{};
    ProIdTable table{};
    for (std::size_t k = 0; k < ids.size(); ++k) {
        table[k] = ids[k];
    }
    Matrix out{};
    ProError got = ProAsmcomppathInit(root, table, static_cast<int>(ids.size()), &path);
    ProMatrix m{};
    if (got == PRO_TK_NO_ERROR) {
        got = ProAsmcomppathTrfGet(&path, bottomUp, m);
    }
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            out[r][c] = m[r][c];
        }
    }
    if (rc != nullptr) {
        *rc = got;
    }
    return out;
}

inline void expectNear(const Matrix& got, const Matrix& want, const char* what) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(got[r][c], want[r][c], 1e-9) << what << " [" << r << "][" << c << "]";
        }
    }
}

// The dimensions of a feature in their order.
inline std::vector<ProDimension> dimsOf(ProSolid solid, int featureId) {
    std::vector<ProDimension> out;
    ProFeature f = feature(solid, featureId);
    ProFeatureDimensionVisit(
        &f,
        [](ProDimension* dim, ProError, ProAppData data) {
            static_cast<std::vector<ProDimension>*>(data)->push_back(*dim);
            return PRO_TK_NO_ERROR;
        },
        nullptr, &out);
    return out;
}

}  // namespace asmtest
