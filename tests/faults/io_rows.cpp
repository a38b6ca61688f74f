// Fault-sweep rows of the import and export operations of kelt2pMdl: the 3D exports, STL,
// PDF and VRML, the import features, shrinkwrap and the new model from an interface file
// with the split naming.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

constexpr const char* kExportText = "Ardo::Solid::WriteExport";
constexpr const char* kSearchText = "ardotk::CsysSearch";

Ardo::kelt2pMdl part;
Ardo::kelt2pMdl target;
Ardo::Matrix stlMatrix;
int shrinkwrapResult = 0;

Ardo::Matrix stlGiven() {
    Ardo::Matrix m;
    m.RotZ(0.5);
    m.TransAdd(1, 2, 3);
    return m;
}

// "BOX", a solid box with CS0 in its frame and MOVED beside it; the object `part`.
void boxLoaded() {
    freshHost();
    writeTextFile("box.prt", R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "MOVED", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [5, 0, 0], "x": [0, 1, 0], "y": [-1, 0, 0],
                          "z": [0, 0, 1]}}]}],
        "solids": [{"box": {"corner": [0, 0, 0], "size": [10, 20, 30]}}]})");
    part = Ardo::kelt2pMdl();
    part.Load("box.prt", Ardo::KELT2P_MDL_PART, false);
    target = Ardo::kelt2pMdl();
    stlMatrix = stlGiven();
}

// As boxLoaded, with the box written as "box.stp" and "box.sat".
void boxFilesWritten() {
    boxLoaded();
    part.WriteSTEP("box.stp", "CS0", false, false, false);
    part.WriteACIS("box.sat", "CS0", false, false, false);
}

// A STEP file "asm.stp" of an assembly of three box parts; `target` unbound.
void assemblyFileWritten() {
    freshHost();
    Ardo::kelt2pMdl assembly;
    assembly.Create("ASM", Ardo::KELT2P_MDL_ASSEMBLY);
    assembly.CsysCreate("CS0");
    const char* names[] = {"PA", "PB", "PC"};
    for (const char* name : names) {
        std::string file = std::string(name) + ".prt";
        writeTextFile(file, R"({"type": "PRT", "solids": [{"box": {"corner": [0, 0, 0],
            "size": [10, 10, 10]}}]})");
        Ardo::kelt2pMdl component;
        component.Load(file.c_str(), Ardo::KELT2P_MDL_PART, false);
        assembly.Add(component);
    }
    assembly.WriteSTEP("asm.stp", "CS0", false, false, false);
    target = Ardo::kelt2pMdl();
}

// The 3D export by the pattern ".*": the pattern's widening refused is
// (-1, "UNBEKANNTER FEHLER"), no coordinate system visited is (-4, the export's text), an
// unnamed one still matches, the search's other failures pass as (code,
// "ardotk::CsysSearch"), the model's type as (code, "ardotk::MdlType"); a failed release
// changes nothing; every other call fails the export.
Expectation exported() {
    return [](const HostCall& call, int code) {
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (call.function == "ProSolidCsysVisit" && code == PRO_TK_E_NOT_FOUND) {
            return Outcome::library(PRO_TK_E_NOT_FOUND, kExportText);
        }
        if (call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND) {
            return Outcome::nothing();
        }
        if (call.function == "ProSolidCsysVisit" || call.function == "ProCsysToGeomitem" ||
            call.function == "ProModelitemNameGet") {
            return Outcome::toolkit(code, kSearchText);
        }
        if (call.function == "ProMdlTypeGet") {
            return Outcome::toolkit(code, "ardotk::MdlType");
        }
        if (call.isRelease()) {
            return Outcome::nothing();
        }
        return Outcome::library(code, kExportText);
    };
}

// The STL export: the placement's calls fail the operation, the release of the placement
// under its own name, the export under the host function's.
Expectation stlExported() {
    return except(except(throwsLibrary("Ardo::Solid::WriteSTL"), "ProGeomitemdataFree",
                         throwsLibrary("ProGeomitemdataFree")),
                  "ProIntfSliceFileExport", throwsLibrary("ProIntfSliceFileExport"));
}

// The matrix is inverted once the placement is read, and kept before.
SweepRow::Check stlMatrixState() {
    return [](const HostCall& call, int, const Outcome&) {
        if (call.function == "ProIntfSliceFileExport") {
            EXPECT_EQ(stlMatrix, stlGiven().Inverse());
        } else {
            EXPECT_EQ(stlMatrix, stlGiven());
        }
    };
}

// A failed allocation of the options is answered, and so is their failed release.
SweepRow::Check shrinkwrapAnswer() {
    return [](const HostCall& call, int code, const Outcome&) {
        bool answered = call.function == "ProShrinkwrapoptionsAlloc" ||
                        call.function == "ProShrinkwrapoptionsFree";
        EXPECT_EQ(shrinkwrapResult, answered ? code : 0);
    };
}

// The new model and its split: the listing of the components refuses a pattern the host
// cannot widen as (-1, "UNBEKANNTER FEHLER"), reports the model's type under its own name
// and passes over a component it cannot read; no component listed
// reaches the subscript error; paths and renames fail under their own names.
Expectation createdFromFile() {
    return [](const HostCall& call, int code) {
        if (call.function == "ProIntfimportModelCreate") {
            return Outcome::library(code, "Ardo::Solid::Create");
        }
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (call.function == "ProMdlTypeGet" && call.occurrence == 1) {
            return Outcome::library(code, "Ardo::Solid::ComponetList");
        }
        if (call.function == "ProSolidFeatVisit") {
            return Outcome{Outcome::Thrown::Other, 0, "invalid vector<T> subscript"};
        }
        if (call.function == "ProAsmcomppathMdlGet") {
            return Outcome::library(code, "Ardo::CompPath::MdlGet");
        }
        if (call.function == "ProMdlRename") {
            return Outcome::library(code, "Ardo::Mdl::Rename");
        }
        return Outcome::nothing();
    };
}

std::vector<SweepRow> ioRows() {
    std::vector<SweepRow> rows = {
        {"Ardo::kelt2pMdl::WriteSTEP(char const*, char const*, bool, bool, bool)", boxLoaded,
         [] { part.WriteSTEP("out.stp", ".*", false, true, false); }, exported()},
        {"Ardo::kelt2pMdl::WriteACIS(char const*, char const*, bool, bool, bool)", boxLoaded,
         [] { part.WriteACIS("out.sat", ".*", true, false, true); }, exported()},
        {"Ardo::kelt2pMdl::WriteExport(char const*, char const*, Ardo::kelt2p3D_Export_Type, "
         "Ardo::kelt2pOutput_AsmCfg, bool, bool, bool)",
         boxLoaded,
         [] {
             part.WriteExport("out.stp", ".*", Ardo::KELT2P_EXPORT_STEP,
                              Ardo::KELT2P_OUTPUT_FLAT_FILE, false, false, false);
         },
         exported()},
        {"Ardo::kelt2pMdl::WriteSTL(char const*, Ardo::Matrix&, char const*, double, double)",
         boxLoaded, [] { part.WriteSTL("out", stlMatrix, "MOVED", 0.1, 0.5); }, stlExported(),
         stlMatrixState()},
        {"Ardo::kelt2pMdl::WritePDF(char const*)", boxLoaded, [] { part.WritePDF("out.pdf"); },
         except(swallows(), "ProPDFExport", throwsLibrary("Ardo::Solid::WritePDF"))},
        {"Ardo::kelt2pMdl::ExportVRML(char const*)", boxLoaded, [] { part.ExportVRML("out.wrl"); },
         swallows()},
        {"Ardo::kelt2pMdl::ImportSTEP(char const*)", boxFilesWritten,
         [] { part.ImportSTEP("box.stp"); }, throwsLibrary("ProImportfeatCreate")},
        {"Ardo::kelt2pMdl::ImportACIS(char const*)", boxFilesWritten,
         [] { part.ImportACIS("box.sat"); }, throwsLibrary("ProImportfeatCreate")},
        {"Ardo::kelt2pMdl::ShrinkwrapCreate(char const*, int, bool)", boxLoaded,
         [] { shrinkwrapResult = part.ShrinkwrapCreate("wrap.stl", 4, true); }, swallows(),
         shrinkwrapAnswer()},
        {"Ardo::kelt2pMdl::ShrinkwrapCreate(Ardo::kelt2pMdl&, int, bool)",
         [] {
             boxLoaded();
             target.Create("WRAP", Ardo::KELT2P_MDL_PART);
         },
         [] { shrinkwrapResult = part.ShrinkwrapCreate(target, 4, false); }, swallows(),
         shrinkwrapAnswer()},
        {"Ardo::kelt2pMdl::Create(char const*, Ardo::kelt2pMdlType, char const*, "
         "Ardo::kelt2pIntfImportType, bool)",
         assemblyFileWritten,
         [] {
             target.Create("NEW", Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp", Ardo::KELT2P_IMPORT_STEP,
                           true);
         },
         createdFromFile()},
    };
    for (SweepRow& row : rows) {
        row.needsGeometryKernel = true;
    }
    return rows;
}
SWEEP_ROWS(ioRows);

}  // namespace
