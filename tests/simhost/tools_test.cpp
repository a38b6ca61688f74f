// Tools of manufacturing models: handles, verification, creation and redefinition from
// tool inputs, parameters and models, visits, input ownership and faults.
#include <ProToolElem.h>
#include <ProToolinput.h>

#include <string>
#include <vector>

#include "mfg_helpers.h"

namespace {

using namespace mfgtest;

class ToolHostTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("job.mfg", R"({"type": "MFG", "tools": [
            {"id": "EM_12", "type": 10, "parameters": {"CUTTER_DIAM": 12.0, "MAT": "HSS"}},
            {"id": "HOLDER", "type": 8, "model": {"name": "holder_50", "type": "ASM"},
             "attribute": 2}]})");
        writeFile("cutter.prt", "{}");
        ASSERT_EQ(load("job.mfg", &job), PRO_TK_NO_ERROR);
        ASSERT_EQ(load("cutter.prt", &cutter), PRO_TK_NO_ERROR);
    }

    static ProParamvalue dbl(double d) {
        ProParamvalue v{};
        v.type = PRO_PARAM_DOUBLE;
        v.value.d_val = d;
        return v;
    }

    // An input of a parameter-described tool of `type` with the given doubles.
    static ProToolinputPtr paramInput(ProToolType type,
                                      const std::vector<std::pair<const char*, double>>& params) {
        ProToolinputPtr input = nullptr;
        ProToolinputAlloc(&input);
        ProToolinputTypeSet(input, type);
        ProElement elem = nullptr;
        ProElementAlloc(PRO_E_TOOL_PARAMS, &elem);
        for (const auto& p : params) {
            ProParamvalue v = dbl(p.second);
            ProToolElemParamAdd(elem, &v, p.first);
            ProToolinputElemAdd(input, elem);
        }
        return input;
    }

    ProToolinputPtr modelInput(ProMdl model, int attribute) {
        ProToolinputPtr input = nullptr;
        ProToolinputAlloc(&input);
        ProToolinputTypeSet(input, PRO_TOOL_END_MILL);
        ProElement attr = nullptr;
        ProElementAlloc(PRO_E_TOOL_ATTR, &attr);
        ProToolElemAttrSet(attr, attribute);
        ProToolinputElemAdd(input, attr);
        ProElement elem = nullptr;
        ProElementAlloc(PRO_E_TOOL_MODEL, &elem);
        EXPECT_EQ(ProToolElemModelSet(elem, model), PRO_TK_NO_ERROR);
        ProToolinputElemAdd(input, elem);
        return input;
    }

    std::vector<std::wstring> visitIds(int stopAfter = 1000) {
        struct Data {
            std::vector<std::wstring> ids;
            int stopAfter;
        } data{{}, stopAfter};
        visitRc = ProMfgToolVisit(
            static_cast<ProMfg>(job),
            [](const ProTool* tool, ProAppData p) {
                auto* d = static_cast<Data*>(p);
                d->ids.push_back(tool->tool_id);
                return static_cast<int>(d->ids.size()) >= d->stopAfter ? PRO_TK_USER_ABORT
                                                                       : PRO_TK_NO_ERROR;
            },
            &data);
        return data.ids;
    }

    ProMdl job = nullptr;
    ProMdl cutter = nullptr;
    ProError visitRc = PRO_TK_NO_ERROR;
};

TEST_F(ToolHostTest, InitChecksIdAndOwnerVerifyReportsExistence) {
    ProTool tool{};
    ProLine id{};
    std::wcsncpy(id, L"EM_12", PRO_LINE_SIZE - 1);
    ASSERT_EQ(ProToolInit(id, static_cast<ProMfg>(job), &tool), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(tool.tool_id), L"EM_12");
    EXPECT_EQ(ProToolVerify(&tool), PRO_TK_NO_ERROR);

    // Ids compare exactly; a handle may name a tool that does not exist.
    std::wcsncpy(id, L"em_12", PRO_LINE_SIZE - 1);
    ASSERT_EQ(ProToolInit(id, static_cast<ProMfg>(job), &tool), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProToolVerify(&tool), PRO_TK_E_NOT_FOUND);

    // 80 characters fit; an unterminated line, an empty id and a part as owner do not.
    std::wstring longest(80, L'X');
    std::wcsncpy(id, longest.c_str(), PRO_LINE_SIZE - 1);
    EXPECT_EQ(ProToolInit(id, static_cast<ProMfg>(job), &tool), PRO_TK_NO_ERROR);
    for (wchar_t& c : id) {
        c = L'X';
    }
    EXPECT_EQ(ProToolInit(id, static_cast<ProMfg>(job), &tool), PRO_TK_BAD_INPUTS);
    ProLine empty{};
    EXPECT_EQ(ProToolInit(empty, static_cast<ProMfg>(job), &tool), PRO_TK_BAD_INPUTS);
    std::wcsncpy(id, L"EM_12", PRO_LINE_SIZE - 1);
    EXPECT_EQ(ProToolInit(id, static_cast<ProMfg>(cutter), &tool), PRO_TK_BAD_INPUTS);

    // A handle of an erased model finds nothing.
    tool = mfgtest::tool(job, L"EM_12");
    ASSERT_EQ(ProMdlErase(job), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProToolVerify(&tool), PRO_TK_BAD_INPUTS);
}

TEST_F(ToolHostTest, TypeParametersAndModelOfToolsFromTheFile) {
    ProTool em = tool(job, L"EM_12");
    EXPECT_EQ(typeOf(em), PRO_TOOL_END_MILL);
    ProParamvalue value = paramOf(em, "cutter_diam");
    EXPECT_EQ(value.type, PRO_PARAM_DOUBLE);
    EXPECT_DOUBLE_EQ(value.value.d_val, 12.0);
    value = paramOf(em, "MAT");
    EXPECT_EQ(value.type, PRO_PARAM_STRING);
    EXPECT_EQ(std::wstring(value.value.s_val), L"HSS");
    EXPECT_EQ(ProToolParamGet(&em, "GAUGE_X_LENGTH", &value), PRO_TK_E_NOT_FOUND);

    ProFamilyName name{};
    ProMdlType mdlType = PRO_MDL_UNUSED;
    EXPECT_EQ(ProToolModelGet(&em, name, &mdlType), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(modelOf(tool(job, L"HOLDER")),
              std::make_pair(std::wstring(L"HOLDER_50"), PRO_MDL_ASSEMBLY));

    ProTool missing = tool(job, L"NONE");
    ProToolType type = PRO_TOOL_NONE;
    EXPECT_EQ(ProToolTypeGet(&missing, &type), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProToolModelGet(&missing, name, &mdlType), PRO_TK_E_NOT_FOUND);
}

TEST_F(ToolHostTest, CreateFromParametersOnceOnly) {
    long before = simhost::liveObjects();
    ProToolinputPtr input =
        paramInput(PRO_TOOL_DRILL, {{"CUTTER_DIAM", 8.5}, {"LENGTH", 90.0}, {"CUTTER_DIAM", 8.4}});
    ProTool drill = tool(job, L"DRILL_8");
    ProErrorlist errors{};
    ASSERT_EQ(ProToolCreate(&drill, input, &errors), PRO_TK_NO_ERROR);
    EXPECT_EQ(errors.error_number, 0);
    EXPECT_EQ(ProToolCreate(&drill, input, &errors), PRO_TK_E_FOUND);
    ASSERT_EQ(ProToolinputFree(&input), PRO_TK_NO_ERROR);
    EXPECT_EQ(input, nullptr);
    // The input took its element: nothing stays behind.
    EXPECT_EQ(simhost::liveObjects(), before);

    EXPECT_EQ(typeOf(drill), PRO_TOOL_DRILL);
    EXPECT_DOUBLE_EQ(paramOf(drill, "CUTTER_DIAM").value.d_val,
                     8.4);  // a name given twice: the later value
    EXPECT_EQ(visitIds(), (std::vector<std::wstring>{L"EM_12", L"HOLDER", L"DRILL_8"}));
}

TEST_F(ToolHostTest, ParameterToolWithoutTypeIsRefused) {
    ProToolinputPtr input = paramInput(PRO_TOOL_NONE, {{"CUTTER_DIAM", 8.5}});
    ProTool t = tool(job, L"T1");
    ProErrorlist errors{};
    EXPECT_EQ(ProToolCreate(&t, input, &errors), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(errors.error_number, 1);
    EXPECT_EQ(ProToolVerify(&t), PRO_TK_E_NOT_FOUND);
    ProToolinputFree(&input);
}

TEST_F(ToolHostTest, CreateFromModelTakesItsNameTypeAndAttribute) {
    ProToolinputPtr input = modelInput(cutter, 3);
    ProTool t = tool(job, L"CUTTER");
    ASSERT_EQ(ProToolCreate(&t, input, nullptr), PRO_TK_NO_ERROR);
    ProToolinputFree(&input);
    EXPECT_EQ(modelOf(t), std::make_pair(std::wstring(L"CUTTER"), PRO_MDL_PART));

    // The model must be a part or assembly in session.
    ProElement elem = nullptr;
    ProElementAlloc(PRO_E_TOOL_MODEL, &elem);
    EXPECT_EQ(ProToolElemModelSet(elem, job), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProToolElemModelSet(elem, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProToolElemModelSet(elem, reinterpret_cast<ProMdl>(4242)), PRO_TK_BAD_INPUTS);
    ProElementFree(&elem);

    // A model erased between the input and the creation is refused at creation.
    input = modelInput(cutter, 1);
    ASSERT_EQ(ProMdlErase(cutter), PRO_TK_NO_ERROR);
    ProTool late = tool(job, L"LATE");
    ProErrorlist errors{};
    EXPECT_EQ(ProToolCreate(&late, input, &errors), PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(errors.error_number, 1);
    EXPECT_EQ(errors.error_list[0].err_item_id, PRO_E_TOOL_MODEL);
    ProToolinputFree(&input);
}

TEST_F(ToolHostTest, RedefineReplacesTheDefinitionOfAnExistingTool) {
    ProToolinputPtr input = paramInput(PRO_TOOL_BALL_MILL, {{"CUTTER_DIAM", 6.0}});
    ProTool em = tool(job, L"EM_12");
    ASSERT_EQ(ProToolRedefine(&em, input, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(typeOf(em), PRO_TOOL_BALL_MILL);
    ProParamvalue value{};
    EXPECT_EQ(ProToolParamGet(&em, "MAT", &value), PRO_TK_E_NOT_FOUND);
    EXPECT_DOUBLE_EQ(paramOf(em, "CUTTER_DIAM").value.d_val, 6.0);
    // The tool keeps its place in the visit order.
    EXPECT_EQ(visitIds(), (std::vector<std::wstring>{L"EM_12", L"HOLDER"}));

    ProTool missing = tool(job, L"NEW");
    EXPECT_EQ(ProToolRedefine(&missing, input, nullptr), PRO_TK_E_NOT_FOUND);
    ProToolinputFree(&input);
    EXPECT_EQ(ProToolRedefine(&em, input, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(ToolHostTest, ToolTypesAreTheHostNumbering) {
    ProToolinputPtr input = nullptr;
    ASSERT_EQ(ProToolinputAlloc(&input), PRO_TK_NO_ERROR);
    // The contract's enumerators, and the small codes 9, 19 and 20 it does not name.
    const int known[] = {PRO_TOOL_DRILL,
                         PRO_TOOL_TURN,
                         PRO_TOOL_MILL,
                         9,
                         PRO_TOOL_LOLLIPOP,
                         19,
                         20,
                         PRO_TOOL_BORE,
                         PRO_TOOL_SIDE_MILL,
                         PRO_TOOL_TAPER,
                         PRO_TOOL_BASIC_DRILL};
    for (int type : known) {
        EXPECT_EQ(ProToolinputTypeSet(input, static_cast<ProToolType>(type)), PRO_TK_NO_ERROR)
            << type;
    }
    for (int type : {3, 7, 21, 8192, 4194304}) {
        EXPECT_EQ(ProToolinputTypeSet(input, static_cast<ProToolType>(type)), PRO_TK_BAD_INPUTS)
            << type;
    }
    ProToolinputFree(&input);
}

TEST_F(ToolHostTest, InputsAndElementsRefuseBadArguments) {
    ProToolinputPtr input = nullptr;
    ASSERT_EQ(ProToolinputAlloc(&input), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProToolinputTypeSet(input, static_cast<ProToolType>(3)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProToolinputTypeSet(input, PRO_TOOL_TAP), PRO_TK_NO_ERROR);

    ProElement params = nullptr;
    ProElementAlloc(PRO_E_TOOL_PARAMS, &params);
    ProParamvalue v = dbl(1.0);
    v.type = PRO_PARAM_VOID;
    EXPECT_EQ(ProToolElemParamAdd(params, &v, "PITCH"), PRO_TK_BAD_INPUTS);
    v = dbl(1.0);
    EXPECT_EQ(ProToolElemParamAdd(params, &v, "1BAD"), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProToolElemParamAdd(params, nullptr, "PITCH"), PRO_TK_BAD_INPUTS);
    ProElement attr = nullptr;
    ProElementAlloc(PRO_E_TOOL_ATTR, &attr);
    EXPECT_EQ(ProToolElemParamAdd(attr, &v, "PITCH"), PRO_TK_BAD_INPUTS);  // wrong element
    EXPECT_EQ(ProToolElemAttrSet(params, 1), PRO_TK_BAD_INPUTS);

    // An element held by one input cannot join another or be freed by the caller.
    ASSERT_EQ(ProToolinputElemAdd(input, params), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProToolinputElemAdd(input, params), PRO_TK_NO_ERROR);
    ProToolinputPtr other = nullptr;
    ProToolinputAlloc(&other);
    EXPECT_EQ(ProToolinputElemAdd(other, params), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProElementFree(&params), PRO_TK_BAD_INPUTS);
    ProElement foreign = nullptr;
    ProElementAlloc(151, &foreign);
    EXPECT_EQ(ProToolinputElemAdd(input, foreign), PRO_TK_BAD_INPUTS);

    ProToolinputPtr stale = input;
    ASSERT_EQ(ProToolinputFree(&input), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProToolinputFree(&stale), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProToolinputTypeSet(stale, PRO_TOOL_TAP), PRO_TK_BAD_INPUTS);
    ProToolinputFree(&other);
    ProElementFree(&attr);
    ProElementFree(&foreign);
}

TEST_F(ToolHostTest, VisitStopsAtTheFirstNonZeroResult) {
    EXPECT_EQ(visitIds(1), (std::vector<std::wstring>{L"EM_12"}));
    EXPECT_EQ(visitRc, PRO_TK_USER_ABORT);
    writeFile("empty.mfg", R"({"type": "MFG"})");
    ASSERT_EQ(load("empty.mfg", &job), PRO_TK_NO_ERROR);
    EXPECT_TRUE(visitIds().empty());
    EXPECT_EQ(visitRc, PRO_TK_E_NOT_FOUND);
}

TEST_F(ToolHostTest, ToolsCreatedInSessionSurviveSaveAndReload) {
    ProToolinputPtr input = paramInput(PRO_TOOL_MILL, {{"CUTTER_DIAM", 50.0}});
    ProTool t = tool(job, L"Face Mill 50");
    ASSERT_EQ(ProToolCreate(&t, input, nullptr), PRO_TK_NO_ERROR);
    ProToolinputFree(&input);
    ASSERT_EQ(ProMdlSave(job), PRO_TK_NO_ERROR);
    restart();
    ProMdl again = nullptr;
    ASSERT_EQ(load("job.mfg", &again), PRO_TK_NO_ERROR);
    job = again;
    EXPECT_EQ(visitIds(), (std::vector<std::wstring>{L"EM_12", L"HOLDER", L"Face Mill 50"}));
    EXPECT_EQ(modelOf(tool(again, L"HOLDER")).first, L"HOLDER_50");
}

TEST_F(ToolHostTest, InjectedFaultsLeaveTheModelUnchanged) {
    ProToolinputPtr input = nullptr;
    simhost::injectFault("ProToolinputAlloc", PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(ProToolinputAlloc(&input), PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(input, nullptr);
    input = paramInput(PRO_TOOL_DRILL, {{"CUTTER_DIAM", 5.0}});
    ProTool t = tool(job, L"D5");
    simhost::injectFault("ProToolCreate", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProToolCreate(&t, input, nullptr), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProToolVerify(&t), PRO_TK_E_NOT_FOUND);
    simhost::injectFault("ProToolVerify", PRO_TK_COMM_ERROR);
    EXPECT_EQ(ProToolVerify(&t), PRO_TK_COMM_ERROR);
    ProToolinputFree(&input);
}

}  // namespace
