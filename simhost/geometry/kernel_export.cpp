// Interface files of placed solids: STEP (flat or with the assembly's structure), IGES and
// the kernel's own text form. Part of the kernel module (kernel.h).
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_internal.h"

#include <sstream>

#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Controller.hxx>
#include <IGESControl_Writer.hxx>
#include <IGESData_IGESModel.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_StepModelType.hxx>
#include <STEPControl_Writer.hxx>
#include <TCollection_ExtendedString.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TDF_Label.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopTools_FormatVersion.hxx>
#include <TopoDS_Compound.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

namespace simhost::geometry {

using namespace detail;

namespace {

// The same solids give the same file: no clock in the headers.
constexpr const char* kFixedStamp = "2000-01-01T00:00:00";
constexpr const char* kFixedIgesDate = "20000101.000000";

STEPControl_StepModelType stepMode(ExportShape shape) {
    switch (shape) {
        case ExportShape::Surfaces:
            return STEPControl_ShellBasedSurfaceModel;
        case ExportShape::Wireframe:
            return STEPControl_GeometricCurveSet;
        case ExportShape::Solid:
            break;
    }
    return STEPControl_AsIs;
}

ProError stepWrite(STEPControl_Writer& writer, const std::filesystem::path& file) {
    APIHeaderSection_MakeHeader header(writer.Model());
    header.SetTimeStamp(new TCollection_HAsciiString(kFixedStamp));
    if (writer.Write(file.string().c_str()) != IFSelect_RetDone) {
        return PRO_TK_CANT_WRITE;
    }
    return PRO_TK_NO_ERROR;
}

// The edges of a shape, for the files that carry curves only.
TopoDS_Shape edgesOf(const TopoDS_Shape& shape) {
    BRep_Builder builder;
    TopoDS_Compound edges;
    builder.MakeCompound(edges);
    for (TopExp_Explorer it(shape, TopAbs_EDGE); it.More(); it.Next()) {
        builder.Add(edges, it.Current());
    }
    return edges;
}

// An XCAF document, closed when it goes.
class Document {
public:
    Document() : app_(XCAFApp_Application::GetApplication()) {
        app_->NewDocument(TCollection_ExtendedString("MDTV-XCAF"), doc_);
    }
    ~Document() {
        if (!doc_.IsNull() && doc_->IsOpened()) {
            app_->Close(doc_);
        }
    }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    const Handle(TDocStd_Document) & doc() const { return doc_; }

private:
    Handle(XCAFApp_Application) app_;
    Handle(TDocStd_Document) doc_;
};

}  // namespace

ProError solidsStepExport(const std::vector<PlacedSolid>& solids, const std::string& name,
                          ExportShape shape, const std::filesystem::path& file) {
    if (solids.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        Document document;
        Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(document.doc()->Main());
        TDF_Label label = tool->AddShape(all, false);
        TDataStd_Name::Set(label, TCollection_ExtendedString(name.c_str()));
        STEPCAFControl_Writer writer;
        if (!writer.Transfer(document.doc(), stepMode(shape))) {
            return PRO_TK_GENERAL_ERROR;
        }
        return stepWrite(writer.ChangeWriter(), file);
    });
}

ProError assemblyStepExport(const ExportAssembly& assembly, ExportShape shape,
                            const std::filesystem::path& file) {
    if (assembly.products.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        Document document;
        Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(document.doc()->Main());
        // Every product's label first (parts with their solids, assemblies empty), then
        // the instances: an assembly may hold a product listed before or after it.
        std::vector<TDF_Label> labels;
        for (const ExportProduct& product : assembly.products) {
            if (product.solids.empty() == product.children.empty()) {
                return PRO_TK_BAD_INPUTS;
            }
            if (product.solids.empty()) {
                labels.push_back(tool->NewShape());
            } else {
                std::vector<PlacedSolid> own;
                for (int id : product.solids) {
                    own.push_back({id, Placement{}});
                }
                TopoDS_Shape solids;
                if (!placedCompound(own, solids)) {
                    return PRO_TK_BAD_INPUTS;
                }
                labels.push_back(tool->AddShape(solids, false));
            }
            TDataStd_Name::Set(labels.back(), TCollection_ExtendedString(product.name.c_str()));
        }
        for (std::size_t i = 0; i < assembly.products.size(); ++i) {
            for (const ExportInstance& child : assembly.products[i].children) {
                // The top product and an assembly itself are no instances of it.
                if (child.product == 0 || child.product == i || child.product >= labels.size() ||
                    !orthonormal(child.placement, kPlacementTolerance)) {
                    return PRO_TK_BAD_INPUTS;
                }
                tool->AddComponent(labels[i], labels[child.product],
                                   TopLoc_Location(transformOf(child.placement)));
            }
        }
        tool->UpdateAssemblies();
        STEPCAFControl_Writer writer;
        if (!writer.Transfer(document.doc(), stepMode(shape))) {
            return PRO_TK_GENERAL_ERROR;
        }
        return stepWrite(writer.ChangeWriter(), file);
    });
}

ProError solidsIgesExport(const std::vector<PlacedSolid>& solids, ExportShape shape,
                          const std::filesystem::path& file) {
    if (solids.empty()) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        IGESControl_Controller::Init();
        // Faces as trimmed surfaces (entity 144), which every IGES reader takes.
        IGESControl_Writer writer("MM", 0);
        if (!writer.AddShape(shape == ExportShape::Wireframe ? edgesOf(all) : all)) {
            return PRO_TK_GENERAL_ERROR;
        }
        writer.ComputeModel();
        IGESData_GlobalSection& global = writer.Model()->ChangeGlobalSection();
        global.SetDate(new TCollection_HAsciiString(kFixedIgesDate));
        global.SetLastChangeDate(new TCollection_HAsciiString(kFixedIgesDate));
        if (!writer.Write(file.string().c_str())) {
            return PRO_TK_CANT_WRITE;
        }
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsBrepText(const std::vector<PlacedSolid>& solids, std::string* text) {
    if (solids.empty() || text == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        std::ostringstream out;
        BRepTools::Write(all, out, false, false, TopTools_FormatVersion_VERSION_1);
        *text = out.str();
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
