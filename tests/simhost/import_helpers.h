// Helpers of the import and shrinkwrap tests: the kernel guard, the volume and bounds of
// a model's solids, and interface-file sources.
#pragma once

#include <ProIntfData.h>
#include <ProMdl.h>

#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "model_helpers.h"
#include "simhost/geometry/kernel.h"
#include "simhost/state/models.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/sessions.h"
#include "support/kernel/kernel_files.h"

namespace importtest {

#define REQUIRE_IMPORT_KERNEL()                                                    \
    if (!simhost::geometryKernelAvailable()) {                                     \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

// Volumes are exact up to the kernel's integration.
constexpr double kVolumeTolerance = 1e-6;

inline double volumeOf(ProMdl model) {
    double volume = -1.0;
    EXPECT_EQ(simhost::modelVolume(model, &volume), PRO_TK_NO_ERROR);
    return volume;
}

// The box around the model's solids in its own frame.
inline simhost::geometry::Box3 boundsOf(ProMdl handle) {
    simhost::geometry::Box3 box;
    simhost::state::Session* session = simhost::state::connected();
    simhost::state::Model* model =
        session == nullptr ? nullptr : session->area<simhost::state::ModelStore>().byHandle(handle);
    if (model == nullptr) {
        ADD_FAILURE() << "no such model";
        return box;
    }
    const auto solids =
        simhost::state::modelSolidsPlaced(*session, *model, simhost::geometry::Placement{});
    EXPECT_EQ(simhost::geometry::solidsBoundingBox(solids, simhost::geometry::Placement{}, &box),
              PRO_TK_NO_ERROR);
    return box;
}

inline void expectBounds(const simhost::geometry::Box3& box, const simhost::geometry::Vec3& min,
                         const simhost::geometry::Vec3& max) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(box.min[k], min[k], 1e-6) << "min " << k;
        EXPECT_NEAR(box.max[k], max[k], 1e-6) << "max " << k;
    }
}

// A file source of the kind for `path`; the path text lives with the object.
struct FileSource {
    modeltest::Path path;
    ProIntfDataSource source{};
    FileSource(ProIntfType type, const std::string& file) : path(file) {
        EXPECT_EQ(ProIntfDataSourceInit(type, path.text, &source), PRO_TK_NO_ERROR);
    }
};

inline double boxVolume(const testkit::BoxShape& box) {
    const double full = box.size[0] * box.size[1] * box.size[2];
    return box.hollow ? full * 7.0 / 8.0 : full;
}

}  // namespace importtest
