// The kernel module's shared internals (kernel_internal.h).
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel_internal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include <BRepGProp.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRep_Builder.hxx>
#include <GProp_GProps.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Writer.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_Reader.hxx>
#include <STEPControl_Writer.hxx>
#include <TCollection_ExtendedString.hxx>
#include <TDF_Label.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Shape.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <gp_Trsf.hxx>
#include <gp_Vec.hxx>

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

namespace simhost::geometry::detail {

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

// The exchange translators' first use registers their parameters and editors and makes
// the STEP writer's default axis: allocations kept for the life of the process where
// the leak checker cannot follow them (a few KB, the same however often files are read
// and written). They are made here once, unseen by it, for every translator the host
// uses (STEP with and without product structure, in each representation, and IGES);
// every later allocation of the kernel and the host stays checked. A suppression file
// could not single them out: the kernel's libraries have no frame pointers, so their
// stacks end in its allocator.
void stepTranslatorFirstUse() {
    LeakCheckPause pause;
    BRep_Builder builder;
    TopoDS_Compound all;
    builder.MakeCompound(all);
    builder.Add(all, BRepPrimAPI_MakeBox(1.0, 1.0, 1.0).Shape());
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() /
        ("simhost-first-use-" + std::to_string(reinterpret_cast<std::uintptr_t>(&all)) + ".stp");
    for (STEPControl_StepModelType mode :
         {STEPControl_AsIs, STEPControl_ShellBasedSurfaceModel, STEPControl_GeometricCurveSet}) {
        STEPControl_Writer writer;
        writer.Transfer(all, mode);
        writer.Write(scratch.string().c_str());
    }
    STEPControl_Reader reader;
    reader.ReadFile(scratch.string().c_str());
    reader.TransferRoots();
    // The document application and the translators of product structure, with a placed
    // component, as the assembly export and the model import use them.
    Handle(XCAFApp_Application) app = XCAFApp_Application::GetApplication();
    {
        Handle(TDocStd_Document) doc;
        app->NewDocument(TCollection_ExtendedString("MDTV-XCAF"), doc);
        Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
        TDF_Label part = tool->AddShape(BRepPrimAPI_MakeBox(1.0, 1.0, 1.0).Shape(), false);
        TDF_Label assembly = tool->NewShape();
        gp_Trsf moved;
        moved.SetTranslation(gp_Vec(1.0, 0.0, 0.0));
        tool->AddComponent(assembly, part, TopLoc_Location(moved));
        tool->UpdateAssemblies();
        for (STEPControl_StepModelType mode : {STEPControl_AsIs, STEPControl_ShellBasedSurfaceModel,
                                               STEPControl_GeometricCurveSet}) {
            STEPCAFControl_Writer writer;
            writer.Transfer(doc, mode);
            writer.Write(scratch.string().c_str());
        }
        app->Close(doc);
    }
    {
        Handle(TDocStd_Document) doc;
        app->NewDocument(TCollection_ExtendedString("MDTV-XCAF"), doc);
        STEPCAFControl_Reader reader;
        reader.ReadFile(scratch.string().c_str());
        reader.Transfer(doc);
        app->Close(doc);
    }
    IGESControl_Controller::Init();
    IGESControl_Writer iges("MM", 0);
    iges.AddShape(all);
    iges.ComputeModel();
    std::error_code ignored;
    std::filesystem::remove(scratch, ignored);
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

bool placedCompound(const std::vector<PlacedSolid>& solids, TopoDS_Shape& out) {
    BRep_Builder builder;
    TopoDS_Compound all;
    builder.MakeCompound(all);
    for (const PlacedSolid& solid : solids) {
        TopoDS_Shape shape;
        if (!placed(solid, gp_Trsf(), shape)) {
            return false;
        }
        builder.Add(all, shape);
    }
    out = all;
    return true;
}

}  // namespace simhost::geometry::detail

#endif
