// Interface files on the geometry kernel: STEP through its STEP translator (with the
// product structure through the XCAF document), the ACIS stand-in and the host's kept
// solids through the kernel's BRep text. Hostile input is bounded before it reaches the
// kernel: files and texts by size, BRep sections by their entry counts.
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel_import.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include <BRepBuilderAPI_Transform.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_InterfaceModel.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <STEPControl_Reader.hxx>
#include <StepBasic_Product.hxx>
#include <TCollection_AsciiString.hxx>
#include <TCollection_ExtendedString.hxx>
#include <TDF_Label.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Shape.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <XSControl_WorkSession.hxx>
#include <gp_Trsf.hxx>

#include "simhost/geometry/kernel_internal.h"

namespace simhost::geometry {

namespace {

namespace fs = std::filesystem;

// CANT_OPEN when the file is missing or unreadable, INVALID_FILE when it is too large.
ProError fileUsable(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        return PRO_TK_CANT_OPEN;
    }
    std::uintmax_t size = fs::file_size(file, ec);
    if (ec) {
        return PRO_TK_CANT_OPEN;
    }
    if (size > kImportBytesMax) {
        return PRO_TK_INVALID_FILE;
    }
    std::ifstream probe(file, std::ios::binary);
    return probe ? PRO_TK_NO_ERROR : PRO_TK_CANT_OPEN;
}

// The BRep reader loops over the counts its sections announce and trusts them, and it
// reads on past the end of a cut text from buffers it never filled. So the text is
// checked first: every count at most the text's line count (every entry takes at least
// a line), and the last section (TShapes) complete: as many records, each closed by a
// line ending in '*', as it announces, followed by the line naming the shape.
bool brepComplete(const std::string& text) {
    static const char* const kSections[] = {
        "Locations", "Curve2ds",       "Curves", "Polygon3D", "PolygonOnTriangulations",
        "Surfaces",  "Triangulations", "TShapes"};
    std::size_t lines = 1;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    std::istringstream in(text);
    std::string line;
    bool inShapes = false;
    unsigned long long shapes = 0;
    unsigned long long closed = 0;
    bool named = false;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
            line.pop_back();
        }
        if (inShapes) {
            if (closed < shapes) {
                closed += !line.empty() && line.back() == '*' ? 1 : 0;
            } else {
                named = named || !line.empty();
            }
            continue;
        }
        for (const char* section : kSections) {
            const std::string key = std::string(section) + ' ';
            if (line.compare(0, key.size(), key) != 0) {
                continue;
            }
            const char* digits = line.c_str() + key.size();
            char* end = nullptr;
            unsigned long long count = std::strtoull(digits, &end, 10);
            if (end == digits || count > lines) {
                return false;
            }
            if (std::string(section) == "TShapes") {
                inShapes = true;
                shapes = count;
            }
        }
    }
    return inShapes && closed == shapes && named;
}

// True when the text carries the kernel's topology header, which its reader reports
// on the console when missing.
bool brepHeaderPresent(const std::string& text) {
    static const std::string kHeader = "CASCADE Topology V";
    const std::size_t at = text.find(kHeader);
    return at != std::string::npos && (at == 0 || text[at - 1] == '\n');
}

// The shape of BRep text; null for text the kernel does not read, also when the kernel
// gives up on it half-way.
TopoDS_Shape shapeOfBrep(const std::string& text) {
    TopoDS_Shape shape;
    if (text.size() > kImportBytesMax || !brepHeaderPresent(text) || !brepComplete(text)) {
        return shape;
    }
    try {
        std::istringstream in(text);
        BRep_Builder builder;
        BRepTools::Read(shape, in, builder);
    } catch (...) {
        shape.Nullify();
    }
    return shape;
}

// The line at `at` (without its end, a carriage return before it dropped); moves `at`
// past it.
std::string lineAt(const std::string& text, std::size_t& at) {
    std::size_t end = text.find('\n', at);
    std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? text.size() : end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

ProError acisStandinRead(const fs::path& file, TopoDS_Shape& shape) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    if (!in && !in.eof()) {
        return PRO_TK_CANT_OPEN;
    }
    const std::string text = all.str();
    std::size_t at = 0;
    if (lineAt(text, at) != kAcisStandinHeader || lineAt(text, at) != kAcisStandinUnits) {
        return PRO_TK_INVALID_FILE;
    }
    shape = shapeOfBrep(text.substr(at));
    return PRO_TK_NO_ERROR;
}

ProError stepRead(const fs::path& file, TopoDS_Shape& shape) {
    STEPControl_Reader reader;
    if (reader.ReadFile(file.string().c_str()) != IFSelect_RetDone) {
        return PRO_TK_INVALID_FILE;
    }
    reader.TransferRoots();
    shape = reader.OneShape();
    return PRO_TK_NO_ERROR;
}

// The placement of a location; false for one that scales or mirrors.
bool placementOf(const TopLoc_Location& location, Placement& out) {
    const gp_Trsf t = location.Transformation();
    if (t.IsNegative() || std::abs(t.ScaleFactor() - 1.0) > 1e-9) {
        return false;
    }
    out.origin = {t.Value(1, 4), t.Value(2, 4), t.Value(3, 4)};
    out.x = {t.Value(1, 1), t.Value(2, 1), t.Value(3, 1)};
    out.y = {t.Value(1, 2), t.Value(2, 2), t.Value(3, 2)};
    out.z = {t.Value(1, 3), t.Value(2, 3), t.Value(3, 3)};
    return true;
}

std::string labelName(const TDF_Label& label) {
    Handle(TDataStd_Name) name;
    if (!label.FindAttribute(TDataStd_Name::GetID(), name)) {
        return std::string();
    }
    return TCollection_AsciiString(name->Get(), '_').ToCString();
}

// Walks the structure below `label` (placed by `location`), appending parts.
class StructureWalk {
public:
    StructureWalk(const Handle(XCAFDoc_ShapeTool) & tool, std::vector<StepPart>& parts)
        : tool_(tool), parts_(parts) {}

    void walk(const TDF_Label& label, const TopLoc_Location& location, int depth) {
        if (depth > kDepthMax) {
            return;
        }
        if (tool_->IsAssembly(label)) {
            TDF_LabelSequence components;
            XCAFDoc_ShapeTool::GetComponents(label, components);
            for (Standard_Integer i = 1; i <= components.Length(); ++i) {
                TDF_Label referred;
                if (XCAFDoc_ShapeTool::GetReferredShape(components.Value(i), referred)) {
                    walk(referred, location * XCAFDoc_ShapeTool::GetLocation(components.Value(i)),
                         depth + 1);
                }
            }
            return;
        }
        TopoDS_Shape shape = XCAFDoc_ShapeTool::GetShape(label);
        if (shape.IsNull() || !detail::hasSolid(shape)) {
            return;
        }
        StepPart part;
        part.name = labelName(label);
        if (!placementOf(location, part.placement)) {
            // A scaled or mirrored occurrence: its solid takes the transformation.
            shape = BRepBuilderAPI_Transform(shape, location.Transformation(), true).Shape();
            part.placement = Placement{};
        }
        detail::keep(shape, &part.solid);
        parts_.push_back(part);
    }

private:
    static constexpr int kDepthMax = 64;
    Handle(XCAFDoc_ShapeTool) tool_;
    std::vector<StepPart>& parts_;
};

// How many products the file defines.
int productCount(STEPCAFControl_Reader& reader) {
    Handle(Interface_InterfaceModel) model = reader.Reader().WS()->Model();
    int count = 0;
    for (Standard_Integer i = 1; !model.IsNull() && i <= model->NbEntities(); ++i) {
        count += model->Value(i)->IsKind(STANDARD_TYPE(StepBasic_Product)) ? 1 : 0;
    }
    return count;
}

// A file of one product, without structure: one part holding all its solids (the kernel
// may still show a compound of them as an assembly).
ProError wholeFileRead(const TDF_LabelSequence& roots, std::vector<StepPart>& parts) {
    BRep_Builder builder;
    TopoDS_Compound all;
    builder.MakeCompound(all);
    for (Standard_Integer i = 1; i <= roots.Length(); ++i) {
        builder.Add(all, XCAFDoc_ShapeTool::GetShape(roots.Value(i)));
    }
    if (!detail::hasSolid(all)) {
        return PRO_TK_INVALID_FILE;
    }
    StepPart part;
    part.name = roots.IsEmpty() ? std::string() : labelName(roots.First());
    detail::keep(all, &part.solid);
    parts.push_back(part);
    return PRO_TK_NO_ERROR;
}

ProError structureRead(const fs::path& file, std::vector<StepPart>& parts) {
    Handle(XCAFApp_Application) app = XCAFApp_Application::GetApplication();
    Handle(TDocStd_Document) doc;
    app->NewDocument("MDTV-XCAF", doc);
    struct Closing {
        Handle(XCAFApp_Application) app;
        Handle(TDocStd_Document) doc;
        ~Closing() {
            if (app->CanClose(doc) == CDM_CCS_OK) {
                app->Close(doc);
            }
        }
    } closing{app, doc};
    STEPCAFControl_Reader reader;
    reader.SetNameMode(true);
    if (reader.ReadFile(file.string().c_str()) != IFSelect_RetDone || !reader.Transfer(doc)) {
        return PRO_TK_INVALID_FILE;
    }
    Handle(XCAFDoc_ShapeTool) tool = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
    TDF_LabelSequence roots;
    tool->GetFreeShapes(roots);
    if (productCount(reader) <= 1) {
        return wholeFileRead(roots, parts);
    }
    StructureWalk walk(tool, parts);
    for (Standard_Integer i = 1; i <= roots.Length(); ++i) {
        walk.walk(roots.Value(i), TopLoc_Location(), 0);
    }
    return PRO_TK_NO_ERROR;
}

void partsFree(std::vector<StepPart>& parts) {
    for (const StepPart& part : parts) {
        solidFree(part.solid);
    }
    parts.clear();
}

}  // namespace

ProError solidFileRead(const fs::path& file, SolidFileKind kind, int* id) {
    if (id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = fileUsable(file)) {
        return rc;
    }
    return detail::guarded([&] {
        TopoDS_Shape shape;
        ProError rc =
            kind == SolidFileKind::Step ? stepRead(file, shape) : acisStandinRead(file, shape);
        if (rc != PRO_TK_NO_ERROR) {
            return rc;
        }
        if (shape.IsNull() || !detail::hasSolid(shape)) {
            return PRO_TK_INVALID_FILE;
        }
        return detail::keep(shape, id);
    });
}

ProError stepPartsRead(const fs::path& file, std::vector<StepPart>* parts) {
    if (parts == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = fileUsable(file)) {
        return rc;
    }
    std::vector<StepPart> found;
    ProError rc = detail::guarded([&] { return structureRead(file, found); });
    if (rc == PRO_TK_NO_ERROR && found.empty()) {
        rc = PRO_TK_INVALID_FILE;
    }
    if (rc != PRO_TK_NO_ERROR) {
        partsFree(found);
        return rc;
    }
    *parts = std::move(found);
    return PRO_TK_NO_ERROR;
}

ProError solidPlacedCopy(const PlacedSolid& solid, int* id) {
    if (id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return detail::guarded([&] {
        TopoDS_Shape shape;
        if (!detail::placed(solid, gp_Trsf(), shape)) {
            return PRO_TK_BAD_INPUTS;
        }
        return detail::keep(shape, id);
    });
}

ProError solidBrepText(int id, std::string* text) {
    const TopoDS_Shape* shape = detail::find(id);
    if (shape == nullptr || text == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return detail::guarded([&] {
        std::ostringstream out;
        // Without triangulations: the exact geometry is what the host keeps.
        BRepTools::Write(*shape, out, false, false, TopTools_FormatVersion_VERSION_1);
        *text = out.str();
        return PRO_TK_NO_ERROR;
    });
}

ProError solidFromBrepText(const std::string& text, int* id) {
    if (id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return detail::guarded([&] {
        TopoDS_Shape shape = shapeOfBrep(text);
        if (shape.IsNull() || !detail::hasSolid(shape)) {
            return PRO_TK_INVALID_FILE;
        }
        return detail::keep(shape, id);
    });
}

}  // namespace simhost::geometry

#endif
