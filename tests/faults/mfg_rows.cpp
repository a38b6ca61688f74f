// Fault-sweep rows of kelt2pMfg: the model itself, and the listings of operations,
// workcells and NC sequences with the tool ids of NC sequences.
#include <ProToolkit.h>

#include <string>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::exceptFor;
using mfgscene::failed;
using mfgscene::quietFreesAndTexts;
using mfgscene::threw;

Ardo::kelt2pMfg mfg;
Ardo::kelt2pMfg adopted;
std::string text;
int count = 0;

void loadJob() {
    mfgscene::loadJob(mfg);
}

// After a failure the object keeps the binding it had: bound objects still read their
// name from the host, unbound ones have none.
void expectBound(bool bound) {
    if (bound) {
        EXPECT_STREQ(mfg.NameGet(), "JOB");
    } else {
        EXPECT_THROW_CODE(mfg.NameGet(), Ardo::Error, PRO_TK_EMPTY, "Ardo::Mdl::NameGet");
    }
}

// A feature visit that fails: the search's own text; "not found" from the visit (no
// features) or from a name (an unnamed feature) is an answer. A pattern that cannot be
// converted is refused rather than matched as an empty pattern.
Expectation searchFailures(const char* solidText) {
    Expectation search = exceptFor(throwsToolkit("ardotk::FeatureSearch"), {"ProMfgSolidGet"},
                                   throwsLibrary(solidText));
    search = except(search, "ProStringToWstring",
                    throwsAlways(Outcome::toolkit(PRO_TK_GENERAL_ERROR, "UNBEKANNTER FEHLER")));
    search = mfgscene::answerOn(search, "ProSolidFeatVisit", PRO_TK_E_NOT_FOUND, swallows());
    return mfgscene::answerOn(search, "ProModelitemNameGet", PRO_TK_E_NOT_FOUND, swallows());
}

// A listing answered "not found" by the visit found nothing; a feature whose name read
// `listedName` of the run answered "not found" is unnamed and not listed.
SweepRow::Check countUnlessAnswered(int expected, int listedName) {
    return [expected, listedName](const HostCall& call, int code, const Outcome& outcome) {
        if (threw(outcome)) {
            return;
        }
        const bool unlisted =
            code == PRO_TK_E_NOT_FOUND &&
            (failed(call, {"ProSolidFeatVisit"}) ||
             (failed(call, {"ProModelitemNameGet"}) && call.occurrence == listedName));
        EXPECT_EQ(count, unlisted ? 0 : expected);
    };
}

// Reading the TOOL_ID of the NC sequence: a feature handle that cannot be made is not
// examined; the host then refuses the parameter of the empty handle as bad input.
Expectation ncseqParameter() {
    return except(quietFreesAndTexts(exceptFor(throwsToolkit(""), {"ProMfgSolidGet"},
                                               throwsLibrary("Ardo::Mfg::GetSolid"))),
                  "ProFeatureInit", throwsAlways(Outcome::toolkit(PRO_TK_BAD_INPUTS, "")));
}

std::vector<SweepRow> modelRows() {
    return {
        {"Ardo::kelt2pMfg::Load(char const*)",
         [] {
             loadJob();
             mfg = Ardo::kelt2pMfg();
         },
         [] { mfg.Load("job"); }, throwsLibrary("Ardo::Mdl::Load"),
         [](const HostCall&, int, const Outcome& outcome) { expectBound(!threw(outcome)); }},
        {"Ardo::kelt2pMfg::Current()",
         [] {
             loadJob();
             mfg.Display();
             adopted = Ardo::kelt2pMfg();
         },
         [] { adopted.Current(); },
         except(throwsLibrary("Ardo::Mdl::Current"), "ProMdlTypeGet",
                throwsToolkit("ardotk::MdlType")),
         [](const HostCall& call, int, const Outcome&) {
             if (failed(call, {"ProMdlCurrentGet"})) {
                 EXPECT_THROW_CODE(adopted.NameGet(), Ardo::Error, PRO_TK_EMPTY,
                                   "Ardo::Mdl::NameGet");
             } else {
                 EXPECT_STREQ(adopted.NameGet(), "JOB");
             }
         }},
        {"Ardo::kelt2pMfg::Display()", loadJob, [] { mfg.Display(); },
         throwsLibrary("Ardo::Mdl::Display")},
        {"Ardo::kelt2pMfg::Save()", loadJob, [] { mfg.Save(); }, throwsLibrary("Ardo::Mdl::Save")},
        {"Ardo::kelt2pMfg::Erase()", loadJob, [] { mfg.Erase(); },
         throwsLibrary("Ardo::Mdl::Erase"),
         [](const HostCall&, int, const Outcome& outcome) { expectBound(threw(outcome)); }},
        {"Ardo::kelt2pMfg::EraseAll()", loadJob, [] { mfg.EraseAll(); },
         throwsLibrary("Ardo::Mdl::EraseAll"),
         [](const HostCall&, int, const Outcome& outcome) { expectBound(threw(outcome)); }},
        {"Ardo::kelt2pMfg::Rename(char const*)", loadJob, [] { mfg.Rename("JOB2"); },
         throwsLibrary("Ardo::Mdl::Rename"),
         [](const HostCall&, int, const Outcome& outcome) {
             EXPECT_STREQ(mfg.NameGet(), threw(outcome) ? "JOB" : "JOB2");
         }},
        {"Ardo::kelt2pMfg::NameGet()",
         [] {
             loadJob();
             text = "?";
         },
         [] { text = mfg.NameGet(); },
         except(throwsLibrary("Ardo::Mdl::NameGet"), "ProWstringToString", swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (!threw(outcome)) {
                 EXPECT_EQ(text, call.isTextConversion() ? "" : "JOB");
             }
         }},
        {"Ardo::kelt2pMfg::TypeGet()", loadJob, [] { mfg.TypeGet(); },
         throwsToolkit("ardotk::MdlType")},
        {"Ardo::kelt2pMfg::IsMfg()", loadJob, [] { mfg.IsMfg(); },
         throwsToolkit("ardotk::MdlType")},
        {"Ardo::kelt2pMfg::GetMdl()", loadJob, [] { mfg.GetMdl(); },
         throwsLibrary("Ardo::Mfg::GetSolid")},
    };
}
SWEEP_ROWS(modelRows);

std::vector<SweepRow> listingRows() {
    return {
        {"Ardo::kelt2pMfg::OperList(char const*)", loadJob, [] { count = mfg.OperList("OP.*"); },
         searchFailures("Ardo::Mfg::OperList"), countUnlessAnswered(1, 1)},
        {"Ardo::kelt2pMfg::OperList(int)",
         [] {
             loadJob();
             mfg.OperList(".*");
         },
         [] { mfg.OperList(0); }},
        {"Ardo::kelt2pMfg::OperCurrent()", loadJob, [] { mfg.OperCurrent(); },
         except(throwsToolkit("ardotk::OperActiveGet"), "ProMfgoperActiveGet",
                throwsToolkit("no active operation found"))},
        {"Ardo::kelt2pMfg::WcellList(char const*)", loadJob,
         [] { count = mfg.WcellList("MILL.*"); }, searchFailures("Ardo::Mfg::WcellList"),
         countUnlessAnswered(1, 1)},
        {"Ardo::kelt2pMfg::WcellList(int)",
         [] {
             loadJob();
             mfg.WcellList(".*");
         },
         [] { mfg.WcellList(1); }},
        {"Ardo::kelt2pMfg::NcSeqList()", loadJob, [] { count = mfg.NcSeqList(); },
         searchFailures("Ardo::Mfg::NcSeqList"), countUnlessAnswered(2, 0)},
        {"Ardo::kelt2pMfg::NcSeqList(int)",
         [] {
             loadJob();
             mfg.NcSeqList();
         },
         [] { mfg.NcSeqList(1); }},
        {"Ardo::kelt2pMfg::NcseqToolid(int)",
         [] {
             loadJob();
             text = "?";
         },
         [] { text = mfg.NcseqToolid(mfgscene::kFaceNcseqId); }, ncseqParameter(),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (!threw(outcome)) {
                 EXPECT_EQ(text, call.isTextConversion() ? "" : "EM_12");
             }
         }},
        {"Ardo::kelt2pMfg::NcseqToolid(int, char const*)",
         [] {
             loadJob();
             mfgscene::hostToolIdRemove(mfgscene::kFaceNcseqId);
         },
         [] { mfg.NcseqToolid(mfgscene::kFaceNcseqId, "BALL_6"); },
         // The NC sequence has no TOOL_ID yet: the host's "not found" makes it created.
         mfgscene::answerOn(ncseqParameter(), "ProParameterInit", PRO_TK_E_NOT_FOUND, swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             // The parameter is created with its value; the setting that follows changes
             // nothing when it fails.
             std::string expected = call.isTextConversion() ? "" : "BALL_6";
             const bool created = !threw(outcome) || failed(call, {"ProParameterValueSet"});
             EXPECT_EQ(mfgscene::hostToolId(mfgscene::kFaceNcseqId), created ? expected : "<none>");
         }},
    };
}
SWEEP_ROWS(listingRows);

}  // namespace
