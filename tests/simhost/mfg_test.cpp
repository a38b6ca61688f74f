// Manufacturing models: the short-form sections of a model file, solid and assembly,
// active operation, workcell redefinition checks, save and reload, the trail file.
#include <ProArray.h>
#include <ProFeature.h>
#include <ProGeomitem.h>
#include <ProMfgoper.h>
#include <ProNcseq.h>
#include <ProParameter.h>
#include <ProSelection.h>
#include <ProSolid.h>
#include <ProUtil.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "mfg_helpers.h"

namespace {

using namespace mfgtest;

const char* const kJob = R"({
  "type": "MFG",
  "features": {"list": [{"id": 1, "type": 979, "name": "ZERO", "items": [{"id": 2, "type": 25}]}]},
  "tools": [
    {"id": "EM_12", "type": 10, "parameters": {"CUTTER_DIAM": 12.0}},
    {"id": "drill_8", "type": 1},
    {"id": "BALL_6", "type": 11}
  ],
  "workcells": [
    {"id": 10, "name": "MILL", "type": 2, "axes": 5, "lathe_direction": 1,
     "parameters": {"CONTROLLER": "TNC640"}, "comments": ["one", "two"],
     "tool_tables": [
       {"head": 1, "entries": [[[1, 1], [2, "EM_12"], [3, 1], [4, "rough"]],
                               [[1, 2], [2, "drill_8"], [6, 150]]]},
       {"head": 2, "entries": []}]}
  ],
  "operations": [
    {"id": 20, "name": "OP010", "workcell": "MILL", "origin": "ZERO",
     "parameters": {"STOCK_MATERIAL": "ALMG3"}},
    {"name": "OP020", "workcell": 10}
  ],
  "nc_sequences": [
    {"id": 21, "name": "FACE", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1}
  ],
  "active_operation": "OP020"
})";

class MfgHostTest : public modeltest::ConnectedTest {
protected:
    ProMdl loadJob(const std::string& content = kJob) {
        writeFile("job.mfg", content);
        ProMdl model = nullptr;
        lastRc = load("job.mfg", &model);
        return model;
    }

    std::wstring textParam(ProMdl model, int featureId, const wchar_t* name) {
        ProModelitem owner{PRO_FEATURE, featureId, model};
        ProName text{};
        std::wcsncpy(text, name, PRO_NAME_SIZE - 1);
        ProParameter param{};
        ProParamvalue value{};
        if (ProParameterInit(&owner, text, &param) != PRO_TK_NO_ERROR ||
            ProParameterValueGet(&param, &value) != PRO_TK_NO_ERROR ||
            value.type != PRO_PARAM_STRING) {
            return L"<none>";
        }
        return value.value.s_val;
    }

    // Redefines the workcell with `tree` (freed here); the host's result.
    ProError redefine(ProMdl model, ProElement t, int workcell = 10) {
        ProFeature wcell{PRO_FEATURE, workcell, model};
        ProFeatureCreateOptions opts[] = {PRO_FEAT_CR_NO_OPTS};
        ProErrorlist errors{};
        ProError rc = ProFeatureRedefine(nullptr, &wcell, t, opts, 1, &errors);
        ProElementFree(&t);
        return rc;
    }

    int entryCount(ProMdl model, int table) {
        ProElement t = tree(model, 10);
        int count = -1;
        ProElement entries = at(t, {491, -(table + 1), 493});
        ProElement* array = nullptr;
        if (entries != nullptr && ProElementArrayGet(entries, nullptr, &array) == PRO_TK_NO_ERROR) {
            ProArraySizeGet(array, &count);
            ProArrayFree(reinterpret_cast<ProArray*>(&array));
        }
        ProElementFree(&t);
        return count;
    }

    ProError lastRc = PRO_TK_NO_ERROR;
};

TEST_F(MfgHostTest, ShortFormsExpandIntoFeatureTreesAndParameters) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);

    // Regeneration order: the features section, then workcells, operations, NC sequences;
    // an operation without id takes the next free one.
    std::vector<int> ids;
    ProSolidFeatVisit(
        static_cast<ProSolid>(job),
        [](ProFeature* f, ProError, ProAppData data) {
            static_cast<std::vector<int>*>(data)->push_back(f->id);
            return PRO_TK_NO_ERROR;
        },
        nullptr, &ids);
    EXPECT_EQ(ids, (std::vector<int>{1, 10, 20, 22, 21}));

    ProElement wcell = tree(job, 10);
    EXPECT_EQ(textOf(at(wcell, {151})), L"MILL");
    EXPECT_EQ(intOf(at(wcell, {483})), 2);
    EXPECT_EQ(intOf(at(wcell, {482})), 5);
    EXPECT_EQ(intOf(at(wcell, {485})), 1);
    EXPECT_EQ(intOf(at(wcell, {491, -1, 492})), 1);
    EXPECT_EQ(intOf(at(wcell, {491, -2, 492})), 2);
    EXPECT_EQ(textOf(at(wcell, {491, -1, 493, -1, -2, 497})), L"EM_12");
    EXPECT_EQ(textOf(at(wcell, {491, -1, 493, -1, -4, 497})), L"rough");
    // Key 6 holds a double whatever the file wrote.
    ProValue value = nullptr;
    ProValueData data{};
    ASSERT_EQ(ProElementValueGet(at(wcell, {491, -1, 493, -2, -3, 497}), &value), PRO_TK_NO_ERROR);
    ProValueDataGet(value, &data);
    EXPECT_EQ(data.type, PRO_VALUE_TYPE_DOUBLE);
    EXPECT_DOUBLE_EQ(data.v.d, 150.0);
    ProBoolean multi = PRO_B_FALSE;
    ProElempath none = nullptr;
    EXPECT_EQ(ProElementIsMultival(at(wcell, {152}), none, &multi), PRO_TK_NO_ERROR);
    EXPECT_EQ(multi, PRO_B_TRUE);
    ProElementFree(&wcell);
    EXPECT_EQ(textParam(job, 10, L"CONTROLLER"), L"TNC640");

    // The operation: workcell id, origin selecting the csys item of feature 1.
    ProElement op = tree(job, 20);
    EXPECT_EQ(intOf(at(op, {190})), 10);
    ASSERT_EQ(ProElementValueGet(at(op, {191}), &value), PRO_TK_NO_ERROR);
    ProValueDataGet(value, &data);
    ASSERT_EQ(data.type, PRO_VALUE_TYPE_SELECTION);
    ProModelitem item{};
    ASSERT_EQ(ProSelectionModelitemGet(data.v.r, &item), PRO_TK_NO_ERROR);
    ProFeature csys{};
    ASSERT_EQ(ProGeomitemFeatureGet(&item, &csys), PRO_TK_NO_ERROR);
    EXPECT_EQ(csys.id, 1);
    ProElementFree(&op);
    EXPECT_EQ(textParam(job, 20, L"STOCK_MATERIAL"), L"ALMG3");

    // The NC sequence: operation, tool, head, position and the TOOL_ID parameter.
    ProFeature seq{PRO_FEATURE, 21, job};
    ProBoolean isNc = PRO_B_FALSE;
    ASSERT_EQ(ProFeatureIsNcseq(&seq, &isNc), PRO_TK_NO_ERROR);
    EXPECT_EQ(isNc, PRO_B_TRUE);
    ProElement nc = tree(job, 21);
    EXPECT_EQ(intOf(at(nc, {208})), 20);
    EXPECT_EQ(textOf(at(nc, {153})), L"EM_12");
    EXPECT_EQ(intOf(at(nc, {492})), 1);
    EXPECT_EQ(intOf(at(nc, {3186})), 1);
    ProElementFree(&nc);
    EXPECT_EQ(textParam(job, 21, L"TOOL_ID"), L"EM_12");
}

TEST_F(MfgHostTest, SolidAssemblyAndActiveOperation) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProSolid solid = nullptr;
    ProAssembly assem = nullptr;
    ASSERT_EQ(ProMfgSolidGet(static_cast<ProMfg>(job), &solid), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMfgAssemGet(static_cast<ProMfg>(job), &assem), PRO_TK_NO_ERROR);
    EXPECT_EQ(static_cast<ProMdl>(solid), job);
    EXPECT_EQ(static_cast<ProMdl>(assem), job);

    ProMfgoper oper{};
    ASSERT_EQ(ProMfgoperActiveGet(solid, &oper), PRO_TK_NO_ERROR);
    EXPECT_EQ(oper.id, 22);
    EXPECT_EQ(oper.type, PRO_FEATURE);

    // A part is no manufacturing model; an unknown handle is bad input.
    writeFile("plate.prt", "{}");
    ProMdl plate = nullptr;
    ASSERT_EQ(load("plate.prt", &plate), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProMfgSolidGet(static_cast<ProMfg>(plate), &solid), PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(ProMfgAssemGet(static_cast<ProMfg>(plate), &assem), PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(plate), &oper), PRO_TK_BAD_CONTEXT);
    EXPECT_EQ(ProMfgSolidGet(reinterpret_cast<ProMfg>(999), &solid), PRO_TK_BAD_INPUTS);

    // Deleting the active operation leaves none.
    int ids[] = {22};
    ProFeatureDeleteOptions opts[] = {PRO_FEAT_DELETE_CLIP};
    ASSERT_EQ(ProFeatureDelete(static_cast<ProSolid>(job), ids, 1, opts, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(job), &oper), PRO_TK_E_NOT_FOUND);
    // A model that names no active operation has none.
    job = loadJob(R"({"type": "MFG", "tools": []})");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(job), &oper), PRO_TK_E_NOT_FOUND);
}

TEST_F(MfgHostTest, MalformedManufacturingSectionsMakeTheFileInvalid) {
    const char* const bad[] = {
        // an entry naming a tool the model does not have
        R"({"type": "MFG", "workcells": [{"name": "W", "tool_tables": [{"head": 1,
            "entries": [[[1, 1], [2, "NONE"]]]}]}]})",
        // head 3
        R"({"type": "MFG", "workcells": [{"name": "W", "tool_tables": [{"head": 3}]}]})",
        // an operation whose workcell is no workcell
        R"({"type": "MFG", "operations": [{"name": "OP", "workcell": 99}]})",
        // an NC sequence with an unknown tool
        R"({"type": "MFG", "workcells": [{"name": "W"}], "operations": [{"name": "OP",
            "workcell": "W"}], "nc_sequences": [{"name": "S", "operation": "OP", "tool": "X"}]})",
        // an active operation that is no operation
        R"({"type": "MFG", "workcells": [{"name": "W"}], "active_operation": "W"})",
        // a parameter-described tool without type, a duplicate tool id
        R"({"type": "MFG", "tools": [{"id": "T"}]})",
        R"({"type": "MFG", "tools": [{"id": "T", "type": 1}, {"id": "T", "type": 8}]})",
        // tools in a part
    };
    for (const char* content : bad) {
        loadJob(content);
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE) << content;
    }
    writeFile("tooled.prt", R"({"tools": [{"id": "T", "type": 1}]})");
    ProMdl part = nullptr;
    EXPECT_EQ(load("tooled.prt", &part), PRO_TK_INVALID_FILE);
}

TEST_F(MfgHostTest, WorkcellRedefinitionWithKnownToolsIsTaken) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProElement t = tree(job, 10);
    ProElement entries = at(t, {491, -2, 493});
    ASSERT_EQ(ProElemtreeElementAdd(entries, nullptr, entry(4, L"BALL_6")), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProElemtreeElementAdd(entries, nullptr, entry(4, L"BALL_6")), PRO_TK_NO_ERROR);
    EXPECT_EQ(redefine(job, t), PRO_TK_NO_ERROR);
    EXPECT_EQ(entryCount(job, 1), 2);

    // Tables in the order head 2, head 1 are a valid layout.
    t = tree(job, 10);
    ProElement first = nullptr;
    ProElempath path = nullptr;
    ProElempathAlloc(&path);
    ProElempathItem steps[] = {{PRO_ELEM_PATH_ITEM_TYPE_ID, {491}},
                               {PRO_ELEM_PATH_ITEM_TYPE_INDEX, {0}}};
    ProElempathDataSet(path, steps, 2);
    ASSERT_EQ(ProElemtreeElementRemove(t, path, &first), PRO_TK_NO_ERROR);
    ProElempathFree(&path);
    ASSERT_EQ(ProElemtreeElementAdd(at(t, {491}), nullptr, first), PRO_TK_NO_ERROR);
    EXPECT_EQ(redefine(job, t), PRO_TK_NO_ERROR);
    t = tree(job, 10);
    EXPECT_EQ(intOf(at(t, {491, -1, 492})), 2);
    ProElementFree(&t);
}

TEST_F(MfgHostTest, BadWorkcellRedefinitionIsRefusedWithoutChange) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);

    auto addTo = [](std::vector<int> path, ProElement elem) {
        return [path, elem](ProElement t) { ProElemtreeElementAdd(at(t, path), nullptr, elem); };
    };
    auto setHead = [](int head) {
        return [head](ProElement t) { ProElementIntegerSet(at(t, {491, -2, 492}), head); };
    };
    ProElement headless = nullptr;
    ProElementAlloc(510, &headless);
    const struct {
        const char* what;
        std::function<void(ProElement)> change;
        ProError expected;
    } cases[] = {
        {"an unknown tool (ids are case-sensitive)", addTo({491, -1, 493}, entry(9, L"em_12")),
         PRO_TK_E_NOT_FOUND},
        {"head 3", setHead(3), PRO_TK_BAD_INPUTS},
        {"two tables of head 1", setHead(1), PRO_TK_BAD_INPUTS},
        {"an entry without a tool id", addTo({491, -1, 493}, row({{1, intElem(497, 3)}})),
         PRO_TK_BAD_INPUTS},
        {"a table without its head", addTo({491}, headless), PRO_TK_BAD_INPUTS},
        {"a tool id given as an integer",
         addTo({491, -1, 493}, row({{1, intElem(497, 7)}, {2, intElem(497, 7)}})),
         PRO_TK_BAD_INPUTS},
    };
    for (const auto& c : cases) {
        ProElement t = tree(job, 10);
        c.change(t);
        EXPECT_EQ(redefine(job, t), c.expected) << c.what;
    }
    EXPECT_EQ(entryCount(job, 0), 2);
    EXPECT_EQ(entryCount(job, 1), 0);
    ProElement t = tree(job, 10);
    EXPECT_EQ(intOf(at(t, {491, -2, 492})), 2);
    ProElementFree(&t);
}

TEST_F(MfgHostTest, SaveAndReloadKeepsToolsTablesParametersAndActiveOperation) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProElement t = tree(job, 10);
    ProElemtreeElementAdd(at(t, {491, -2, 493}), nullptr, entry(3, L"BALL_6"));
    ASSERT_EQ(redefine(job, t), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(job), PRO_TK_NO_ERROR);

    restart();
    ProMdl again = nullptr;
    ASSERT_EQ(load("job.mfg", &again), PRO_TK_NO_ERROR);
    EXPECT_EQ(entryCount(again, 0), 2);
    EXPECT_EQ(entryCount(again, 1), 1);
    t = tree(again, 10);
    EXPECT_EQ(textOf(at(t, {491, -2, 493, -1, -2, 497})), L"BALL_6");
    ProElementFree(&t);
    ProTool tool = mfgtest::tool(again, L"drill_8");
    EXPECT_EQ(ProToolVerify(&tool), PRO_TK_NO_ERROR);
    EXPECT_DOUBLE_EQ(paramOf(mfgtest::tool(again, L"EM_12"), "CUTTER_DIAM").value.d_val, 12.0);
    ProMfgoper oper{};
    ASSERT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(again), &oper), PRO_TK_NO_ERROR);
    EXPECT_EQ(oper.id, 22);
    EXPECT_EQ(textParam(again, 21, L"TOOL_ID"), L"EM_12");
    // The short forms were saved as features: the file has no workcells section.
    EXPECT_EQ(readText("job.mfg").find("\"workcells\""), std::string::npos);
}

TEST_F(MfgHostTest, ExampleMillingJobLoads) {
    std::ifstream in(std::string(KELT2PROE_SOURCE_DIR) + "/examples/mill_job.mfg");
    std::stringstream text;
    text << in.rdbuf();
    ProMdl job = loadJob(text.str());
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProMfgoper oper{};
    ASSERT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(job), &oper), PRO_TK_NO_ERROR);
    EXPECT_EQ(oper.id, 20);
    EXPECT_EQ(entryCount(job, 0), 3);
    EXPECT_EQ(entryCount(job, 1), 1);
}

TEST_F(MfgHostTest, LargeToolTablesLoadAndRedefineQuickly) {
    const int n = 2000;
    std::string tools, entries, seqs;
    for (int i = 1; i <= n; ++i) {
        std::string id = "\"T" + std::to_string(i) + "\"";
        tools += (i > 1 ? "," : "") + std::string("{\"id\": ") + id + ", \"type\": 10}";
        entries +=
            (i > 1 ? "," : "") + std::string("[[1, ") + std::to_string(i) + "], [2, " + id + "]]";
        seqs += (i > 1 ? "," : "") + std::string("{\"name\": \"S") + std::to_string(i) +
                "\", \"operation\": \"OP\", \"tool\": " + id + "}";
    }
    std::string content = "{\"type\": \"MFG\", \"tools\": [" + tools +
                          "], \"workcells\": [{\"id\": 1, \"name\": \"W\", \"tool_tables\": "
                          "[{\"head\": 1, \"entries\": [" +
                          entries +
                          "]}]}], \"operations\": [{\"name\": \"OP\", \"workcell\": 1}], " +
                          "\"nc_sequences\": [" + seqs + "]}";
    auto start = std::chrono::steady_clock::now();
    ProMdl job = loadJob(content);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProElement t = tree(job, 1);
    ProElemtreeElementAdd(at(t, {491, -1, 493}), nullptr, entry(n + 1, L"T7"));
    EXPECT_EQ(redefine(job, t, 1), PRO_TK_NO_ERROR);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0);
}

TEST_F(MfgHostTest, TrailCommentsAreAppendedAsLines) {
    ProComment first{};
    std::wcsncpy(first, L"?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ", PRO_COMMENT_SIZE - 1);
    ProComment second{};
    std::wcsncpy(second, L"line\nbreak", PRO_COMMENT_SIZE - 1);
    ASSERT_EQ(ProTrailfileCommentWrite(first), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProTrailfileCommentWrite(second), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProTrailfileCommentWrite(nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(readText("trail.txt"), "!?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ\n!line break\n");

    simhost::injectFault("ProTrailfileCommentWrite", PRO_TK_CANT_WRITE);
    EXPECT_EQ(ProTrailfileCommentWrite(first), PRO_TK_CANT_WRITE);
}

TEST_F(MfgHostTest, InjectedFaultsReachTheCaller) {
    ProMdl job = loadJob();
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProSolid solid = nullptr;
    simhost::injectFault("ProMfgSolidGet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProMfgSolidGet(static_cast<ProMfg>(job), &solid), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(solid, nullptr);
    ProMfgoper oper{};
    simhost::injectFault("ProMfgoperActiveGet", PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(job), &oper), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProMfgoperActiveGet(static_cast<ProSolid>(job), &oper), PRO_TK_NO_ERROR);
}

}  // namespace
