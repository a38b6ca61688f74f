// The host's solid geometry on Open CASCADE Technology. With its companion files
// (kernel_*.cpp) the only code that sees the kernel: every call runs guarded, so that a kernel
// exception becomes a host error code, and the kernel's console output is switched off before its
// first use.
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_internal.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <system_error>
#include <unordered_map>

#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepBndLib.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Reader.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>

// Sanitizer builds check for leaks (gcc names AddressSanitizer with a macro, clang
// with a feature).
#if defined(__SANITIZE_ADDRESS__)
#define SIMHOST_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SIMHOST_LEAK_CHECKED 1
#endif
#endif
#ifdef SIMHOST_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace simhost::geometry {

using namespace detail;

namespace {

// Common volume below this share of the smaller solid is a touch, not an overlap.
constexpr double kInterferenceShare = 1e-6;

}  // namespace

bool kernelAvailable() {
    return true;
}

ProError solidBox(const Vec3& corner, const Vec3& size, int* id) {
    if (id == nullptr || !finite(corner) || !std::all_of(size.begin(), size.end(), positive)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        gp_Pnt at(corner[0], corner[1], corner[2]);
        return keep(BRepPrimAPI_MakeBox(at, size[0], size[1], size[2]).Shape(), id);
    });
}

ProError solidCylinder(const Vec3& origin, const Vec3& axis, double radius, double height,
                       int* id) {
    double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    if (id == nullptr || !finite(origin) || !positive(length) || !positive(radius) ||
        !positive(height)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        gp_Ax2 frame(gp_Pnt(origin[0], origin[1], origin[2]), gp_Dir(axis[0], axis[1], axis[2]));
        return keep(BRepPrimAPI_MakeCylinder(frame, radius, height).Shape(), id);
    });
}

ProError solidStepRead(const std::filesystem::path& file, int* id) {
    std::error_code ec;
    if (id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!std::filesystem::is_regular_file(file, ec)) {
        return PRO_TK_E_NOT_FOUND;
    }
    return guarded([&] {
        STEPControl_Reader reader;
        if (reader.ReadFile(file.string().c_str()) != IFSelect_RetDone) {
            return PRO_TK_INVALID_FILE;
        }
        reader.TransferRoots();
        TopoDS_Shape shape = reader.OneShape();
        if (shape.IsNull() || !hasSolid(shape)) {
            return PRO_TK_INVALID_FILE;
        }
        return keep(shape, id);
    });
}

void solidFree(int id) {
    table().solids.erase(id);
}

int solidCount() {
    return static_cast<int>(table().solids.size());
}

ProError solidVolume(int id, double* volume) {
    const TopoDS_Shape* shape = find(id);
    if (shape == nullptr || volume == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        *volume = volumeOf(*shape);
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsBoundingBox(const std::vector<PlacedSolid>& solids, const Placement& frame,
                           Box3* box) {
    if (solids.empty() || box == nullptr || !orthonormal(frame, kPlacementTolerance)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        gp_Trsf toFrame = transformOf(frame).Inverted();
        Bnd_Box bounds;
        for (const PlacedSolid& solid : solids) {
            TopoDS_Shape shape;
            if (!placed(solid, toFrame, shape)) {
                return PRO_TK_BAD_INPUTS;
            }
            // From the exact curves and surfaces, not a triangulation of them.
            BRepBndLib::AddOptimal(shape, bounds, false, false);
        }
        if (bounds.IsVoid()) {
            return PRO_TK_GENERAL_ERROR;
        }
        bounds.Get(box->min[0], box->min[1], box->min[2], box->max[0], box->max[1], box->max[2]);
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsDistance(const PlacedSolid& a, const PlacedSolid& b, double* distance) {
    if (distance == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape first;
        TopoDS_Shape second;
        if (!placed(a, gp_Trsf(), first) || !placed(b, gp_Trsf(), second)) {
            return PRO_TK_BAD_INPUTS;
        }
        BRepExtrema_DistShapeShape measure(first, second);
        if (!measure.IsDone()) {
            return PRO_TK_GENERAL_ERROR;
        }
        // A solid inside the other: its boundary is away from the other's, yet they share
        // the inner one's volume.
        *distance = measure.InnerSolution() ? 0.0 : measure.Value();
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsInterfere(const PlacedSolid& a, const PlacedSolid& b, bool* interfere) {
    if (interfere == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape first;
        TopoDS_Shape second;
        if (!placed(a, gp_Trsf(), first) || !placed(b, gp_Trsf(), second)) {
            return PRO_TK_BAD_INPUTS;
        }
        Bnd_Box firstBounds;
        Bnd_Box secondBounds;
        BRepBndLib::Add(first, firstBounds);
        BRepBndLib::Add(second, secondBounds);
        if (firstBounds.IsOut(secondBounds)) {
            *interfere = false;
            return PRO_TK_NO_ERROR;
        }
        BRepAlgoAPI_Common common(first, second);
        if (!common.IsDone() || common.HasErrors()) {
            return PRO_TK_GENERAL_ERROR;
        }
        double smaller = std::min(volumeOf(first), volumeOf(second));
        *interfere = volumeOf(common.Shape()) > kInterferenceShare * smaller;
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsStepWrite(const std::vector<PlacedSolid>& solids,
                         const std::filesystem::path& file) {
    if (solids.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        BRep_Builder builder;
        TopoDS_Compound all;
        builder.MakeCompound(all);
        for (const PlacedSolid& solid : solids) {
            TopoDS_Shape shape;
            if (!placed(solid, gp_Trsf(), shape)) {
                return PRO_TK_BAD_INPUTS;
            }
            builder.Add(all, shape);
        }
        STEPControl_Writer writer;
        if (writer.Transfer(all, STEPControl_AsIs) != IFSelect_RetDone) {
            return PRO_TK_GENERAL_ERROR;
        }
        // The same solids give the same file: no clock in its header.
        APIHeaderSection_MakeHeader header(writer.Model());
        header.SetTimeStamp(new TCollection_HAsciiString("2000-01-01T00:00:00"));
        if (writer.Write(file.string().c_str()) != IFSelect_RetDone) {
            return PRO_TK_CANT_WRITE;
        }
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
