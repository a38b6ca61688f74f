// The host's solid geometry on Open CASCADE Technology. The only file that sees the
// kernel: every call runs guarded, so that a kernel exception becomes a host error code,
// and the kernel's console output is switched off before its first use.
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel.h"

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

namespace {

// Placements written by hand with a few decimals still count as orthonormal.
constexpr double kPlacementTolerance = 1e-6;
// Common volume below this share of the smaller solid is a touch, not an overlap.
constexpr double kInterferenceShare = 1e-6;

// The solids by id. Never destroyed: models freed during the program's exit still find
// it, whatever the order in which static objects go.
struct SolidTable {
    std::unordered_map<int, TopoDS_Shape> solids;
    int nextId = 1;
};

SolidTable& table() {
    static SolidTable* solids = new SolidTable;
    return *solids;
}

#ifdef SIMHOST_LEAK_CHECKED
// Allocations made while it lives are not reported as leaks.
struct LeakCheckPause {
    LeakCheckPause() { __lsan_disable(); }
    ~LeakCheckPause() { __lsan_enable(); }
    LeakCheckPause(const LeakCheckPause&) = delete;
    LeakCheckPause& operator=(const LeakCheckPause&) = delete;
};

// The STEP translator's first use registers its parameters and editors and makes the
// writer's default axis: allocations kept for the life of the process where the leak
// checker cannot follow them (about 3 KB, the same however often STEP files are read
// and written). They are made here once, unseen by it; every later allocation of the
// kernel and the host stays checked. A suppression file could not single them out:
// the kernel's libraries have no frame pointers, so their stacks end in its allocator.
void stepTranslatorFirstUse() {
    LeakCheckPause pause;
    BRep_Builder builder;
    TopoDS_Compound all;
    builder.MakeCompound(all);
    builder.Add(all, BRepPrimAPI_MakeBox(1.0, 1.0, 1.0).Shape());
    STEPControl_Writer writer;
    writer.Transfer(all, STEPControl_AsIs);
}
#endif

// Before the kernel's first use. It writes progress and statistics to the console
// through its default messenger; the host is a library of its caller and writes
// nothing there.
void prepareOnce() {
    static const bool prepared = [] {
        Message::DefaultMessenger()->ChangePrinters().Clear();
#ifdef SIMHOST_LEAK_CHECKED
        stepTranslatorFirstUse();
#endif
        return true;
    }();
    (void)prepared;
}

// Runs a call of the module: kernel exceptions stop here.
template <typename Call>
ProError guarded(Call call) noexcept {
    try {
        prepareOnce();
        return call();
    } catch (const Standard_Failure&) {
        return PRO_TK_GENERAL_ERROR;
    } catch (const std::bad_alloc&) {
        return PRO_TK_OUT_OF_MEMORY;
    } catch (...) {
        return PRO_TK_GENERAL_ERROR;
    }
}

const TopoDS_Shape* find(int id) {
    auto it = table().solids.find(id);
    return it == table().solids.end() ? nullptr : &it->second;
}

ProError keep(const TopoDS_Shape& shape, int* id) {
    SolidTable& t = table();
    int newId = t.nextId++;
    t.solids.emplace(newId, shape);
    *id = newId;
    return PRO_TK_NO_ERROR;
}

bool finite(const Vec3& v) {
    return std::all_of(v.begin(), v.end(), [](double d) { return std::isfinite(d); });
}

bool positive(double d) {
    return std::isfinite(d) && d > 0.0;
}

// The placement's axes made exactly orthonormal (x kept in direction, y in x's plane):
// axes that pass the tolerance may still be off by a little, which the kernel takes for
// a scale and refuses to move a shape by.
Placement orthonormalized(const Placement& p) {
    auto dot = [](const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    auto unit = [&dot](const Vec3& a) {
        const double n = std::sqrt(dot(a, a));
        return Vec3{a[0] / n, a[1] / n, a[2] / n};
    };
    Placement out = p;
    out.x = unit(p.x);
    const double along = dot(p.y, out.x);
    out.y = unit({p.y[0] - along * out.x[0], p.y[1] - along * out.x[1], p.y[2] - along * out.x[2]});
    out.z = {out.x[1] * out.y[2] - out.x[2] * out.y[1], out.x[2] * out.y[0] - out.x[0] * out.y[2],
             out.x[0] * out.y[1] - out.x[1] * out.y[0]};
    return out;
}

gp_Trsf transformOf(const Placement& placement) {
    const Placement p = orthonormalized(placement);
    gp_Trsf t;
    t.SetValues(p.x[0], p.y[0], p.z[0], p.origin[0],  //
                p.x[1], p.y[1], p.z[1], p.origin[1],  //
                p.x[2], p.y[2], p.z[2], p.origin[2]);
    return t;
}

// The solid moved into its placement and then by `outer`; false for an unknown id or a
// placement whose axes are not orthonormal.
bool placed(const PlacedSolid& solid, const gp_Trsf& outer, TopoDS_Shape& out) {
    const TopoDS_Shape* shape = find(solid.solid);
    if (shape == nullptr || !orthonormal(solid.placement, kPlacementTolerance)) {
        return false;
    }
    gp_Trsf t = outer;
    t.Multiply(transformOf(solid.placement));
    out = shape->Moved(TopLoc_Location(t));
    return true;
}

bool hasSolid(const TopoDS_Shape& shape) {
    return TopExp_Explorer(shape, TopAbs_SOLID).More();
}

// The volume of the solids of a shape (faces and shells outside solids hold none).
double volumeOf(const TopoDS_Shape& shape) {
    double volume = 0.0;
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(it.Current(), props);
        volume += props.Mass();
    }
    return volume;
}

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
