// Fault-sweep rows of the UDF and insert-mode operations of kelt2pMdl: the current UDF's
// reference list, placement with chosen references, in front of the features and as the
// tip gauge, and insert mode.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

constexpr const char* kAddText = "Ardo::kelt2pMdl::UdfAdd";
constexpr const char* kStdText = "Ardo::kelt2pMdl::UdfAddStd";
constexpr const char* kTipText = "Ardo::kelt2pMdl::UdfAddTip";
constexpr const char* kOffsetText = "Ardo::Solid::CsysCreateOffSet";
constexpr const char* kNamingText = "Ardo::kelt2pMdl::CsysCreateOffSet";

Ardo::kelt2pMdl part;
Ardo::kelt2pMdl assembly;
Ardo::kelt2pMdl holder;
Ardo::kelt2pCompPath holderPath;
int result = 0;

// CS0 and CS1 moved 5 along x; the UDF "mark" wants one coordinate system, "std_marks"
// none.
void plateWithUdfs() {
    freshHost();
    writeTextFile("plate.prt", R"({"type": "PRT", "features": [
        {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
        {"id": 2, "type": 979, "name": "CS1", "items": [{"id": 12, "type": 25,
            "placement": {"origin": [5, 0, 0], "x": [1, 0, 0], "y": [0, 1, 0],
                          "z": [0, 0, 1]}}]}]})");
    writeTextFile("mark.gph", R"({"references": [{"prompt": "BASE", "type": "csys"}],
        "features": [{"type": "csys", "name": "MARK", "reference": "BASE",
                      "moves": [{"move": "translate_z", "value": 7}]}]})");
    writeTextFile("std_marks.gph", R"({"features": [{"type": "csys", "name": "STD_CS"},
        {"type": "point", "name": "STD_PNT", "reference": "STD_CS", "at": [1, 0, 0]}]})");
    part = Ardo::kelt2pMdl();
    part.Load("plate.prt", Ardo::KELT2P_MDL_PART, false);
}

// The holder with the point PNT_TIP placed in the assembly on CS0.
void assemblyWithTip() {
    plateWithUdfs();
    // Removed first: the Windows runtime refuses to copy over an existing file even when
    // asked to overwrite it.
    std::error_code ignored;
    std::filesystem::remove("tip_gauge.gph", ignored);
    std::filesystem::copy_file(KELT2PROE_SOURCE_DIR "/tests/data/tip_gauge.gph", "tip_gauge.gph");
    holder = Ardo::kelt2pMdl();
    holder.Create("HOLDER", Ardo::KELT2P_MDL_PART);
    holder.CsysCreate("CS0");
    holder.PntCreate("CS0", "PNT_TIP", 0, 1, 2, 3);
    assembly = Ardo::kelt2pMdl();
    assembly.Create("TOOLASM", Ardo::KELT2P_MDL_ASSEMBLY);
    assembly.CsysCreate("CS0");
    holderPath = assembly.Add(holder, "CS0", "CS0");
}

bool is(const HostCall& call, const char* function, int occurrence = 0) {
    return call.function == function && (occurrence == 0 || call.occurrence == occurrence);
}

// The reference calls of a placement raise with the empty text.
bool referenceCall(const HostCall& call) {
    return is(call, "ProSelectionAlloc") || is(call, "ProUdfreferenceAlloc") ||
           is(call, "ProUdfdataReferenceAdd") || is(call, "ProSelectionFree");
}

// UdfAddTip: its own calls, then those of "TIP" on TIP_REF (found by a search through the
// assembly's coordinate systems CS0 and TIP_REF), then the regeneration.
Outcome tipOutcome(const HostCall& call, int code) {
    // The tip's own selections are the first two; the third is the offset's reference.
    if ((is(call, "ProSelectionAlloc") || is(call, "ProSelectionFree")) && call.occurrence <= 2) {
        return Outcome::library(code, "");
    }
    if (is(call, "ProUdfreferenceAlloc") || is(call, "ProUdfdataReferenceAdd")) {
        return Outcome::library(code, "");
    }
    if (is(call, "ProAsmcomppathMdlGet")) {
        return Outcome::library(code, "Ardo::CompPath::MdlGet");
    }
    if (is(call, "ProMdlTypeGet", 1) || is(call, "ProModelitemByNameInit") ||
        call.function.rfind("ProUdf", 0) == 0 || is(call, "ProGroupUngroup")) {
        return Outcome::library(code, kTipText);
    }
    if (is(call, "ProSolidRegenerate")) {
        return Outcome::library(code, "Ardo::Solid::Regenerate");
    }
    // The search for TIP_REF.
    if (is(call, "ProStringToWstring")) {
        return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
    }
    if (is(call, "ProSolidCsysVisit") && code == PRO_TK_E_NOT_FOUND) {
        return Outcome::library(PRO_TK_E_NOT_FOUND, "Ardo::Solid::CsysFindByName");
    }
    if (is(call, "ProModelitemNameGet") && code == PRO_TK_E_NOT_FOUND) {
        return call.occurrence == 2
                   ? Outcome::library(PRO_TK_E_NOT_FOUND, "Ardo::Solid::CsysFindByName")
                   : Outcome::nothing();
    }
    if (is(call, "ProSolidCsysVisit") || is(call, "ProCsysToGeomitem") ||
        is(call, "ProModelitemNameGet")) {
        return Outcome::toolkit(code, "ardotk::CsysSearch");
    }
    // "TIP" itself: the reference's selection with the offset's text, the tree with the
    // empty one, the naming of its dimensions with the facade's.
    if (is(call, "ProMdlTypeGet") || is(call, "ProAsmcomppathInit") ||
        is(call, "ProSelectionAlloc", 3)) {
        return Outcome::library(code, kOffsetText);
    }
    if (is(call, "ProFeatureDimensionVisit")) {
        return code == PRO_TK_E_NOT_FOUND ? Outcome::nothing()
                                          : Outcome::library(code, kNamingText);
    }
    if (call.isRelease() || is(call, "ProDimensionSymbolSet")) {
        return Outcome::nothing();
    }
    return Outcome::toolkit(code, "");
}

bool insertModeActive(Ardo::kelt2pMdl& model) {
    try {
        return model.InsertModeIsActive();
    } catch (...) {
        ADD_FAILURE() << "insert mode cannot be read";
        return true;
    }
}

std::vector<SweepRow> udfRows() {
    return {
        {"Ardo::kelt2pMdl::UdfInit(char const*)", [] { plateWithUdfs(); },
         [] { result = Ardo::kelt2pMdl::UdfInit("mark"); },
         throwsLibrary("Ardo::kelt2pMdl::UdfInit")},
        {"Ardo::kelt2pMdl::UdfRef(int, char*, Ardo::kelt2pFeaturetype*, char*, "
         "Ardo::kelt2pCompPath*)",
         [] {
             plateWithUdfs();
             Ardo::kelt2pMdl::UdfInit("mark");
         },
         [] {
             char prompt[80];
             char name[32];
             Ardo::kelt2pFeaturetype type = Ardo::KELT2P_FEAT_ANY;
             Ardo::kelt2pCompPath path;
             Ardo::kelt2pMdl::UdfRef(0, prompt, &type, name, &path);
         },
         // A text the host cannot narrow reads as empty.
         swallows()},
        {"Ardo::kelt2pMdl::UdfAddSetRef(int, char const*, Ardo::kelt2pCompPath&)",
         [] {
             plateWithUdfs();
             Ardo::kelt2pMdl::UdfInit("mark");
         },
         [] {
             Ardo::kelt2pCompPath here(part);
             Ardo::kelt2pMdl::UdfAddSetRef(0, "CS1", here);
         }},
        {"Ardo::kelt2pMdl::UdfAdd(bool, bool)",
         [] {
             plateWithUdfs();
             Ardo::kelt2pMdl::UdfInit("mark");
             Ardo::kelt2pCompPath here(part);
             Ardo::kelt2pMdl::UdfAddSetRef(0, "CS1", here);
         },
         [] { part.UdfAdd(true, true); },
         [](const HostCall& call, int code) {
             if (referenceCall(call)) {
                 return Outcome::library(code, "");
             }
             if (is(call, "ProAsmcomppathMdlGet")) {
                 return Outcome::library(code, "Ardo::CompPath::MdlGet");
             }
             if (is(call, "ProSolidRegenerate")) {
                 return Outcome::library(code, "Ardo::Solid::Regenerate");
             }
             return Outcome::library(code, kAddText);
         }},
        {"Ardo::kelt2pMdl::UdfAddStd(char const*)", [] { plateWithUdfs(); },
         [] { part.UdfAddStd("std_marks"); },
         [](const HostCall& call, int code) {
             if (is(call, "ProSolidFeatstatusGet") || is(call, "ProFeatureInit") ||
                 is(call, "ProFeatureInsertModeActivate") || is(call, "ProFeatureNumberGet")) {
                 return Outcome::toolkit(code, "");
             }
             if (is(call, "ProArrayFree")) {
                 return Outcome::nothing();
             }
             return Outcome::library(code, kStdText);
         },
         // Whatever failed, the model is not left in insert mode.
         [](const HostCall&, int, const Outcome&) { EXPECT_FALSE(insertModeActive(part)); }},
        {"Ardo::kelt2pMdl::UdfAddTip(char const*, Ardo::kelt2pCompPath&, char const*, bool)",
         [] { assemblyWithTip(); }, [] { assembly.UdfAddTip("CS0", holderPath, "PNT_TIP", true); },
         tipOutcome},
        {"Ardo::kelt2pMdl::InsertModeActivate(int)", [] { plateWithUdfs(); },
         [] { part.InsertModeActivate(1); },
         except(throwsToolkit(""), "ProFeatureInit", throwsLibrary(""))},
        {"Ardo::kelt2pMdl::InsertModeCancel(bool)",
         [] {
             plateWithUdfs();
             part.InsertModeActivate(1);
         },
         [] { part.InsertModeCancel(true); }, throwsLibrary("")},
        {"Ardo::kelt2pMdl::InsertModeIsActive()", [] { plateWithUdfs(); },
         [] { result = part.InsertModeIsActive() ? 1 : 0; }, throwsToolkit("")},
    };
}

SWEEP_ROWS(udfRows);

}  // namespace
