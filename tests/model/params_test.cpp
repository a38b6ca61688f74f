// Parameters of a model and of its features: existence, values of every type, creation
// by setting, the facade's length checks, listing by pattern, deletion, descriptions and
// the host failures each form reports.
#include <ProFeature.h>
#include <ProParameter.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace {

using Ardo::kelt2pMdl;
using Ardo::kelt2pParamValue;

// Features 5 and 6 share the name prefix HOLE_; 5 has a parameter of its own.
constexpr const char* kBracket = R"({"type": "PRT",
    "features": [
        {"id": 1, "type": 923, "name": "RIGHT"},
        {"id": 5, "type": 917, "name": "HOLE_A"},
        {"id": 6, "type": 917, "name": "HOLE_B"}],
    "parameters": {
        "model": [
            {"name": "LENGTH", "type": "double", "value": 12.5},
            {"name": "ALPHA", "type": "integer", "value": 3},
            {"name": "MATERIAL", "type": "string", "value": "STEEL",
             "description": "what the part is made of"},
            {"name": "BETA_A", "type": "boolean", "value": true}],
        "features": {"5": [{"name": "DEPTH", "type": "double", "value": 4.0,
                            "description": "drilled depth"}]}}})";

class ParamsTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        part = load("bracket.prt", Ardo::KELT2P_MDL_PART, kBracket);
        simhost::clearJournal();
    }

    std::vector<std::string> listed(int n) {
        std::vector<std::string> names;
        for (int i = 0; i < n; ++i) {
            names.push_back(part.ParamListAt(i).name);
        }
        return names;
    }

    kelt2pMdl part;
};

kelt2pParamValue record(const char* name, int type) {
    kelt2pParamValue value;
    std::memset(&value, 0, sizeof value);
    std::strcpy(value.name, name);
    value.type = type;
    return value;
}

TEST_F(ParamsTest, SettingAMissingParameterCreatesItWithTheValuesType) {
    part.ParamSet("COUNT", 5);
    kelt2pParamValue count = part.ParamGet("COUNT");
    EXPECT_EQ(count.type, Ardo::KELT2P_PARAM_INTEGER);
    EXPECT_EQ(count.value.i, 5);
    EXPECT_EQ(testkit::callCount("ProParameterCreate"), 1);

    part.ParamSet("RATIO", 0.25);
    EXPECT_EQ(part.ParamGet("RATIO").type, Ardo::KELT2P_PARAM_DOUBLE);
    part.ParamSet("NOTE", "drill first");
    kelt2pParamValue note = part.ParamGet("NOTE");
    EXPECT_EQ(note.type, Ardo::KELT2P_PARAM_STRING);
    EXPECT_STREQ(note.value.s, "drill first");

    // An existing parameter is set, not created again.
    simhost::clearJournal();
    part.ParamSet("COUNT", 7);
    EXPECT_EQ(part.ParamGet("COUNT").value.i, 7);
    EXPECT_EQ(testkit::callCount("ProParameterCreate"), 0);
}

TEST_F(ParamsTest, GetReturnsEveryTypeUnderTheNameAskedFor) {
    kelt2pParamValue length = part.ParamGet("length");
    EXPECT_STREQ(length.name, "length");
    EXPECT_EQ(length.type, Ardo::KELT2P_PARAM_DOUBLE);
    EXPECT_DOUBLE_EQ(length.value.d, 12.5);
    EXPECT_EQ(part.ParamGet("ALPHA").value.i, 3);
    EXPECT_STREQ(part.ParamGet("MATERIAL").value.s, "STEEL");
    kelt2pParamValue beta = part.ParamGet("BETA_A");
    EXPECT_EQ(beta.type, Ardo::KELT2P_PARAM_BOOLEAN);
    EXPECT_NE(beta.value.b, 0);
}

TEST_F(ParamsTest, RecordFormsRoundTripAndUnknownTagsAreRefused) {
    kelt2pParamValue flag = record("FLAG", Ardo::KELT2P_PARAM_BOOLEAN);
    flag.value.b = 1;
    part.ParamSet(flag);
    EXPECT_EQ(part.ParamGet("FLAG").value.b, 1);

    kelt2pParamValue depth = part.ParamGet("HOLE_A", "DEPTH");
    depth.value.d = 9.0;
    part.ParamSet("HOLE_A", depth);
    EXPECT_DOUBLE_EQ(part.ParamGet("HOLE_A", "DEPTH").value.d, 9.0);

    simhost::clearJournal();
    kelt2pParamValue unset = record("LENGTH", 57);
    EXPECT_THROW_CODE(part.ParamSet(unset), Ardo::Error, -2, "Ardo::Solid::ParamSet");
    EXPECT_THROW_CODE(part.ParamSet("HOLE_A", unset), Ardo::Error, -2, "Ardo::Solid::ParamSet");
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_DOUBLE_EQ(part.ParamGet("LENGTH").value.d, 12.5);
}

TEST_F(ParamsTest, LengthChecksRefuseBeforeTheHost) {
    const std::string text80(80, 't');
    part.ParamSet("NOTE", text80.c_str());
    EXPECT_EQ(part.ParamGet("NOTE").value.s, text80);

    simhost::clearJournal();
    const std::string text81(81, 't');
    const std::string name32(32, 'N');
    EXPECT_THROW_CODE(part.ParamSet("NOTE", text81.c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ParamSet");
    EXPECT_THROW_CODE(part.ParamSet("HOLE_A", "NOTE", text81.c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ParamSet");
    EXPECT_THROW_CODE(part.ParamSet(name32.c_str(), "short"), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ParamSet");
    EXPECT_THROW_CODE(part.ParamGet(name32.c_str()), Ardo::Error, -6, "Ardo::kelt2pMdl::ParamGet");
    EXPECT_THROW_CODE(part.ParamGet("HOLE_A", name32.c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ParamGet");
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_EQ(part.ParamGet("NOTE").value.s, text80);
}

TEST_F(ParamsTest, MissingParameterIsFalseForExistAndNotFoundForGet) {
    EXPECT_FALSE(part.ParamExist("NOPE"));
    EXPECT_TRUE(part.ParamExist("Length"));
    EXPECT_THROW_CODE(part.ParamGet("NOPE"), ardotk::Error, -4, "");
    EXPECT_FALSE(part.ParamExist("HOLE_B", "DEPTH"));
    EXPECT_TRUE(part.ParamExist("HOLE_A", "DEPTH"));

    EXPECT_FAULT("ProParameterInit", -2, part.ParamExist("LENGTH"), ardotk::Error, "");
}

TEST_F(ParamsTest, FeaturePatternMustMatchExactlyOneFeature) {
    EXPECT_THROW_CODE(part.ParamExist("HOLE_.*", "DEPTH"), ardotk::Error, -1, "nothing found");
    EXPECT_THROW_CODE(part.ParamGet("NO_SUCH", "DEPTH"), ardotk::Error, -1, "nothing found");
    EXPECT_THROW_CODE(part.ParamList("HOLE_.*", ".*"), ardotk::Error, -1, "nothing found");
    // The (feature, name, double) form lets the wrapper's error pass; the integer and
    // text forms report it as the library's own.
    EXPECT_THROW_CODE(part.ParamSet("HOLE_.*", "X", 1.0), ardotk::Error, -1, "nothing found");
    EXPECT_THROW_CODE(part.ParamSet("HOLE_.*", "X", 1), Ardo::Error, -1, "nothing found");
    EXPECT_THROW_CODE(part.ParamSet("HOLE_.*", "X", "t"), Ardo::Error, -1, "nothing found");
    EXPECT_EQ(testkit::callCount("ProParameterCreate"), 0);
}

TEST_F(ParamsTest, HostFailuresOfASetReachTheApplicationInEachFormsClass) {
    EXPECT_FAULT("ProParameterValueSet", -2, part.ParamSet("LENGTH", 1.0), ardotk::Error, "");
    EXPECT_FAULT("ProParameterValueSet", -2, part.ParamSet("LENGTH", 1), ardotk::Error, "");
    EXPECT_FAULT("ProParameterValueSet", -2, part.ParamSet("MATERIAL", "x"), Ardo::Error, "");
    EXPECT_FAULT("ProParameterValueSet", -2, part.ParamSet("HOLE_A", "DEPTH", 2), Ardo::Error, "");
    EXPECT_FAULT("ProParameterCreate", -17, part.ParamSet("HOLE_A", "NEW", "x"), Ardo::Error, "");
    EXPECT_FALSE(part.ParamExist("HOLE_A", "NEW"));
    EXPECT_DOUBLE_EQ(part.ParamGet("LENGTH").value.d, 12.5);
}

TEST_F(ParamsTest, LookupFailureOtherThanNotFoundStopsTheSet) {
    EXPECT_FAULT("ProParameterInit", -1, part.ParamSet("LENGTH", 2.0), ardotk::Error, "");
    EXPECT_FAULT("ProParameterInit", -1, part.ParamSet("MATERIAL", "x"), Ardo::Error, "");
    EXPECT_EQ(testkit::callCount("ProParameterCreate"), 0);
    EXPECT_EQ(testkit::callCount("ProParameterValueSet"), 0);
}

TEST_F(ParamsTest, ModelOwnerFailureCarriesTheOperationsText) {
    EXPECT_FAULT("ProMdlToModelitem", -1, part.ParamGet("LENGTH"), Ardo::Error,
                 "Ardo::Solid::ParamGet");
    EXPECT_FAULT("ProMdlToModelitem", -1, part.ParamList(".*"), Ardo::Error,
                 "Ardo::Solid::ParamList");
    EXPECT_FAULT("ProMdlTypeGet", -1, part.ParamDescription("LENGTH"), ardotk::Error, "");
}

TEST_F(ParamsTest, ListTakesWholeNameMatchesInHostOrder) {
    ASSERT_EQ(part.ParamList(".*"), 4);
    EXPECT_EQ(listed(4), (std::vector<std::string>{"LENGTH", "ALPHA", "MATERIAL", "BETA_A"}));
    kelt2pParamValue material = part.ParamListAt(2);
    EXPECT_EQ(material.type, Ardo::KELT2P_PARAM_STRING);
    EXPECT_STREQ(material.value.s, "STEEL");

    // ALPHA begins with A; MATERIAL and BETA_A only contain it.
    ASSERT_EQ(part.ParamList("A.*"), 1);
    EXPECT_STREQ(part.ParamListAt(0).name, "ALPHA");
    EXPECT_EQ(part.ParamList("LENGTH|BETA_A"), 2);
    EXPECT_EQ(part.ParamList("HOLE_A", ".*"), 1);
    EXPECT_STREQ(part.ParamListAt(0).name, "DEPTH");
    EXPECT_EQ(part.ParamList("Z.*"), 0);
    EXPECT_SUBSCRIPT_ERROR(part.ParamListAt(0));
}

TEST_F(ParamsTest, ListFailures) {
    EXPECT_PATTERN_ERROR(part.ParamList("("));
    EXPECT_FAULT("ProParameterVisit", -1, part.ParamList(".*"), ardotk::Error, "");
    EXPECT_FAULT("ProParameterVisit", -2, part.ParamList("A.*"), ardotk::Error, "");
    // Any other visit result ends the list normally.
    simhost::injectFault("ProParameterVisit", -4);
    EXPECT_EQ(part.ParamList(".*"), 0);

    ASSERT_EQ(part.ParamList(".*"), 4);
    EXPECT_THROW(part.ParamListAt(4), std::out_of_range);
    EXPECT_THROW(part.ParamListAt(-1), std::out_of_range);
    EXPECT_FAULT("ProParameterValueGet", -1, part.ParamListAt(0), Ardo::Error,
                 "Ardo::kelt2pMdl::ParamListAt");
}

TEST_F(ParamsTest, ListEntriesFollowTheHostAfterChanges) {
    ASSERT_EQ(part.ParamList(".*"), 4);
    part.ParamSet("LENGTH", 20.0);
    EXPECT_DOUBLE_EQ(part.ParamListAt(0).value.d, 20.0);
    part.ParamDelete("LENGTH");
    EXPECT_THROW_CODE(part.ParamListAt(0), Ardo::Error, -4, "Ardo::kelt2pMdl::ParamListAt");
    // A copy of the model object carries its own copy of the list.
    kelt2pMdl copy(part);
    EXPECT_EQ(copy.ParamList("A.*"), 1);
    EXPECT_STREQ(part.ParamListAt(1).name, "ALPHA");
    EXPECT_THROW(copy.ParamListAt(1), std::out_of_range);
}

TEST_F(ParamsTest, DeleteByModelAndByFeatureId) {
    part.ParamDelete("ALPHA");
    EXPECT_FALSE(part.ParamExist("ALPHA"));
    EXPECT_THROW_CODE(part.ParamDelete("ALPHA"), ardotk::Error, -4, "");
    part.ParamDelete(5, "DEPTH");
    EXPECT_FALSE(part.ParamExist("HOLE_A", "DEPTH"));

    // An id without a feature raises the host's answer to the feature lookup.
    ProFeature feature{};
    const int missing = ProFeatureInit(static_cast<ProSolid>(hostModel(L"BRACKET")), 99, &feature);
    ASSERT_NE(missing, PRO_TK_NO_ERROR);
    EXPECT_THROW_CODE(part.ParamDelete(99, "DEPTH"), Ardo::Error, missing, "");

    EXPECT_FAULT("ProModelitemInit", -2, part.ParamDelete(6, "X"), Ardo::Error,
                 "Ardo::Solid::ParamDelete");
}

TEST_F(ParamsTest, DescriptionsAreCutTo80AndKeptPerForm) {
    const char* model = part.ParamDescription("MATERIAL");
    EXPECT_STREQ(model, "what the part is made of");
    const char* feature = part.ParamDescription("HOLE_A", "DEPTH");
    EXPECT_STREQ(feature, "drilled depth");
    EXPECT_STREQ(model, "what the part is made of");
    EXPECT_STREQ(part.ParamDescription("LENGTH"), "");

    const std::string long100(100, 'd');
    part.ParamDescriptionSet("LENGTH", long100.c_str());
    EXPECT_EQ(std::string(part.ParamDescription("LENGTH")), long100.substr(0, 80));
    part.ParamDescriptionSet("HOLE_A", "DEPTH", "new");
    EXPECT_STREQ(part.ParamDescription("HOLE_A", "DEPTH"), "new");

    EXPECT_THROW_CODE(part.ParamDescription("NOPE"), ardotk::Error, -4, "");
    simhost::injectFault("ProParameterDescriptionGet", -1);
    EXPECT_STREQ(part.ParamDescription("MATERIAL"), "");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ParamsTest, UnboundModelRaisesEmptyBeforeTheHost) {
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.ParamExist("A"), Ardo::Error, -45, "Ardo::Solid::ParamExist");
    EXPECT_THROW_CODE(unbound.ParamGet("F", "A"), Ardo::Error, -45, "Ardo::Solid::ParamGet");
    EXPECT_THROW_CODE(unbound.ParamSet("A", 1), Ardo::Error, -45, "Ardo::Solid::ParamSet");
    EXPECT_THROW_CODE(unbound.ParamDelete(5, "A"), Ardo::Error, -45, "Ardo::Solid::ParamDelete");
    EXPECT_THROW_CODE(unbound.ParamDescription("A"), Ardo::Error, -45,
                      "Ardo::Solid::ParamDescription");
    EXPECT_THROW_CODE(unbound.ParamDescriptionSet("A", "d"), Ardo::Error, -45,
                      "Ardo::Solid::ParamDescriptionSet");
    EXPECT_THROW_CODE(unbound.ParamList(".*"), Ardo::Error, -45, "Ardo::Solid::ParamList");
    EXPECT_THROW_CODE(unbound.ParamListAt(0), Ardo::Error, -45, "Ardo::Solid::ParamListAt");
    EXPECT_TRUE(simhost::journal().empty());
}

}  // namespace
