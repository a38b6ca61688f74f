// UDFs and insert mode through kelt2pMdl: the current UDF's reference list and its index
// rules, placement with and without its group, placement in front of the model's
// features, and insert mode.
#include <ProToolkit.h>

#include <cstring>
#include <string>
#include <vector>

#include "kelt2proe/comp_path.h"
#include "kelt2proe/mdl.h"
#include "support/expect.h"

namespace {

using Ardo::kelt2pCompPath;
using Ardo::kelt2pFeaturetype;
using Ardo::kelt2pMdl;

constexpr int kGroupType = 1017;

class UdfTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
        // A mark on a chosen coordinate system, and one needing no reference at all.
        writeFile("mark.gph", R"({"references": [{"prompt": "BASE", "type": "csys"}],
            "features": [{"type": "csys", "name": "MARK", "reference": "BASE",
                          "moves": [{"move": "translate_z", "value": 7}]}]})");
        writeFile("std_marks.gph", R"({"features": [
            {"type": "csys", "name": "STD_CS"},
            {"type": "point", "name": "STD_PNT", "reference": "STD_CS", "at": [1, 0, 0]}]})");
        part.Create("plate", Ardo::KELT2P_MDL_PART);
        part.CsysCreate("CS0");
        part.CsysCreateOffSet("CS1", "CS0", 0, 5, 0, 0, 0, 0, 0);
    }
    // The names of the model's features in the host's order.
    std::vector<std::string> featureNames() {
        std::vector<std::string> names;
        int n = part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY);
        for (int i = 0; i < n; ++i) {
            names.emplace_back(part.FeatureName(part.FeatureList(i)));
        }
        return names;
    }
    int groups() { return part.FeatureList(".*", static_cast<kelt2pFeaturetype>(kGroupType)); }
    kelt2pMdl part;
};

TEST_F(UdfTest, TheReferenceListFollowsTheDefinitionAndItsIndexRules) {
    ASSERT_EQ(kelt2pMdl::UdfInit("mark"), 1);
    char prompt[80];
    char name[32];
    kelt2pFeaturetype type = Ardo::KELT2P_FEAT_ANY;
    kelt2pCompPath path;
    kelt2pMdl::UdfRef(0, prompt, &type, name, &path);
    EXPECT_STREQ(prompt, "BASE");
    EXPECT_EQ(type, 25);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(path.Depth(), 0);

    kelt2pCompPath here(part);
    kelt2pMdl::UdfAddSetRef(0, "CS1", here);
    kelt2pMdl::UdfRef(0, prompt, &type, name, &path);
    EXPECT_STREQ(name, "CS1");
    EXPECT_TRUE(path == here);

    // The index equal to the count raises; beyond it, or negative, nothing happens.
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::UdfRef(1, prompt, &type, name, &path));
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::UdfAddSetRef(1, "CS0", here));
    std::strcpy(name, "untouched");
    type = static_cast<kelt2pFeaturetype>(3);
    for (int index : {2, -1, 1000}) {
        kelt2pMdl::UdfRef(index, prompt, &type, name, &path);
        kelt2pMdl::UdfAddSetRef(index, "CS0", here);
    }
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(type, 3);
    kelt2pMdl::UdfRef(0, prompt, &type, name, &path);
    EXPECT_STREQ(name, "CS1");
}

TEST_F(UdfTest, NarrowBuffersOf80And32AreNeverOverrun) {
    std::string longPrompt(80, 'P');
    writeFile("wide.gph", R"({"references": [{"prompt": ")" + longPrompt +
                              R"(", "type": "csys"}], "features": []})");
    ASSERT_EQ(kelt2pMdl::UdfInit("wide"), 1);
    kelt2pCompPath here(part);
    kelt2pMdl::UdfAddSetRef(0, std::string(40, 'N').c_str(), here);
    struct Guarded {
        char text[80];
        char guard[16];
    } prompt;
    struct GuardedName {
        char text[32];
        char guard[16];
    } name;
    std::memset(&prompt, '#', sizeof prompt);
    std::memset(&name, '#', sizeof name);
    kelt2pMdl::UdfRef(0, prompt.text, nullptr, name.text, nullptr);
    EXPECT_EQ(std::string(prompt.text), std::string(79, 'P'));
    EXPECT_EQ(std::string(name.text), std::string(31, 'N'));
    EXPECT_EQ(std::string(prompt.guard, 16), std::string(16, '#'));
    EXPECT_EQ(std::string(name.guard, 16), std::string(16, '#'));
}

TEST_F(UdfTest, InitFailuresRaiseWithTheOperationsText) {
    EXPECT_THROW_CODE(kelt2pMdl::UdfInit("no_such_udf"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::kelt2pMdl::UdfInit");
    EXPECT_FAULT("ProUdfdataAlloc", PRO_TK_GENERAL_ERROR, kelt2pMdl::UdfInit("mark"), Ardo::Error,
                 "Ardo::kelt2pMdl::UdfInit");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTest, AUdfWithoutReferencesPlacesAndKeepsOrDropsItsGroup) {
    ASSERT_EQ(kelt2pMdl::UdfInit("std_marks"), 0);
    part.UdfAdd(false, true);
    EXPECT_EQ(groups(), 1);
    EXPECT_EQ(featureNames(),
              (std::vector<std::string>{"CS0", "CS1", "STD_MARKS", "STD_CS", "STD_PNT"}));
    // One initialisation serves several placements; this one ungroups.
    part.UdfAdd(true, false);
    EXPECT_EQ(groups(), 1);
    EXPECT_EQ(featureNames().size(), 7u);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTest, AUdfIsPlacedOnTheChosenItem) {
    ASSERT_EQ(kelt2pMdl::UdfInit("mark"), 1);
    kelt2pCompPath here(part);
    kelt2pMdl::UdfAddSetRef(0, "CS1", here);
    part.UdfAdd(true, true);
    EXPECT_EQ(groups(), 0);
    // The UDF is named as its one feature: the feature keeps the name, not the group.
    Ardo::Matrix mark = part.CsysGetTransform("MARK");
    EXPECT_NEAR(mark.TransGetX(), 5.0, 1e-9);
    EXPECT_NEAR(mark.TransGetZ(), 7.0, 1e-9);

    // An item the model does not have raises with the host's code before any placement.
    kelt2pMdl::UdfAddSetRef(0, "NOPE", here);
    EXPECT_THROW_CODE(part.UdfAdd(true, true), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::kelt2pMdl::UdfAdd");
    EXPECT_EQ(groups(), 0);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTest, UdfAddStdPutsTheFeaturesInFrontOfTheFirstOne) {
    part.UdfAddStd("std_marks.gph");
    EXPECT_EQ(featureNames(), (std::vector<std::string>{"STD_CS", "STD_PNT", "CS0", "CS1"}));
    EXPECT_FALSE(part.InsertModeIsActive());
    EXPECT_EQ(groups(), 0);
    // The current UDF is not touched.
    ASSERT_EQ(kelt2pMdl::UdfInit("mark"), 1);
    part.UdfAddStd("std_marks");
    char prompt[80];
    kelt2pMdl::UdfRef(0, prompt, nullptr, nullptr, nullptr);
    EXPECT_STREQ(prompt, "BASE");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(UdfTest, UdfAddStdFailingInInsertModeLeavesNoFeatureSuppressed) {
    simhost::injectFault("ProUdfCreate", PRO_TK_GENERAL_ERROR);
    EXPECT_THROW_CODE(part.UdfAddStd("std_marks"), Ardo::Error, PRO_TK_GENERAL_ERROR,
                      "Ardo::kelt2pMdl::UdfAddStd");
    EXPECT_FALSE(part.InsertModeIsActive());
    EXPECT_EQ(part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY), 2);
    EXPECT_EQ(featureNames(), (std::vector<std::string>{"CS0", "CS1"}));
    EXPECT_EQ(simhost::liveObjects(), 0);
    // A model without active features has nothing to place in front of.
    kelt2pMdl empty;
    empty.Create("empty", Ardo::KELT2P_MDL_PART);
    EXPECT_THROW_CODE(empty.UdfAddStd("std_marks"), ardotk::Error, PRO_TK_GENERAL_ERROR, "");
}

TEST_F(UdfTest, InsertModePutsNewFeaturesAfterTheChosenOne) {
    part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY);
    int first = part.FeatureList(0);
    EXPECT_FALSE(part.InsertModeIsActive());
    part.InsertModeActivate(first);
    EXPECT_TRUE(part.InsertModeIsActive());
    part.CsysCreateOffSet("CS2", "CS0", 0, 1, 0, 0, 0, 0, 0);
    // CS1 waits suppressed, so the listing of active features leaves it out.
    EXPECT_EQ(featureNames(), (std::vector<std::string>{"CS0", "CS2"}));
    part.InsertModeCancel(true);
    EXPECT_FALSE(part.InsertModeIsActive());
    EXPECT_EQ(featureNames(), (std::vector<std::string>{"CS0", "CS2", "CS1"}));
    // Not active: the host's code, the empty text.
    EXPECT_THROW_CODE(part.InsertModeCancel(true), Ardo::Error, PRO_TK_E_NOT_FOUND, "");
    EXPECT_THROW_CODE(part.InsertModeActivate(9999), Ardo::Error, PRO_TK_E_NOT_FOUND, "");
    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.InsertModeIsActive(), Ardo::Error, -45,
                      "Ardo::kelt2pMdl::InsertModeIsActive");
}

}  // namespace
