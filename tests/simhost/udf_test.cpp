// UDF placement in the host: definitions found and refused, the references a placement
// needs, the tip gauge placed in an assembly against a point of a component, groups and
// ungrouping, placement in insert mode, saving and reading back, and the live objects.
#include <ProArray.h>
#include <ProGroup.h>
#include <ProModelitem.h>
#include <ProUdf.h>
#include <ProUtil.h>

#include <algorithm>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assembly_helpers.h"
#include "kelt2proe/simhost/control.h"

namespace {

using namespace asmtest;

const char* const kTipGauge = KELT2PROE_SOURCE_DIR "/tests/data/tip_gauge.gph";

// A datum point offset (x, y, z) from a coordinate system of the solid, with its three
// dimensions; returns the feature id (its point item follows it).
int point(ProSolid solid, const std::wstring& name, int csysItem, double x, double y, double z) {
    return make(solid, 931, name, [&](ProElement t) {
        addInt(t, 3179, 6);
        addInt(t, 3113, 0);
        add(t, selectionElem(3114, solid, PRO_CSYS, csysItem));
        addInt(t, 3115, 1);
        ProElement list = nullptr;
        ProElementAlloc(3121, &list);
        ProElement p = nullptr;
        ProElementAlloc(3120, &p);
        add(p, textElem(3116, name));
        add(p, doubleElem(3117, x));
        add(p, doubleElem(3118, y));
        add(p, doubleElem(3119, z));
        add(list, p);
        add(t, list);
    });
}

ProModelitem itemNamed(ProSolid solid, ProType type, const std::wstring& name) {
    modeltest::Name n(name);
    ProModelitem item{};
    ProModelitemByNameInit(solid, type, n.text, &item);
    return item;
}

class UdfTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        std::filesystem::copy_file(kTipGauge, workDir / "tip_gauge.gph");
    }
    ProUdfdata data(const std::wstring& name) {
        ProUdfdata d = nullptr;
        EXPECT_EQ(ProUdfdataAlloc(&d), PRO_TK_NO_ERROR);
        modeltest::Name n(name);
        lastRc = ProUdfdataNameSet(d, n.text, nullptr);
        return d;
    }
    void reference(ProUdfdata d, const std::wstring& prompt, ProModelitem item,
                   ProAsmcomppath* path = nullptr) {
        ProSelection selection = nullptr;
        ASSERT_EQ(ProSelectionAlloc(path, &item, &selection), PRO_TK_NO_ERROR);
        ProLine line{};
        std::wcsncpy(line, prompt.c_str(), PRO_LINE_SIZE - 1);
        ProUdfreference ref = nullptr;
        ASSERT_EQ(
            ProUdfreferenceAlloc(line, selection, path != nullptr ? PRO_B_TRUE : PRO_B_FALSE, &ref),
            PRO_TK_NO_ERROR);
        ASSERT_EQ(ProUdfdataReferenceAdd(d, ref), PRO_TK_NO_ERROR);
        ProSelectionFree(&selection);
    }
    ProError place(ProSolid solid, ProUdfdata d, ProGroup* group) {
        ProUdfCreateOption option = PROUDFOPT_FIX_MODEL_UI_OFF;
        return ProUdfCreate(solid, d, nullptr, &option, 1, group);
    }
    ProError refusal(const std::string& file, const std::string& text) {
        writeFile(file + ".gph", text);
        ProUdfdata d = data(core(file));
        ProUdfdataFree(d);
        return lastRc;
    }
    static std::wstring core(const std::string& s) { return std::wstring(s.begin(), s.end()); }
    ProError lastRc = PRO_TK_NO_ERROR;
};

// --- definitions ------------------------------------------------------------------

TEST_F(UdfTest, DefinitionsAreFoundByNameWithOrWithoutExtensionAndVersion) {
    for (const wchar_t* name : {L"tip_gauge", L"TIP_GAUGE.GPH", L"tip_gauge.gph.1"}) {
        ProUdfdata d = data(name);
        EXPECT_EQ(lastRc, PRO_TK_NO_ERROR) << std::string(name, name + std::wcslen(name));
        ProUdfdataFree(d);
    }
    ProUdfdataFree(data(L"no_such_udf"));
    EXPECT_EQ(lastRc, PRO_TK_E_NOT_FOUND);
    // Not a definition name: a path, a version without the extension.
    ProUdfdataFree(data(L"../tip_gauge"));
    EXPECT_EQ(lastRc, PRO_TK_BAD_INPUTS);
    ProUdfdataFree(data(L"tip_gauge.1"));
    EXPECT_EQ(lastRc, PRO_TK_BAD_INPUTS);
}

TEST_F(UdfTest, TheGroupDirectoryOptionIsSearchedBeforeTheWorkingDirectory) {
    std::filesystem::create_directories(workDir / "lib");
    std::ofstream(workDir / "lib" / "plain.gph") << R"({"features": []})";
    ProUdfdataFree(data(L"plain"));
    EXPECT_EQ(lastRc, PRO_TK_E_NOT_FOUND);
    modeltest::Name option(L"pro_group_dir");
    modeltest::Path dir((workDir / "lib").string());
    ASSERT_EQ(ProConfigoptSet(option.text, dir.text), PRO_TK_NO_ERROR);
    ProUdfdataFree(data(L"plain"));
    EXPECT_EQ(lastRc, PRO_TK_NO_ERROR);
}

TEST_F(UdfTest, HostileDefinitionsAreRefusedWithTheReason) {
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {"{", "not JSON"},
        {"[]", "an object is wanted"},
        {R"({"references": []})", "\"features\" is missing"},
        {R"({"references": [{"prompt": "A", "type": "plane"}], "features": []})",
         "references[0].type"},
        {R"({"references": [{"prompt": "", "type": "csys"}], "features": []})",
         "references[0].prompt"},
        {R"({"references": [{"prompt": "A", "type": "csys"}, {"prompt": "A", "type": "point"}],
             "features": []})",
         "the prompt is taken"},
        {R"({"features": [{"type": "csys", "name": "C", "reference": "NOPE"}]})",
         "features[0].reference"},
        {R"({"references": [{"prompt": "P", "type": "point"}],
             "features": [{"type": "csys", "name": "C", "reference": "P"}]})",
         "names no coordinate system"},
        {R"({"references": [{"prompt": "M", "type": "csys"}],
             "features": [{"type": "point", "name": "Q", "reference": "M", "at": [1, 2]}]})",
         "three numbers"},
        {R"({"references": [{"prompt": "M", "type": "csys"}],
             "features": [{"type": "csys", "name": "C", "reference": "M",
                           "moves": [{"move": "twist", "value": 1}]}]})",
         "moves[0].move"},
        {R"({"references": [{"prompt": "M", "type": "csys"}],
             "features": [{"type": "csys", "name": "C", "reference": "M",
                           "moves": [{"move": "rotate_x", "value": 1, "symbol": "a b"}]}]})",
         "not a dimension symbol"},
        {R"({"references": [{"prompt": "M", "type": "csys"}],
             "features": [{"type": "csys", "name": "NAME_OF_MORE_THAN_31_CHARACTERS_X",
                           "reference": "M"}]})",
         "features[0].name"},
        {R"({"features": [[[[[[[[[[1]]]]]]]]]]})", "nested more than"},
    };
    int k = 0;
    for (const Case& c : cases) {
        std::string file = "bad" + std::to_string(k++);
        EXPECT_EQ(refusal(file, c.text), PRO_TK_INVALID_FILE) << c.text;
        EXPECT_NE(simhost::lastLoadDiagnostic().find(c.reason), std::string::npos)
            << c.text << " -> " << simhost::lastLoadDiagnostic();
    }
    // Too many features, and a file beyond the size limit.
    std::string many = R"({"references": [{"prompt": "M", "type": "csys"}], "features": [)";
    for (int i = 0; i < 257; ++i) {
        many += std::string(i ? "," : "") + R"({"type": "csys", "name": "C)" + std::to_string(i) +
                R"(", "reference": "M"})";
    }
    EXPECT_EQ(refusal("many", many + "]}"), PRO_TK_INVALID_FILE);
    EXPECT_EQ(refusal("huge", R"({"features": [], "pad": ")" + std::string(1 << 20, 'x') + "\"}"),
              PRO_TK_INVALID_FILE);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTest, RequiredReferencesComeInOrderAndLiveWithTheirArray) {
    ProUdfdata d = data(L"tip_gauge");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProUdfRequiredRef* refs = nullptr;
    ASSERT_EQ(ProUdfdataRequiredreferencesGet(d, &refs), PRO_TK_NO_ERROR);
    int n = 0;
    ProArraySizeGet(refs, &n);
    ASSERT_EQ(n, 2);
    ProLine prompt{};
    ProType type = PRO_TYPE_UNUSED;
    ASSERT_EQ(ProUdfrequiredrefPromptGet(refs[0], prompt), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProUdfrequiredrefTypeGet(refs[0], &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(prompt), L"M_0");
    EXPECT_EQ(type, PRO_CSYS);
    ASSERT_EQ(ProUdfrequiredrefPromptGet(refs[1], prompt), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProUdfrequiredrefTypeGet(refs[1], &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(prompt), L"PNT_TIPX");
    EXPECT_EQ(type, PRO_POINT);
    ProUdfRequiredRef first = refs[0];
    ProArrayFree(reinterpret_cast<ProArray*>(&refs));
    EXPECT_EQ(ProUdfrequiredrefPromptGet(first, prompt), PRO_TK_BAD_INPUTS);

    // The settings take only their enumerations.
    EXPECT_EQ(ProUdfdataDependencySet(d, PROUDFDEPENDENCY_UDF_DRIVEN), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProUdfdataDependencySet(d, static_cast<ProUdfdependency>(2)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProUdfdataScaleSet(d, PROUDFSCALETYPE_USER, 2.0), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProUdfdataScaleSet(d, static_cast<ProUdfscaletype>(-1), 1.0), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProUdfdataScaleSet(d, PROUDFSCALETYPE_SAME_SIZE, 0.0), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProUdfdataDimdisplaySet(d, PROUDFDIMDISP_BLANK), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProUdfdataDimdisplaySet(d, static_cast<ProUdfdimdisplay>(3)), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProUdfdataFree(d), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProUdfdataFree(d), PRO_TK_BAD_INPUTS);

    // Data without a name has no references to give.
    ProUdfdata unnamed = nullptr;
    ProUdfdataAlloc(&unnamed);
    EXPECT_EQ(ProUdfdataRequiredreferencesGet(unnamed, &refs), PRO_TK_BAD_INPUTS);
    ProUdfdataFree(unnamed);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

// --- the tip gauge in an assembly -------------------------------------------------

class TipGaugeTest : public UdfTest {
protected:
    void SetUp() override {
        UdfTest::SetUp();
        tool = part(L"tool");
        toolCsys = csys(tool, L"TOOL_DEF");
        pointFeature = point(tool, L"PNT_TIP", toolCsys, 1.0, 2.0, 3.0);
        assy = assembly(L"holder");
        int asmDef = csys(assy, L"ASM_DEF");
        int seat = csys(assy, L"SEAT", asmDef, {{0, 10.0}});
        m0 = csys(assy, L"M0", asmDef, {{5, 90.0}, {2, 5.0}});
        comp = placeOn(assy, tool, toolCsys, seat);
        ASSERT_NE(comp, 0);
    }
    // The tip gauge's data with M0 and the tool's point through the component.
    ProUdfdata tipData() {
        ProUdfdata d = data(L"tip_gauge.gph.1");
        EXPECT_EQ(lastRc, PRO_TK_NO_ERROR);
        reference(d, L"M_0", ProModelitem{PRO_CSYS, m0, assy});
        ProAsmcomppath path{};
        path.owner = assy;
        path.table_num = 1;
        path.comp_id_table[0] = comp;
        reference(d, L"PNT_TIPX", ProModelitem{PRO_POINT, pointFeature + 1, tool}, &path);
        return d;
    }
    ProSolid tool = nullptr;
    ProSolid assy = nullptr;
    int toolCsys = 0;
    int pointFeature = 0;
    int m0 = 0;
    int comp = 0;
};

TEST_F(TipGaugeTest, TipRefSitsAtThePointOrientedAsTheCsysAndFollowsThePoint) {
    ProUdfdata d = tipData();
    ProGroup group{};
    ASSERT_EQ(place(assy, d, &group), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProUdfdataFree(d), PRO_TK_NO_ERROR);
    EXPECT_EQ(group.type, PRO_GROUP);
    EXPECT_EQ(group.owner, assy);

    ProModelitem tipRef = itemNamed(assy, PRO_CSYS, L"TIP_REF");
    ASSERT_NE(tipRef.id, 0);
    Matrix got = csysMatrix(assy, tipRef.id);
    Matrix want = csysMatrix(assy, m0);
    // The point (1, 2, 3) of the tool, whose component sits 10 along x.
    want[3] = {11.0, 2.0, 3.0, 1.0};
    expectNear(got, want, "placed");

    // The point moves in its part; the assembly's regeneration carries TIP_REF along.
    std::vector<ProDimension> dims = dimsOf(tool, pointFeature);
    ASSERT_EQ(dims.size(), 3u);
    ASSERT_EQ(ProDimensionValueSet(&dims[0], 4.0), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSolidRegenerate(assy, 0), PRO_TK_NO_ERROR);
    want[3] = {14.0, 2.0, 3.0, 1.0};
    expectNear(csysMatrix(assy, tipRef.id), want, "after the point moved");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(TipGaugeTest, TheGroupComesFirstAndUngroupingKeepsTheMembers) {
    ProUdfdata d = tipData();
    ProGroup group{};
    ASSERT_EQ(place(assy, d, &group), PRO_TK_NO_ERROR);
    ProUdfdataFree(d);
    std::vector<int> ids = idsOf(assy);
    ASSERT_GE(ids.size(), 2u);
    EXPECT_EQ(ids[ids.size() - 2], group.id);
    ProFeature head = feature(assy, group.id);
    ProFeattype type = 0;
    ASSERT_EQ(ProFeatureTypeGet(&head, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, 1017);
    int member = ids.back();
    ProName name{};
    ProFeature tipFeature = feature(assy, member);
    ASSERT_EQ(ProModelitemNameGet(&tipFeature, name), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(name), L"TIP_REF");

    ASSERT_EQ(ProGroupUngroup(&group), PRO_TK_NO_ERROR);
    std::vector<int> after = idsOf(assy);
    EXPECT_EQ(std::count(after.begin(), after.end(), group.id), 0);
    EXPECT_EQ(after.back(), member);
    EXPECT_EQ(ProGroupUngroup(&group), PRO_TK_E_NOT_FOUND);
    // A feature that is no group cannot be ungrouped.
    ProGroup notGroup{PRO_GROUP, member, assy};
    EXPECT_EQ(ProGroupUngroup(&notGroup), PRO_TK_E_NOT_FOUND);
}

TEST_F(TipGaugeTest, ReferencesMustMatchTheDefinition) {
    auto refused = [&](auto fill) {
        ProUdfdata d = data(L"tip_gauge");
        fill(d);
        ProGroup group{};
        std::size_t before = idsOf(assy).size();
        ProError rc = place(assy, d, &group);
        ProUdfdataFree(d);
        EXPECT_EQ(idsOf(assy).size(), before);
        return rc;
    };
    ProAsmcomppath path{};
    path.owner = assy;
    path.table_num = 1;
    path.comp_id_table[0] = comp;
    ProModelitem csysItem{PRO_CSYS, m0, assy};
    ProModelitem pointItem{PRO_POINT, pointFeature + 1, tool};
    // One missing.
    EXPECT_EQ(refused([&](ProUdfdata d) { reference(d, L"M_0", csysItem); }), PRO_TK_BAD_INPUTS);
    // One given twice.
    EXPECT_EQ(refused([&](ProUdfdata d) {
                  reference(d, L"M_0", csysItem);
                  reference(d, L"M_0", csysItem);
              }),
              PRO_TK_BAD_INPUTS);
    // The wrong item type.
    EXPECT_EQ(refused([&](ProUdfdata d) {
                  reference(d, L"M_0", csysItem);
                  reference(d, L"PNT_TIPX", ProModelitem{PRO_CSYS, toolCsys, tool}, &path);
              }),
              PRO_TK_BAD_INPUTS);
    // The point of the component without the path that leads to it.
    EXPECT_EQ(refused([&](ProUdfdata d) {
                  reference(d, L"M_0", csysItem);
                  reference(d, L"PNT_TIPX", pointItem);
              }),
              PRO_TK_BAD_INPUTS);
    // A prompt the definition does not have.
    EXPECT_EQ(refused([&](ProUdfdata d) {
                  reference(d, L"M_0", csysItem);
                  reference(d, L"PNT_TIPX", pointItem, &path);
                  reference(d, L"EXTRA", csysItem);
              }),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(TipGaugeTest, GroupAndMembersAreSavedAndReadBack) {
    ProUdfdata d = tipData();
    ProGroup group{};
    ASSERT_EQ(place(assy, d, &group), PRO_TK_NO_ERROR);
    ProUdfdataFree(d);
    ASSERT_EQ(ProMdlSave(tool), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(assy), PRO_TK_NO_ERROR);
    Matrix placed = csysMatrix(assy, itemNamed(assy, PRO_CSYS, L"TIP_REF").id);

    restart();
    ProMdl again = nullptr;
    ASSERT_EQ(modeltest::load("holder.asm", &again), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    ProSolid loaded = static_cast<ProSolid>(again);
    ProModelitem tipRef = itemNamed(loaded, PRO_CSYS, L"TIP_REF");
    ASSERT_NE(tipRef.id, 0);
    expectNear(csysMatrix(loaded, tipRef.id), placed, "read back");
    ProGroup readGroup{PRO_GROUP, group.id, loaded};
    EXPECT_EQ(ProGroupUngroup(&readGroup), PRO_TK_NO_ERROR);
    EXPECT_NE(itemNamed(loaded, PRO_CSYS, L"TIP_REF").id, 0);
}

TEST_F(TipGaugeTest, InInsertModeTheGroupGoesToThePoint) {
    std::vector<int> before = idsOf(assy);
    ProFeature first = feature(assy, before.front());
    ASSERT_EQ(ProFeatureInsertModeActivate(&first), PRO_TK_NO_ERROR);
    writeFile("marks.gph", R"({"references": [{"prompt": "BASE", "type": "csys"}],
        "features": [
          {"type": "csys", "name": "MARK", "reference": "BASE",
           "moves": [{"move": "translate_z", "value": 7, "symbol": "MARK_Z"}]},
          {"type": "point", "name": "MARK_PNT", "reference": "MARK", "at": [1, 0, 0],
           "symbols": ["MP_X", "MP_Y", "MP_Z"]}
        ]})");
    ProUdfdata d = data(L"marks");
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    reference(d, L"BASE", ProModelitem{PRO_CSYS, before.front() + 1, assy});
    ProGroup group{};
    ASSERT_EQ(place(assy, d, &group), PRO_TK_NO_ERROR);
    ProUdfdataFree(d);
    std::vector<int> ids = idsOf(assy);
    ASSERT_EQ(ids.size(), before.size() + 3);
    EXPECT_EQ(ids[0], before[0]);
    EXPECT_EQ(ids[1], group.id);
    ProModelitem mark = itemNamed(assy, PRO_CSYS, L"MARK");
    ProModelitem markPoint = itemNamed(assy, PRO_POINT, L"MARK_PNT");
    EXPECT_NE(mark.id, 0);
    EXPECT_NE(markPoint.id, 0);
    EXPECT_EQ(std::vector<int>(ids.begin() + 4, ids.end()),
              std::vector<int>(before.begin() + 1, before.end()));
    // The members' dimensions carry the definition's symbols.
    std::vector<ProDimension> dims = dimsOf(assy, ids[3]);
    ASSERT_EQ(dims.size(), 3u);
    ProName symbol{};
    ProDimensionSymbolGet(&dims[2], symbol);
    EXPECT_EQ(std::wstring(symbol), L"MP_Z");
    dims = dimsOf(assy, ids[2]);
    ASSERT_EQ(dims.size(), 1u);
    ProDimensionSymbolGet(&dims[0], symbol);
    EXPECT_EQ(std::wstring(symbol), L"MARK_Z");
    ASSERT_EQ(ProInsertModeCancel(assy, PRO_B_TRUE), PRO_TK_NO_ERROR);
    // Placed again, the names are taken: the second placement gets the host's names.
    d = data(L"marks");
    reference(d, L"BASE", ProModelitem{PRO_CSYS, before.front() + 1, assy});
    ProGroup second{};
    ASSERT_EQ(place(assy, d, &second), PRO_TK_NO_ERROR);
    ProUdfdataFree(d);
    EXPECT_NE(second.id, group.id);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
