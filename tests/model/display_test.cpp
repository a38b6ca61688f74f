// The display switches, views and layers of kelt2pMdl against the simulated host.
#include <ProLayer.h>
#include <ProUtil.h>
#include <ProView.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "model/model_fixture.h"

namespace {

using modeltest::ModelTest;

constexpr const char* kPart = R"({"features": {"next_id": 12, "list": [
    {"id": 1, "type": 979, "name": "ACS0", "items": [{"id": 2, "type": 25}]},
    {"id": 5, "type": 917, "name": "BASE"}]}})";

class DisplayTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        part = load("plate.prt", Ardo::KELT2P_MDL_PART, kPart);
        host = hostModel(L"PLATE");
        part.Display();
        window = part.WindowGet();
    }

    static std::wstring option(const wchar_t* name) {
        ProName wide = {};
        std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
        ProLine value = {};
        EXPECT_EQ(ProConfigoptGet(wide, value), PRO_TK_NO_ERROR);
        return value;
    }

    static void optionSet(const wchar_t* name, const wchar_t* text) {
        ProName wide = {};
        std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
        ProPath value = {};
        std::wcsncpy(value, text, PRO_PATH_SIZE - 1);
        ASSERT_EQ(ProConfigoptSet(wide, value), PRO_TK_NO_ERROR);
    }

    Ardo::kelt2pMdl part;
    ProMdl host = nullptr;
    int window = -1;
};

using Switch = bool (Ardo::kelt2pMdl::*)(bool);

struct SwitchCase {
    Switch call;
    const wchar_t* option;
    const char* text;
};

const SwitchCase kSwitches[] = {
    {&Ardo::kelt2pMdl::DispModePlane, L"display_planes", "Ardo::Mdl::DispModePlane"},
    {&Ardo::kelt2pMdl::DispModePoint, L"display_points", "Ardo::Mdl::DispModePoint"},
    {&Ardo::kelt2pMdl::DispModeCsys, L"display_coord_sys", "Ardo::Mdl::DispModeCsys"},
    {&Ardo::kelt2pMdl::DispModeAxis, L"display_axes", "Ardo::Mdl::DispModeAxis"},
    {&Ardo::kelt2pMdl::DispModeNote, L"display_annotations", "Ardo::Mdl::DispModeNote"},
};

TEST_F(DisplayTest, EachSwitchTurnsItsOwnOptionAndRepaints) {
    int changes = 0;
    for (const SwitchCase& c : kSwitches) {
        SCOPED_TRACE(c.text);
        simhost::clearJournal();
        EXPECT_TRUE((part.*c.call)(true)) << "on by default; no change";
        EXPECT_EQ(testkit::callCount("ProConfigoptSet"), 0);
        EXPECT_EQ(simhost::displayListInvalidations(host), changes);

        EXPECT_TRUE((part.*c.call)(false)) << "the previous state";
        ++changes;
        EXPECT_EQ(option(c.option), L"NO");
        EXPECT_EQ(simhost::displayListInvalidations(host), changes);
        EXPECT_EQ(simhost::windowRepaints(window), changes);

        EXPECT_FALSE((part.*c.call)(false));
        EXPECT_EQ(simhost::displayListInvalidations(host), changes) << "no change, no repaint";
        EXPECT_FALSE((part.*c.call)(true));
        ++changes;
        EXPECT_EQ(option(c.option), L"YES");
        EXPECT_EQ(simhost::windowRepaints(window), changes);
    }
    // Each switch touched only its own option.
    optionSet(L"display_axes", L"no");
    EXPECT_TRUE(part.DispModePlane(true));
    EXPECT_FALSE(part.DispModeAxis(false));
}

TEST_F(DisplayTest, TheOptionIsWrittenInLowerCase) {
    simhost::clearJournal();
    part.DispModePoint(false);
    EXPECT_TRUE(testkit::journalHas("ProConfigoptSet display_points no"));
    simhost::clearJournal();
    part.DispModePoint(true);
    EXPECT_TRUE(testkit::journalHas("ProConfigoptSet display_points yes"));
}

// The host answers yes/no options in upper case whatever case they were written in, so
// a lower-case answer cannot be reached with this host; an answer that is not exactly
// "YES" counts as off.
TEST_F(DisplayTest, AnAnswerOtherThanYesIsOff) {
    optionSet(L"display_planes", L"yes please");
    EXPECT_FALSE(part.DispModePlane(true));
    EXPECT_EQ(option(L"display_planes"), L"YES");
}

TEST_F(DisplayTest, FailuresCarryTheSwitchsText) {
    simhost::injectFault("ProConfigoptGet", PRO_TK_E_NOT_FOUND);
    EXPECT_THROW_CODE(part.DispModeCsys(false), Ardo::Error, -4, "Ardo::Mdl::DispModeCsys");
    simhost::injectFault("ProWindowRepaint", PRO_TK_BAD_INPUTS);
    EXPECT_THROW_CODE(part.DispModeCsys(false), Ardo::Error, -2, "Ardo::Mdl::DispModeCsys");
    EXPECT_EQ(option(L"display_coord_sys"), L"NO") << "no rollback";

    // An invalidation that finds nothing to invalidate is no failure.
    simhost::injectFault("ProDisplistInvalidate", PRO_TK_NOT_EXIST);
    EXPECT_FALSE(part.DispModeCsys(true));
    EXPECT_EQ(simhost::windowRepaints(window), 1);
    simhost::injectFault("ProDisplistInvalidate", PRO_TK_GENERAL_ERROR);
    EXPECT_THROW_CODE(part.DispModeCsys(false), Ardo::Error, -1, "Ardo::Mdl::DispModeCsys");
    EXPECT_EQ(simhost::windowRepaints(window), 1) << "no repaint after the failure";
}

TEST_F(DisplayTest, AModelWithoutWindowIsRefusedAfterTheChange) {
    Ardo::kelt2pMdl hidden = load("hidden.prt", Ardo::KELT2P_MDL_PART, "{}");
    EXPECT_THROW_CODE(hidden.DispModeNote(false), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::Mdl::DispModeNote");
    EXPECT_EQ(option(L"display_annotations"), L"NO") << "a session setting, set before";
}

TEST_F(DisplayTest, UnboundModelsAreRefusedBeforeAnyHostCall) {
    Ardo::kelt2pMdl unbound;
    simhost::clearJournal();
    for (const SwitchCase& c : kSwitches) {
        EXPECT_THROW_CODE((unbound.*c.call)(false), Ardo::Error, PRO_TK_EMPTY, c.text);
    }
    EXPECT_THROW_CODE(unbound.ViewStore("A"), Ardo::Error, -45, "Ardo::Mdl::ViewStore");
    EXPECT_THROW_CODE(unbound.ViewRetrieve("A"), Ardo::Error, -45, "Ardo::Mdl::ViewRetrieve");
    EXPECT_THROW_CODE(unbound.ViewReset(), Ardo::Error, -45, "Ardo::Mdl::ViewReset");
    EXPECT_THROW_CODE(unbound.ViewRefit(), Ardo::Error, -45, "Ardo::Mdl::ViewRefit");
    EXPECT_THROW_CODE(unbound.ViewMatrixGet(""), Ardo::Error, -45, "Ardo::Mdl::ViewMatrixGet");
    Ardo::Matrix m;
    EXPECT_THROW_CODE(unbound.ViewMatrixSet(m), Ardo::Error, -45, "Ardo::Mdl::ViewMatrixSet");
    EXPECT_THROW_CODE(unbound.LayerCreate("A"), Ardo::Error, -45, "Ardo::Mdl::LayerCreate");
    EXPECT_THROW_CODE(unbound.LayerDisplaystatus("A"), Ardo::Error, -45,
                      "Ardo::Mdl::LayerDisplaystatus");
    EXPECT_THROW_CODE(unbound.LayerDisplaystatus("A", Ardo::KELT2P_LAYER_BLANK), Ardo::Error, -45,
                      "Ardo::Mdl::LayerList");
    EXPECT_THROW_CODE(unbound.LayerList("A"), Ardo::Error, -45, "Ardo::Mdl::LayerList");
    EXPECT_TRUE(simhost::journal().empty());
}

// --- Views ---------------------------------------------------------------------

void expectNear(const Ardo::Matrix& actual, const Ardo::Matrix& expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual.m[r][c], expected.m[r][c], 1e-12) << "row " << r << " col " << c;
        }
    }
}

TEST_F(DisplayTest, ViewMatrixIsTheTransposeOfTheHosts) {
    expectNear(part.ViewMatrixGet(""), Ardo::Matrix());
    Ardo::Matrix turn;
    turn.RotZ(0.3);
    Ardo::Matrix sent = turn;
    part.ViewMatrixSet(sent);
    expectNear(part.ViewMatrixGet(""), turn);
    // The host keeps the view's axes as rows: the columns of the library's matrix.
    ProMatrix hostRows = {};
    ASSERT_EQ(ProViewMatrixGet(host, nullptr, hostRows), PRO_TK_NO_ERROR);
    EXPECT_NEAR(hostRows[0][1], std::sin(0.3), 1e-12);
    EXPECT_NEAR(hostRows[1][0], -std::sin(0.3), 1e-12);
}

TEST_F(DisplayTest, ViewMatrixSetNormalisesTheCallersMatrix) {
    Ardo::Matrix given;
    given.RotZ(-0.8);
    given *= 3.0;
    given.m[3][3] = 1.0;
    given.TransAdd(10.0, 20.0, 30.0);
    part.ViewMatrixSet(given);
    Ardo::Matrix expected;
    expected.RotZ(-0.8);
    expectNear(given, expected);
    expectNear(part.ViewMatrixGet(""), expected);
}

TEST_F(DisplayTest, ANonRotationIsRefusedByTheHost) {
    Ardo::Matrix squashed;
    squashed.m[1][1] = 0.5;
    EXPECT_THROW_CODE(part.ViewMatrixSet(squashed), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::Mdl::ViewMatrixSet");
    expectNear(part.ViewMatrixGet(""), Ardo::Matrix());
}

TEST_F(DisplayTest, NamedViewsStoreRetrieveAndRead) {
    Ardo::Matrix front;
    front.RotX(1.1);
    Ardo::Matrix sent = front;
    part.ViewMatrixSet(sent);
    part.ViewStore("front");
    part.ViewReset();
    expectNear(part.ViewMatrixGet(""), Ardo::Matrix());
    expectNear(part.ViewMatrixGet("FRONT"), front);
    part.ViewRetrieve("Front");
    expectNear(part.ViewMatrixGet(""), front);
    part.ViewRefit();
    EXPECT_EQ(simhost::viewRefits(host), 1);
    expectNear(part.ViewMatrixGet(""), front);

    EXPECT_THROW_CODE(part.ViewRetrieve("SIDE"), Ardo::Error, -4, "Ardo::Mdl::ViewRetrieve");
    EXPECT_THROW_CODE(part.ViewMatrixGet("SIDE"), Ardo::Error, -4,
                      "Ardo::kelt2pMdl::ViewMatrixGet");
    EXPECT_THROW_CODE(part.ViewStore("no good"), Ardo::Error, -2, "Ardo::Mdl::ViewStore");
}

TEST_F(DisplayTest, OverlongViewNamesReachTheHostCutAndAreRefused) {
    const std::string longName(300, 'V');
    EXPECT_THROW_CODE(part.ViewStore(longName.c_str()), Ardo::Error, -2, "Ardo::Mdl::ViewStore");
    EXPECT_THROW_CODE(part.ViewStore(std::string(32, 'V').c_str()), Ardo::Error, -2,
                      "Ardo::Mdl::ViewStore");
    part.ViewStore(std::string(31, 'V').c_str());
}

// --- Layers --------------------------------------------------------------------

TEST_F(DisplayTest, LayersAreCreatedListedAndNamed) {
    EXPECT_EQ(part.LayerList(".*"), 0);
    EXPECT_EQ(part.LayerCreate("datums"), 12);
    EXPECT_EQ(part.LayerCreate("NOTES"), 13);
    EXPECT_EQ(part.LayerCreate("DATUMS_2"), 14);
    EXPECT_THROW_CODE(part.LayerCreate("Datums"), ardotk::Error, PRO_TK_E_FOUND,
                      "ardotk::LayerCreate");

    EXPECT_EQ(part.LayerList(".*"), 3);
    EXPECT_STREQ(part.LayerList(0), "DATUMS");
    EXPECT_STREQ(part.LayerList(1), "NOTES");
    EXPECT_STREQ(part.LayerList(2), "DATUMS_2");
    EXPECT_EQ(part.LayerList("DATUMS.*"), 2);
    EXPECT_STREQ(part.LayerList(1), "DATUMS_2");
    EXPECT_EQ(part.LayerList("DATUMS"), 1) << "the whole name matches";
    EXPECT_EQ(part.LayerList("datums"), 0) << "case-sensitive";
    try {
        part.LayerList(1);
        FAIL() << "no out-of-range error";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "invalid vector<T> subscript");
    }
    // One list for every model object.
    EXPECT_EQ(part.LayerList(".*"), 3);
    Ardo::kelt2pMdl other;
    EXPECT_STREQ(other.LayerList(0), "DATUMS");
}

TEST_F(DisplayTest, AnInvalidPatternIsRefusedWithCodeMinusOne) {
    part.LayerCreate("A");
    EXPECT_EQ(part.LayerList(".*"), 1);
    try {
        part.LayerList("(");
        FAIL() << "no exception";
    } catch (const ardotk::Error& e) {
        EXPECT_EQ(e.code, -1);
        EXPECT_STRNE(e.text, "");
        EXPECT_STRNE(e.text, "UNBEKANNTER FEHLER");
    }
    EXPECT_THROW(part.LayerList(0), std::out_of_range) << "the list is empty after a failure";
    EXPECT_THROW_CODE(part.LayerDisplaystatus("[", Ardo::KELT2P_LAYER_BLANK), ardotk::Error, -1,
                      "missing ] for [ at 0");
}

TEST_F(DisplayTest, StatusIsSetForEveryMatchAndReadForExactlyOne) {
    part.LayerCreate("L1");
    part.LayerCreate("L2");
    part.LayerCreate("L3");
    part.LayerCreate("OTHER");
    part.LayerDisplaystatus("L.", Ardo::KELT2P_LAYER_BLANK);
    EXPECT_EQ(part.LayerDisplaystatus("L1"), Ardo::KELT2P_LAYER_BLANK);
    EXPECT_EQ(part.LayerDisplaystatus("L2"), Ardo::KELT2P_LAYER_BLANK);
    EXPECT_EQ(part.LayerDisplaystatus("L3"), Ardo::KELT2P_LAYER_BLANK);
    EXPECT_EQ(part.LayerDisplaystatus("OTHER"), Ardo::KELT2P_LAYER_NORMAL);
    EXPECT_THROW_CODE(part.LayerDisplaystatus("L."), Ardo::Error, 0, "layer not found");
    EXPECT_THROW_CODE(part.LayerDisplaystatus("NONE"), Ardo::Error, 0, "layer not found");
    part.LayerDisplaystatus("NONE", Ardo::KELT2P_LAYER_HIDDEN);  // sets nothing, raises nothing
    EXPECT_THROW_CODE(part.LayerDisplaystatus("OTHER", Ardo::KELT2P_LAYER_SKIP), ardotk::Error,
                      PRO_TK_BAD_INPUTS, "ardotk::LayerDisplaystatus");
    EXPECT_EQ(part.LayerDisplaystatus("OTHER"), Ardo::KELT2P_LAYER_NORMAL);
}

TEST_F(DisplayTest, AFailingNameReadIsNoShorterList) {
    part.LayerCreate("A");
    part.LayerCreate("B");
    simhost::injectFault("ProModelitemNameGet", PRO_TK_GENERAL_ERROR, 2);
    EXPECT_THROW_CODE(part.LayerList(".*"), ardotk::Error, -1, "");
    EXPECT_THROW(part.LayerList(0), std::out_of_range);
    simhost::injectFault("ProModelitemNameGet", PRO_TK_E_NOT_FOUND, 2);
    EXPECT_THROW_CODE(part.LayerList(".*"), ardotk::Error, -4, "");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(DisplayTest, ItemsAreAddedByIdToALayerByName) {
    part.LayerCreate("BODY");
    part.LayerItemAdd("body", 5);
    ProLayer layer{PRO_LAYER, 12, host};
    ProLayerItem item{};
    ASSERT_EQ(ProLayerItemInit(PRO_LAYER_FEAT, 5, host, &item), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProLayerItemAdd(&layer, &item), PRO_TK_E_FOUND) << "the feature is on the layer";

    EXPECT_THROW_CODE(part.LayerItemAdd("BODY", 99), ardotk::Error, PRO_TK_E_NOT_FOUND,
                      "ardotk::LayerItemAdd");
    EXPECT_THROW_CODE(part.LayerItemAdd("MISSING", 5), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::Mdl::LayerItemAdd");
    Ardo::kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.LayerItemAdd("BODY", 5), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::Mdl::LayerItemAdd");
}

}  // namespace
