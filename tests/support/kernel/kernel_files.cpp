// Interface files for the import tests, written with the geometry kernel.
#include "support/kernel/kernel_files.h"

#ifdef TESTKIT_HAVE_KERNEL

#include <cmath>
#include <fstream>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_Writer.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopoDS_Compound.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>

// Sanitizer builds check for leaks (gcc names AddressSanitizer with a macro, clang
// with a feature).
#if defined(__SANITIZE_ADDRESS__)
#define TESTKIT_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESTKIT_LEAK_CHECKED 1
#endif
#endif
#ifdef TESTKIT_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

namespace testkit {

namespace {

// The STEP translator's first use keeps allocations for the life of the process where
// the leak checker cannot follow them (as the host notes for its own first use); the
// test's writers are not what the checker is there for, so it looks away while they run.
struct WriterPause {
#ifdef TESTKIT_LEAK_CHECKED
    WriterPause() {
        __lsan_disable();
    }
    ~WriterPause() {
        __lsan_enable();
    }
#else
    WriterPause() = default;
#endif
    WriterPause(const WriterPause&) = delete;
    WriterPause& operator=(const WriterPause&) = delete;
};

TopoDS_Shape shapeOf(const BoxShape& box) {
    const gp_Pnt corner(box.corner[0], box.corner[1], box.corner[2]);
    TopoDS_Shape solid = BRepPrimAPI_MakeBox(corner, box.size[0], box.size[1], box.size[2]).Shape();
    if (box.roundedEnd) {
        const double radius = box.size[1] / 2;
        const gp_Ax2 axis(
            gp_Pnt(box.corner[0] + box.size[0], box.corner[1] + radius, box.corner[2]),
            gp_Dir(0, 0, 1));
        solid = BRepAlgoAPI_Fuse(solid, BRepPrimAPI_MakeCylinder(axis, radius, box.size[2]).Shape())
                    .Shape();
    }
    if (box.holeRadius > 0) {
        const gp_Ax2 axis(gp_Pnt(box.corner[0] + box.size[0] / 2, box.corner[1] + box.size[1] / 2,
                                 box.corner[2] - 1),
                          gp_Dir(0, 0, 1));
        solid = BRepAlgoAPI_Cut(
                    solid, BRepPrimAPI_MakeCylinder(axis, box.holeRadius, box.size[2] + 2).Shape())
                    .Shape();
    }
    if (!box.hollow) {
        return solid;
    }
    const gp_Pnt inner(box.corner[0] + box.size[0] / 4, box.corner[1] + box.size[1] / 4,
                       box.corner[2] + box.size[2] / 4);
    TopoDS_Shape cavity =
        BRepPrimAPI_MakeBox(inner, box.size[0] / 2, box.size[1] / 2, box.size[2] / 2).Shape();
    return BRepAlgoAPI_Cut(solid, cavity).Shape();
}

TopoDS_Shape compoundOf(const std::vector<BoxShape>& boxes) {
    BRep_Builder builder;
    TopoDS_Compound all;
    builder.MakeCompound(all);
    for (const BoxShape& box : boxes) {
        builder.Add(all, shapeOf(box));
    }
    return all;
}

void quiet() {
    Message::DefaultMessenger()->ChangePrinters().Clear();
}

}  // namespace

bool writeStepAssembly(const std::string& file, const std::string& assembly,
                       const std::vector<FilePart>& parts) {
    [[maybe_unused]] WriterPause pause;
    try {
        quiet();
        Handle(XCAFApp_Application) app = XCAFApp_Application::GetApplication();
        Handle(TDocStd_Document) doc;
        app->NewDocument("MDTV-XCAF", doc);
        Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
        TDF_Label top = tool->NewShape();
        TDataStd_Name::Set(top, TCollection_ExtendedString(assembly.c_str()));
        for (const FilePart& part : parts) {
            TDF_Label product = tool->AddShape(shapeOf(part.shape), false);
            TDataStd_Name::Set(product, TCollection_ExtendedString(part.name.c_str()));
            gp_Trsf turn;
            turn.SetRotation(gp_Ax1(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1)),
                             part.turnZ * 3.14159265358979323846 / 180.0);
            gp_Trsf move;
            move.SetTranslation(gp_Vec(part.offset[0], part.offset[1], part.offset[2]));
            tool->AddComponent(top, product, TopLoc_Location(move * turn));
        }
        tool->UpdateAssemblies();
        STEPCAFControl_Writer writer;
        bool ok = writer.Transfer(doc, STEPControl_AsIs) &&
                  writer.Write(file.c_str()) == IFSelect_RetDone;
        app->Close(doc);
        return ok;
    } catch (...) {
        return false;
    }
}

bool writeStepSolids(const std::string& file, const std::vector<BoxShape>& boxes) {
    [[maybe_unused]] WriterPause pause;
    try {
        quiet();
        STEPControl_Writer writer;
        return writer.Transfer(compoundOf(boxes), STEPControl_AsIs) == IFSelect_RetDone &&
               writer.Write(file.c_str()) == IFSelect_RetDone;
    } catch (...) {
        return false;
    }
}

bool writeAcisStandin(const std::string& file, const std::vector<BoxShape>& boxes) {
    try {
        std::ofstream out(file, std::ios::binary);
        out << "SIMHOST-ACIS-STANDIN 1\nunits mm\n";
        BRepTools::Write(compoundOf(boxes), out, false, false, TopTools_FormatVersion_VERSION_1);
        return static_cast<bool>(out);
    } catch (...) {
        return false;
    }
}

}  // namespace testkit

#else

namespace testkit {

bool writeStepAssembly(const std::string&, const std::string&, const std::vector<FilePart>&) {
    return false;
}

bool writeStepSolids(const std::string&, const std::vector<BoxShape>&) {
    return false;
}

bool writeAcisStandin(const std::string&, const std::vector<BoxShape>&) {
    return false;
}

}  // namespace testkit

#endif
