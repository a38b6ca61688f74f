// Fault-sweep rows of kelt2pMdl: binding a model object to a host model, and the
// model's identity (name, type, subtype, family and variant state, model data).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "faults/model_scene.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using modelrows::mdl;

bool answer = false;
std::string name;
Ardo::kelt2pMdlsubtype subtype = Ardo::KELT2P_MDLSTYPE_NONE;
Ardo::kelt2pMdldata data = {};

bool isConversion(const HostCall& call, int) {
    return call.isTextConversion();
}

// A failed load leaves the object unbound, with the host's code recorded.
SweepRow::Check unboundWithStatus() {
    return
        [](const HostCall&, int code, const Outcome&) { modelrows::expectUnboundWithStatus(code); };
}

std::vector<SweepRow> bindingRows() {
    return {
        {"Ardo::kelt2pMdl::Load(char const*, Ardo::kelt2pMdlType, bool)",
         [] {
             modelrows::unboundModel();
             writeTextFile("gear.prt", "{}");
         },
         [] { mdl().Load("gear.prt", Ardo::KELT2P_MDL_PART, false); },
         throwsLibrary("Ardo::Mdl::Load"), unboundWithStatus()},
        // The stored name and type stay as they were.
        {"Ardo::kelt2pMdl::Load(bool)",
         [] {
             modelrows::unboundModel();
             writeTextFile("gear.prt", "{}");
             mdl().NameSet("gear.prt");
             mdl().TypeSet(Ardo::KELT2P_MDL_PART);
         },
         [] { mdl().Load(false); }, throwsLibrary("Ardo::Mdl::Load"),
         [](const HostCall&, int code, const Outcome&) {
             EXPECT_STREQ(mdl().NameGet(), "gear.prt");
             EXPECT_EQ(mdl().TypeGet(), Ardo::KELT2P_MDL_PART);
             modelrows::expectUnboundWithStatus(code);
         }},
        {"Ardo::kelt2pMdl::Create(char const*, Ardo::kelt2pMdlType)", modelrows::unboundModel,
         [] { mdl().Create("gear", Ardo::KELT2P_MDL_PART); }, throwsLibrary("Ardo::Solid::Create"),
         unboundWithStatus()},
        // A failed look-up is the answer false; the object stays unbound and named.
        {"Ardo::kelt2pMdl::IsLoaded()",
         [] {
             modelrows::unboundModel();
             Ardo::kelt2pMdl().Create("gear", Ardo::KELT2P_MDL_PART);
             mdl().NameSet("gear");
             mdl().TypeSet(Ardo::KELT2P_MDL_PART);
         },
         [] { answer = mdl().IsLoaded(); }, swallows(),
         [](const HostCall&, int code, const Outcome&) {
             EXPECT_FALSE(answer);
             EXPECT_STREQ(mdl().NameGet(), "gear");
             modelrows::expectUnboundWithStatus(code);
         }},
        {"Ardo::kelt2pMdl::Current()",
         [] {
             modelrows::shownPart();
             mdl() = Ardo::kelt2pMdl();
         },
         [] { mdl().Current(); }, throwsLibrary("Ardo::Mdl::Current"), unboundWithStatus()},
        // A name the host cannot convert reads as the empty name.
        {"Ardo::kelt2pMdl::NameGet()", modelrows::createdPart, [] { name = mdl().NameGet(); },
         except(throwsLibrary("Ardo::Mdl::NameGet"), "ProWstringToString", swallows()),
         [](const HostCall& failed, int, const Outcome&) {
             if (failed.isTextConversion()) {
                 EXPECT_EQ(name, "");
             }
         }},
        {"Ardo::kelt2pMdl::NameSet(char const*)", modelrows::createdPart,
         [] { mdl().NameSet("other"); }},
        {"Ardo::kelt2pMdl::TypeGet()", modelrows::createdPart, [] { mdl().TypeGet(); },
         throwsToolkit("ardotk::MdlType")},
        {"Ardo::kelt2pMdl::TypeSet(Ardo::kelt2pMdlType)", modelrows::createdPart,
         [] { mdl().TypeSet(Ardo::KELT2P_MDL_ASSEMBLY); }},
        // The host's "bad context" is the answer: the model has no subtype.
        {"Ardo::kelt2pMdl::SubtypeGet()",
         [] { modelrows::loadedModel("sheet.prt", Ardo::KELT2P_MDL_PART, R"({"subtype": 4})"); },
         [] { subtype = mdl().SubtypeGet(); },
         exceptWhen(
             throwsLibrary("Ardo::Mdl::SubtypeGet"),
             [](const HostCall&, int code) { return code == -8; }, swallows()),
         [](const HostCall&, int code, const Outcome&) {
             if (code == -8) {
                 EXPECT_EQ(subtype, Ardo::KELT2P_MDLSTYPE_NONE);
             }
         },
         {-1, -2, -4, -8}},
        {"Ardo::kelt2pMdl::IsAsm()", modelrows::createdPart, [] { mdl().IsAsm(); },
         throwsToolkit("ardotk::MdlType")},
        {"Ardo::kelt2pMdl::IsMfg()", modelrows::createdPart, [] { mdl().IsMfg(); },
         throwsToolkit("ardotk::MdlType")},
        // An instance is the model that has a generic: a failed look-up of the generic
        // answers "not an instance", and nothing is thrown.
        {"Ardo::kelt2pMdl::IsInstance()",
         [] {
             modelrows::unboundModel();
             writeTextFile("bolt.prt", "{}");
             writeTextFile("bolt_m8.prt", R"({"generic": "BOLT"})");
             mdl().Load("bolt_m8.prt", Ardo::KELT2P_MDL_PART, false);
         },
         [] { answer = mdl().IsInstance(); }, swallows(),
         [](const HostCall&, int, const Outcome&) { EXPECT_FALSE(answer); }},
        {"Ardo::kelt2pMdl::IsFlexible()", modelrows::createdPart, [] { mdl().IsFlexible(); },
         throwsLibrary("Ardo::Mdl::IsFlexible")},
        // A field the host cannot convert reads as empty; the others are read.
        {"Ardo::kelt2pMdl::DataGet()",
         [] {
             modelrows::createdPart();
             data = {};
         },
         [] { data = mdl().DataGet(); },
         exceptWhen(throwsLibrary("Ardo::Mdl::DataGet"), isConversion, swallows()),
         [](const HostCall& failed, int, const Outcome&) {
             if (!failed.isTextConversion()) {
                 return;
             }
             const char* const fields[] = {data.name, data.type, data.path, data.device, data.host};
             const int lost = failed.occurrence - 1;
             EXPECT_STREQ(fields[lost], "");
             EXPECT_STREQ(data.name, lost == 0 ? "" : "GEAR");
             EXPECT_STREQ(data.type, lost == 1 ? "" : "PRT");
             EXPECT_EQ(std::strlen(data.path) == 0, lost == 2);
         }},
    };
}
SWEEP_ROWS(bindingRows);

}  // namespace
