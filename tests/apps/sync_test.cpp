// kelt2p sync and table on the example milling job, in a scratch copy of examples/, on
// the embedded simulated host.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "commands.h"
#include "csv.h"
#include "example_job.h"
#include "kelt2proe/simhost/control.h"

namespace {

namespace fs = std::filesystem;

using apptest::Result;

// One row of a table printed as CSV, by "head/position".
using Rows = std::map<std::string, std::vector<std::string>>;

class SyncTest : public apptest::ExampleJobTest {
protected:
    static Result run(const std::string& command, const kelt2p::Arguments& args) {
        std::ostringstream out;
        std::ostringstream err;
        int code = kelt2p::run(command, args, out, err);
        return {code, out.str(), err.str()};
    }

    static Rows rows(const std::string& csv) {
        std::istringstream in(csv);
        Rows result;
        for (const auto& record : kelt2p::readCsv(in)) {
            result[record.fields.at(0) + "/" + record.fields.at(1)] = record.fields;
        }
        result.erase("head/position");
        return result;
    }

    std::string modelFile() const {
        std::ifstream in(workDir / "mill_job.mfg");
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
};

TEST_F(SyncTest, ExampleListFillsTheTableAndMarksToolsInUse) {
    Result sync = run("sync", {"mill_job.mfg", "tools.csv"});
    ASSERT_EQ(sync.code, kelt2p::kExitOk) << sync.err;
    EXPECT_CONTAINS(sync.out, "Tool table of workcell HERMLE_C42 in MILL_JOB\n");
    EXPECT_CONTAINS(sync.out, "\n   1    1  FACE_MILL_63      1  face mill 63");
    EXPECT_CONTAINS(sync.out, "12 entries, 4 in use\n");
    EXPECT_CONTAINS(sync.err, "8 entries written to workcell HERMLE_C42, 4 in place already");

    // A new session reads the saved model: the entries are in the file.
    Result table = run("table", {"mill_job", "--format", "csv"});
    ASSERT_EQ(table.code, kelt2p::kExitOk) << table.err;
    Rows r = rows(table.out);
    ASSERT_EQ(r.size(), 12u) << table.out;
    // The NC sequences of the example use these four places.
    for (const char* used : {"1/1", "1/2", "1/5", "2/1"}) {
        EXPECT_EQ(r[used].at(5), "1") << used;
    }
    EXPECT_EQ(r["1/7"], (std::vector<std::string>{"1", "7", "TAP_M8", "7",
                                                  "machine tap M8, \"through hole\"", "0"}));
    EXPECT_EQ(r["1/3"].at(4), "spot drill 10, 90°");
    EXPECT_EQ(r["2/2"].at(2), "THREADMILL_M10");
}

// The list's UTF-8 texts reach the model file as the same UTF-8 bytes, whatever narrow
// character set the host's conversions use on the platform; a byte-by-byte widening
// would save "90Â°" and still print the table right.
TEST_F(SyncTest, SavedModelHoldsTheListsTextsByteForByte) {
    writeFile("texts.csv",
              "tool_id,type,head,position,comment,CUTTER_DIAM,TOOL_MATERIAL\n"
              "CSK_12,END MILL,1,20,countersink 90\xC2\xB0,12,K10 \xE2\x80\x93 \xC3\x98 12\n");
    Result sync = run("sync", {"mill_job.mfg", "texts.csv", "--format", "csv"});
    ASSERT_EQ(sync.code, kelt2p::kExitOk) << sync.err;
    EXPECT_CONTAINS(sync.out, "1,20,CSK_12,,countersink 90\xC2\xB0,0\n");

    const std::string saved = modelFile();
    EXPECT_CONTAINS(saved, "\"countersink 90\xC2\xB0\"");
    EXPECT_CONTAINS(saved, "\"K10 \xE2\x80\x93 \xC3\x98 12\"");
    EXPECT_EQ(saved.find("\xC3\x82"), std::string::npos) << saved;

    Result table = run("table", {"mill_job", "--format", "csv"});
    ASSERT_EQ(table.code, kelt2p::kExitOk) << table.err;
    EXPECT_EQ(rows(table.out)["1/20"].at(4), "countersink 90\xC2\xB0");
}

// On Windows the host's narrow texts are in the ANSI code page: a character it lacks
// stops the sync with a message instead of reaching the model as something else.
TEST_F(SyncTest, CharacterTheHostCannotTakeStopsTheSyncBeforeWriting) {
#if !defined(_WIN32)
    GTEST_SKIP() << "the host's narrow texts are UTF-8 here, which holds every character";
#endif
    const std::string before = modelFile();
    writeFile("smiley.csv",
              "tool_id,type,head,position,comment,CUTTER_DIAM\n"
              "EM_4,END MILL,1,20,ok \xF0\x9F\x98\x80,4\n");
    Result sync = run("sync", {"mill_job.mfg", "smiley.csv"});
    EXPECT_EQ(sync.code, kelt2p::kExitInput);
    EXPECT_CONTAINS(sync.err,
                    "the comment (line 2) holds \xF0\x9F\x98\x80, which the host's "
                    "character set cannot represent");
    EXPECT_EQ(testkit::callCount("ProFeatureRedefine"), 0);
    EXPECT_EQ(modelFile(), before);
}

TEST_F(SyncTest, SecondSyncFindsEverythingInPlaceAndWritesNothing) {
    ASSERT_EQ(run("sync", {"mill_job.mfg", "tools.csv"}).code, kelt2p::kExitOk);
    std::string saved = modelFile();
    simhost::clearJournal();
    Result again = run("sync", {"mill_job.mfg", "tools.csv", "--format", "json"});
    ASSERT_EQ(again.code, kelt2p::kExitOk) << again.err;
    EXPECT_CONTAINS(again.err, "0 entries written to workcell HERMLE_C42, 12 in place already");
    EXPECT_EQ(testkit::callCount("ProFeatureRedefine"), 0);
    EXPECT_EQ(modelFile(), saved);
    EXPECT_CONTAINS(again.out, "\"tool_id\": \"TAP_M8\", \"register\": 7");
}

TEST_F(SyncTest, NamedWorkcellTakesEntriesThroughItsOwnPendingList) {
    writeFile("more.csv",
              "tool_id,type,head,position,register,comment,CUTTER_DIAM\n"
              "EM_3,END MILL,2,9,0,micro end mill,3\n");
    Result sync =
        run("sync", {"mill_job.mfg", "more.csv", "--wcell", "hermle_c42", "--format", "csv"});
    ASSERT_EQ(sync.code, kelt2p::kExitOk) << sync.err;
    Rows r = rows(sync.out);
    EXPECT_EQ(r.size(), 5u);
    EXPECT_EQ(r["2/9"], (std::vector<std::string>{"2", "9", "EM_3", "", "micro end mill", "0"}));

    Result unknown = run("table", {"mill_job.mfg", "--wcell", "DMG_70"});
    EXPECT_EQ(unknown.code, kelt2p::kExitInput);
    EXPECT_EQ(unknown.err, "kelt2p table: the model has no workcell DMG_70 (it has HERMLE_C42)\n");
}

TEST_F(SyncTest, WorkcellWithoutTablesGetsOneToolInBothHeads) {
    writeFile("job2.mfg",
              R"({"type": "MFG",
                  "features": {"list": [{"id": 1, "type": 979, "name": "MACH_ZERO",
                                         "items": [{"id": 2, "type": 25}]}]},
                  "workcells": [{"id": 10, "name": "DMG_70", "type": 1, "axes": 3}],
                  "operations": [{"id": 20, "name": "OP010", "workcell": "DMG_70",
                                  "origin": "MACH_ZERO"}],
                  "active_operation": "OP010"})");
    writeFile("two.csv",
              "tool_id,type,head,position,CUTTER_DIAM\nEM_4,END MILL,1,1,4\n"
              "EM_4,END MILL,2,1,4\n");
    Result sync = run("sync", {"job2.mfg", "two.csv", "--format", "csv"});
    ASSERT_EQ(sync.code, kelt2p::kExitOk) << sync.err;
    EXPECT_EQ(sync.out,
              "head,position,tool_id,register,comment,in_use\n"
              "1,1,EM_4,,,0\n"
              "2,1,EM_4,,,0\n");
    EXPECT_EQ(sync.err,
              "kelt2p sync: 2 entries written to workcell DMG_70, 0 in place already; 1 tool "
              "created, 0 existed already; model JOB2 saved\n");
}

TEST_F(SyncTest, RefusedListsNeverReachTheHost) {
    std::string before = modelFile();
    writeFile("bad.csv",
              "tool_id,type,head,position\n"
              "EM_4,END MIL,1,20\n"
              "EM_5,END MILL,3,21\n");
    simhost::clearJournal();
    Result bad = run("sync", {"mill_job.mfg", "bad.csv"});
    EXPECT_EQ(bad.code, kelt2p::kExitInput);
    EXPECT_EQ(bad.err,
              "bad.csv:2: unknown tool type \"END MIL\"\n"
              "bad.csv:3: head 3 is neither 1 nor 2\n"
              "kelt2p sync: the tool list is refused; nothing was changed\n");
    EXPECT_TRUE(simhost::journal().empty());

    Result missing = run("sync", {"mill_job.mfg", "absent.csv"});
    EXPECT_EQ(missing.code, kelt2p::kExitInput);
    EXPECT_EQ(missing.err.rfind("absent.csv: cannot open the file\n", 0), 0u);

    // A place the workcell gives to another tool: refused after reading, before writing.
    writeFile("taken.csv", "tool_id,type,head,position\nEM_4,END MILL,1,20\nEM_5,END MILL,1,2\n");
    Result taken = run("sync", {"mill_job.mfg", "taken.csv"});
    EXPECT_EQ(taken.code, kelt2p::kExitInput);
    EXPECT_CONTAINS(taken.err,
                    "taken.csv:3: head 1 position 2 of workcell HERMLE_C42 holds tool "
                    "EM_12, not EM_5\n");
    EXPECT_EQ(modelFile(), before);
}

TEST_F(SyncTest, ToolModelWithoutToolTypeStopsBeforeAnyToolIsCreated) {
    writeFile("blank.prt", "{}");
    writeFile("models.csv",
              "tool_id,type,model,position\n"
              "EM_4,END MILL,,20\n"
              "BLANK,,blank.prt,21\n");
    std::string before = modelFile();
    simhost::clearJournal();
    Result sync = run("sync", {"mill_job.mfg", "models.csv"});
    EXPECT_EQ(sync.code, kelt2p::kExitHost);
    EXPECT_CONTAINS(sync.err, "kelt2p sync: reading TOOL_TYPE of the tool model blank (line 3): ");
    EXPECT_CONTAINS(sync.err, "(Parameter TOOL_TYPE not defined)");
    EXPECT_EQ(testkit::callCount("ProToolCreate"), 0);
    EXPECT_EQ(modelFile(), before);
}

TEST_F(SyncTest, HostFailuresShowTheCodeByName) {
    Result missing = run("sync", {"no_job.mfg", "tools.csv"});
    EXPECT_EQ(missing.code, kelt2p::kExitHost);
    EXPECT_EQ(missing.err,
              "kelt2p sync: loading the manufacturing model no_job: -4 PRO_TK_E_NOT_FOUND "
              "(Ardo::Mdl::Load)\n");

    std::string before = modelFile();
    simhost::injectFault("ProMdlSave", -17);
    Result save = run("sync", {"mill_job.mfg", "tools.csv"});
    EXPECT_EQ(save.code, kelt2p::kExitHost);
    EXPECT_CONTAINS(save.err, "saving the model MILL_JOB: -17 PRO_TK_CANT_WRITE");
    EXPECT_EQ(modelFile(), before);
}

// A model file the host cannot read: the code, then where and why on a line of its own.
TEST_F(SyncTest, UnreadableModelFileShowsWhereAndWhy) {
    writeFile("broken_job.mfg", "{\n  \"type\": \"mfg\",\n  \"features\": [ 1, \n}\n");
    Result broken = run("sync", {"broken_job.mfg", "tools.csv"});
    EXPECT_EQ(broken.code, kelt2p::kExitHost);
    EXPECT_CONTAINS(broken.err,
                    "kelt2p sync: loading the manufacturing model broken_job: -16 "
                    "PRO_TK_INVALID_FILE (Ardo::Mdl::Load)\n");
    EXPECT_CONTAINS(broken.err, "kelt2p sync: ");
    EXPECT_CONTAINS(broken.err, "broken_job.mfg:4:");
    EXPECT_EQ(std::count(broken.err.begin(), broken.err.end(), '\n'), 2) << broken.err;

    Result missing = run("table", {"no_job.mfg"});
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
}

TEST_F(SyncTest, RefusedRedefinitionLeavesTheModelFileAlone) {
    std::string before = modelFile();
    simhost::injectFault("ProFeatureRedefine", -1);
    Result sync = run("sync", {"mill_job.mfg", "tools.csv"});
    EXPECT_EQ(sync.code, kelt2p::kExitHost);
    EXPECT_EQ(sync.err,
              "kelt2p sync: writing the tool table: -1 PRO_TK_GENERAL_ERROR "
              "(Ardo::Mfg::ToolAdd2Wcell)\n");
    EXPECT_EQ(modelFile(), before);
}

}  // namespace
