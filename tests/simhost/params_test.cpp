// Parameters of models and features: create, read, write, delete, descriptions, visits,
// model files, faults and the cost of a visit.
#include <ProMdl.h>
#include <ProParameter.h>
#include <ProUtil.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "item_helpers.h"
#include "model_helpers.h"

namespace {

using itemtest::create;
using itemtest::doubleValue;
using itemtest::featureItem;
using itemtest::init;
using itemtest::intValue;
using itemtest::modelItem;
using itemtest::textValue;

class ParamsTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        part = modeltest::create(L"box");
        ASSERT_NE(part, nullptr);
        owner = modelItem(part);
    }

    ProParamvalue valueOf(const std::wstring& name) { return itemtest::valueOf(owner, name); }

    ProMdl part = nullptr;
    ProModelitem owner{};
};

std::vector<std::wstring> visitNames(ProModelitem owner, ProParameterFilter filter = nullptr,
                                     ProError* result = nullptr) {
    std::vector<std::wstring> names;
    ProError rc = ProParameterVisit(
        &owner, filter,
        [](ProParameter* p, ProError, ProAppData data) {
            static_cast<std::vector<std::wstring>*>(data)->push_back(p->id);
            return PRO_TK_NO_ERROR;
        },
        &names);
    if (result != nullptr) {
        *result = rc;
    }
    return names;
}

TEST_F(ParamsTest, CreateFindSetAndDeleteWithNamesInAnyCase) {
    ProParameter param{};
    ASSERT_EQ(create(owner, L"Length", doubleValue(12.5), &param), PRO_TK_NO_ERROR);
    EXPECT_STREQ(param.id, L"LENGTH");
    EXPECT_EQ(param.type, PRO_PARAMETER);
    EXPECT_EQ(param.owner.type, PRM_MODEL);
    EXPECT_EQ(param.owner.who.model, part);
    EXPECT_EQ(create(owner, L"LENGTH", intValue(1)), PRO_TK_E_FOUND);

    ProParameter found{};
    ASSERT_EQ(init(owner, L"length", &found), PRO_TK_NO_ERROR);
    EXPECT_STREQ(found.id, L"LENGTH");
    EXPECT_DOUBLE_EQ(valueOf(L"LeNgTh").value.d_val, 12.5);

    // A value of another type replaces the value and its type.
    ProParamvalue seven = intValue(7);
    ASSERT_EQ(ProParameterValueSet(&found, &seven), PRO_TK_NO_ERROR);
    ProParamvalue read = valueOf(L"LENGTH");
    EXPECT_EQ(read.type, PRO_PARAM_INTEGER);
    EXPECT_EQ(read.value.i_val, 7);

    ASSERT_EQ(ProParameterDelete(&found), PRO_TK_NO_ERROR);
    EXPECT_EQ(init(owner, L"LENGTH", &param), PRO_TK_E_NOT_FOUND);
    // The handle of a deleted parameter names nothing.
    EXPECT_EQ(ProParameterValueGet(&found, &read), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProParameterDelete(&found), PRO_TK_E_NOT_FOUND);
}

TEST_F(ParamsTest, ValuesOfEachTypeAndRefusedValues) {
    std::wstring eighty(80, L'x');
    ASSERT_EQ(create(owner, L"D", doubleValue(-0.25)), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(owner, L"S", textValue(eighty)), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(owner, L"I", intValue(-42)), PRO_TK_NO_ERROR);
    ProParamvalue flag{};
    flag.type = PRO_PARAM_BOOLEAN;
    flag.value.l_val = 5;
    ASSERT_EQ(create(owner, L"B", flag), PRO_TK_NO_ERROR);

    EXPECT_DOUBLE_EQ(valueOf(L"D").value.d_val, -0.25);
    ProParamvalue text = valueOf(L"S");
    EXPECT_EQ(text.type, PRO_PARAM_STRING);
    EXPECT_EQ(std::wstring(text.value.s_val), eighty);
    EXPECT_EQ(valueOf(L"I").value.i_val, -42);
    ProParamvalue b = valueOf(L"B");
    EXPECT_EQ(b.type, PRO_PARAM_BOOLEAN);
    EXPECT_EQ(b.value.l_val, 1);

    ProParamvalue note{};
    note.type = PRO_PARAM_NOTE_ID;
    EXPECT_EQ(create(owner, L"N", note), PRO_TK_BAD_INPUTS);
    ProParamvalue unterminated = textValue(eighty);
    std::fill(std::begin(unterminated.value.s_val), std::end(unterminated.value.s_val), L'y');
    EXPECT_EQ(create(owner, L"T", unterminated), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(owner, L"NAN", doubleValue(std::nan(""))), PRO_TK_BAD_INPUTS);
    for (const wchar_t* bad : {L"", L"1ST", L"TWO WORDS", L"A+B", L"X.Y"}) {
        EXPECT_EQ(create(owner, bad, intValue(1)), PRO_TK_BAD_INPUTS) << bad;
    }
    // A refused value leaves the parameter as it was.
    ProParameter d{};
    ASSERT_EQ(init(owner, L"D", &d), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProParameterValueSet(&d, &note), PRO_TK_BAD_INPUTS);
    EXPECT_DOUBLE_EQ(valueOf(L"D").value.d_val, -0.25);
    EXPECT_EQ(visitNames(owner), (std::vector<std::wstring>{L"D", L"S", L"I", L"B"}));
}

TEST_F(ParamsTest, FeatureParametersAreApartAndGoWithTheirFeature) {
    ProMdl bracket = itemtest::loadPart("bracket", "", workDir.string());
    ProModelitem model = modelItem(bracket);
    ProFeature base = featureItem(bracket, 1);
    ProFeature hole = featureItem(bracket, 2);
    ASSERT_EQ(create(model, L"P", intValue(1)), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(base, L"P", intValue(2)), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(hole, L"Q", intValue(3)), PRO_TK_NO_ERROR);

    ProParameter p{};
    ASSERT_EQ(init(base, L"p", &p), PRO_TK_NO_ERROR);
    EXPECT_EQ(p.owner.type, PRM_ITEM);
    EXPECT_EQ(p.owner.who.item.type, PRO_FEATURE);
    EXPECT_EQ(p.owner.who.item.id, 1);
    EXPECT_EQ(itemtest::valueOf(base, L"p").value.i_val, 2);
    ProParamvalue v{};
    EXPECT_EQ(init(model, L"Q", &p), PRO_TK_E_NOT_FOUND);

    ASSERT_EQ(init(hole, L"Q", &p), PRO_TK_NO_ERROR);
    ASSERT_EQ(itemtest::deleteFeature(bracket, 2), PRO_TK_NO_ERROR);
    EXPECT_EQ(init(hole, L"Q", &p), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProParameterValueGet(&p, &v), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(visitNames(model), std::vector<std::wstring>{L"P"});

    // An owner item that is not the model's own item, and a model no longer in session.
    ProModelitem wrongId = model;
    wrongId.id += 100;
    EXPECT_EQ(init(wrongId, L"P", &p), PRO_TK_BAD_INPUTS);
    ProModelitem surface = model;
    surface.type = PRO_SURFACE;
    EXPECT_EQ(create(surface, L"S", intValue(1)), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProMdlErase(part), PRO_TK_NO_ERROR);
    EXPECT_EQ(init(owner, L"P", &p), PRO_TK_BAD_INPUTS);
}

TEST_F(ParamsTest, VisitFiltersStopsAndReportsAnEmptyVisit) {
    ProError rc = PRO_TK_NO_ERROR;
    EXPECT_TRUE(visitNames(owner, nullptr, &rc).empty());
    EXPECT_EQ(rc, PRO_TK_E_NOT_FOUND);
    for (const wchar_t* name : {L"ZETA", L"ALPHA", L"AMBER", L"BETA"}) {
        ASSERT_EQ(create(owner, name, intValue(1)), PRO_TK_NO_ERROR);
    }
    EXPECT_EQ(visitNames(owner, nullptr, &rc),
              (std::vector<std::wstring>{L"ZETA", L"ALPHA", L"AMBER", L"BETA"}));
    EXPECT_EQ(rc, PRO_TK_NO_ERROR);

    auto startsWithA = [](ProParameter* p, ProAppData) {
        return p->id[0] == L'A' ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    };
    EXPECT_EQ(visitNames(owner, startsWithA), (std::vector<std::wstring>{L"ALPHA", L"AMBER"}));
    auto none = [](ProParameter*, ProAppData) { return PRO_TK_CONTINUE; };
    EXPECT_TRUE(visitNames(owner, none, &rc).empty());
    EXPECT_EQ(rc, PRO_TK_E_NOT_FOUND);

    // The filter's other answers reach the action as its status; the action's non-zero
    // answer stops the visit and is its result.
    struct Seen {
        std::vector<ProError> statuses;
    } seen;
    rc = ProParameterVisit(
        &owner, [](ProParameter*, ProAppData) { return PRO_TK_GENERAL_ERROR; },
        [](ProParameter*, ProError status, ProAppData data) {
            auto* s = static_cast<Seen*>(data);
            s->statuses.push_back(status);
            return s->statuses.size() == 2 ? PRO_TK_USER_ABORT : PRO_TK_NO_ERROR;
        },
        &seen);
    EXPECT_EQ(rc, PRO_TK_USER_ABORT);
    EXPECT_EQ(seen.statuses, (std::vector<ProError>{PRO_TK_GENERAL_ERROR, PRO_TK_GENERAL_ERROR}));
    EXPECT_EQ(ProParameterVisit(&owner, nullptr, nullptr, nullptr), PRO_TK_BAD_INPUTS);

    // An action may delete parameters; those deleted are not visited any more.
    std::vector<std::wstring> names;
    rc = ProParameterVisit(
        &owner, nullptr,
        [](ProParameter* p, ProError, ProAppData data) {
            static_cast<std::vector<std::wstring>*>(data)->push_back(p->id);
            ProParameter next = *p;
            std::wcscpy(next.id, L"AMBER");
            ProParameterDelete(&next);
            return ProParameterDelete(p);
        },
        &names);
    EXPECT_EQ(rc, PRO_TK_NO_ERROR);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ZETA", L"ALPHA", L"BETA"}));
    EXPECT_TRUE(visitNames(owner).empty());
}

TEST_F(ParamsTest, DescriptionsAreToolkitTextsFreedByTheCaller) {
    ProParameter param{};
    ASSERT_EQ(create(owner, L"DIA", doubleValue(8), &param), PRO_TK_NO_ERROR);
    wchar_t* text = nullptr;
    EXPECT_EQ(ProParameterDescriptionGet(&param, &text), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(text, nullptr);

    std::wstring description = L"Nenndurchmesser der Bohrung";
    ASSERT_EQ(ProParameterDescriptionSet(&param, description.data()), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProParameterDescriptionGet(&param, &text), PRO_TK_NO_ERROR);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::wstring(text), description);
    EXPECT_EQ(simhost::liveObjects(), 1);
    EXPECT_EQ(ProWstringFree(text), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_EQ(ProWstringFree(text), PRO_TK_BAD_INPUTS);

    std::wstring tooLong(256, L'd');
    EXPECT_EQ(ProParameterDescriptionSet(&param, tooLong.data()), PRO_TK_LINE_TOO_LONG);
    EXPECT_EQ(ProParameterDescriptionSet(&param, nullptr), PRO_TK_BAD_INPUTS);
    std::wstring longest(255, L'd');
    ASSERT_EQ(ProParameterDescriptionSet(&param, longest.data()), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProParameterDescriptionGet(&param, &text), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(text), longest);
    EXPECT_EQ(ProWstringFree(text), PRO_TK_NO_ERROR);
    // An empty description removes it.
    std::wstring empty;
    ASSERT_EQ(ProParameterDescriptionSet(&param, empty.data()), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProParameterDescriptionGet(&param, &text), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ParamsTest, SavedWithTheModelAndMarkTheModelModified) {
    ProMdl bracket = itemtest::loadPart("bracket", "", workDir.string());
    ProModelitem model = modelItem(bracket);
    ProFeature hole = featureItem(bracket, 2);
    EXPECT_FALSE(modeltest::modified(bracket));
    ProParameter material{};
    ASSERT_EQ(create(model, L"Material", textValue(L"1.4301 Edelstahl"), &material),
              PRO_TK_NO_ERROR);
    EXPECT_TRUE(modeltest::modified(bracket));
    std::wstring note = L"Werkstoff";
    ASSERT_EQ(ProParameterDescriptionSet(&material, note.data()), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(model, L"COUNT", intValue(4)), PRO_TK_NO_ERROR);
    ASSERT_EQ(create(hole, L"DEPTH", doubleValue(12.75)), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(bracket), PRO_TK_NO_ERROR);

    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("bracket", PRO_MDL_PART, &loaded), PRO_TK_NO_ERROR);
    model = modelItem(loaded);
    EXPECT_EQ(visitNames(model), (std::vector<std::wstring>{L"MATERIAL", L"COUNT"}));
    EXPECT_STREQ(itemtest::valueOf(model, L"material").value.s_val, L"1.4301 Edelstahl");
    ProParameter p{};
    ASSERT_EQ(init(model, L"material", &p), PRO_TK_NO_ERROR);
    wchar_t* text = nullptr;
    ASSERT_EQ(ProParameterDescriptionGet(&p, &text), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(text), note);
    ProWstringFree(text);
    ProParamvalue v = itemtest::valueOf(featureItem(loaded, 2), L"DEPTH");
    EXPECT_EQ(v.type, PRO_PARAM_DOUBLE);
    EXPECT_DOUBLE_EQ(v.value.d_val, 12.75);
}

// A text with a character outside the Basic Multilingual Plane (a surrogate pair where
// wchar_t has 2 bytes) is saved as its UTF-8 and read back as the same wide text.
TEST_F(ParamsTest, TextsOutsideTheBasicPlaneSurviveSaveAndLoad) {
    std::wstring smiley = L"ok ";
    if (sizeof(wchar_t) == 2) {
        smiley += {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    } else {
        smiley += static_cast<wchar_t>(0x1F600);
    }
    ProMdl bracket = itemtest::loadPart("bracket", "", workDir.string());
    ASSERT_EQ(create(modelItem(bracket), L"NOTE", textValue(smiley)), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(bracket), PRO_TK_NO_ERROR);
    EXPECT_NE(readText("bracket.prt").find("\"ok \xF0\x9F\x98\x80\""), std::string::npos)
        << readText("bracket.prt");

    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("bracket", PRO_MDL_PART, &loaded), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::wstring(itemtest::valueOf(modelItem(loaded), L"NOTE").value.s_val), smiley);
}

TEST_F(ParamsTest, MalformedParametersSectionRefusesTheFile) {
    writeFile("bad.prt",
              R"({"parameters": {"model": [{"name": "P", "type": "note", "value": 1}]}})");
    ProMdl model = nullptr;
    EXPECT_EQ(modeltest::load("bad", PRO_MDL_PART, &model), PRO_TK_INVALID_FILE);
    writeFile("dup.prt",
              R"({"parameters": {"model": [{"name": "p", "type": "integer", "value": 1},)"
              R"( {"name": "P", "type": "integer", "value": 2}]}})");
    EXPECT_EQ(modeltest::load("dup", PRO_MDL_PART, &model), PRO_TK_INVALID_FILE);
}

TEST_F(ParamsTest, InjectedFaultsChangeNothing) {
    simhost::injectFault("ProParameterCreate", PRO_TK_GENERAL_ERROR);
    ProParameter param{};
    EXPECT_EQ(create(owner, L"P", intValue(1), &param), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(init(owner, L"P", &param), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(create(owner, L"P", intValue(1), &param), PRO_TK_NO_ERROR);

    simhost::injectFault("ProParameterValueSet", PRO_TK_CANT_MODIFY);
    ProParamvalue two = intValue(2);
    EXPECT_EQ(ProParameterValueSet(&param, &two), PRO_TK_CANT_MODIFY);
    EXPECT_EQ(valueOf(L"P").value.i_val, 1);
    simhost::injectFault("ProParameterDelete", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProParameterDelete(&param), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(init(owner, L"P", &param), PRO_TK_NO_ERROR);
    simhost::injectFault("ProParameterDescriptionGet", PRO_TK_GENERAL_ERROR);
    wchar_t* text = nullptr;
    EXPECT_EQ(ProParameterDescriptionGet(&param, &text), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_TRUE(testkit::journalHas("ProParameterDelete P"));
}

TEST_F(ParamsTest, VisitCostGrowsLinearly) {
    auto fill = [](ProModelitem item, int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_EQ(create(item, L"P" + std::to_wstring(i), intValue(i)), PRO_TK_NO_ERROR);
        }
    };
    ProMdl big = modeltest::create(L"big");
    ProModelitem bigOwner = modelItem(big);
    fill(owner, 1000);
    fill(bigOwner, 100000);
    auto visitSeconds = [](ProModelitem item, int expected) {
        int count = 0;
        auto start = std::chrono::steady_clock::now();
        ProParameterVisit(
            &item, nullptr,
            [](ProParameter*, ProError, ProAppData data) {
                ++*static_cast<int*>(data);
                return PRO_TK_NO_ERROR;
            },
            &count);
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(count, expected);
        return seconds;
    };
    // The best of interleaved runs, so that a busy machine slows both sizes alike.
    double small = std::numeric_limits<double>::max();
    double large = std::numeric_limits<double>::max();
    for (int run = 0; run < 9; ++run) {
        small = std::min(small, visitSeconds(owner, 1000));
        large = std::min(large, visitSeconds(bigOwner, 100000));
    }
    // A hundred times the parameters: linear cost gives about 100 (a few hundred once the
    // larger set leaves the caches), a quadratic visit about 10,000.
    EXPECT_LT(large / small, 2000.0) << small << " s for 1k, " << large << " s for 100k";
}

}  // namespace
