// Subtype, model data, units, accuracy, colour and version stamp of a model.
#include <ProDevelop.h>
#include <ProMdl.h>

#include <cstring>
#include <string>
#include <vector>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlProperties : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
        part.Create("gear", Ardo::KELT2P_MDL_PART);
        simhost::clearJournal();
    }

    Pro_surf_props rawProps() {
        Pro_surf_props props = {};
        EXPECT_GE(prodb_get_surface_props(hostHandle(), SEL_3D_PART, -1, 0, &props), 0);
        return props;
    }

    // The host's handle of the part, looked up through the toolkit.
    ProMdl hostHandle() {
        ProName name = L"gear";
        ProMdl handle = nullptr;
        EXPECT_EQ(ProMdlInit(name, PRO_MDL_PART, &handle), PRO_TK_NO_ERROR);
        return handle;
    }

    kelt2pMdl part;
};

TEST_F(MdlProperties, SubtypeIsZeroWhereTheHostKnowsNone) {
    simhost::injectFault("ProMdlSubtypeGet", -8);
    EXPECT_EQ(part.SubtypeGet(), Ardo::KELT2P_MDLSTYPE_NONE);
    simhost::injectFault("ProMdlSubtypeGet", -2);
    EXPECT_THROW_CODE(part.SubtypeGet(), Ardo::Error, -2, "Ardo::Mdl::SubtypeGet");
}

TEST_F(MdlProperties, DataCarriesTheHostRecord) {
    Ardo::kelt2pMdldata data = part.DataGet();
    EXPECT_STREQ(data.name, "GEAR");
    EXPECT_STREQ(data.type, "PRT");
    simhost::injectFault("ProMdldataGet", -4);
    EXPECT_THROW_CODE(part.DataGet(), Ardo::Error, -4, "Ardo::Mdl::DataGet");
}

TEST_F(MdlProperties, EveryTableUnitRoundTrips) {
    for (Ardo::kelt2pLengthUnit unit :
         {Ardo::KELT2P_UNIT_INCH_LBM, Ardo::KELT2P_UNIT_FPS, Ardo::KELT2P_UNIT_MMNS,
          Ardo::KELT2P_UNIT_CGS, Ardo::KELT2P_UNIT_MMKS, Ardo::KELT2P_UNIT_IPS}) {
        part.LengthUnitSet(unit);
        EXPECT_EQ(part.LengthUnitGet(), unit);
    }
    EXPECT_TRUE(testkit::journalHas("ProMdlPrincipalunitsystemSet"));
}

TEST_F(MdlProperties, UnitOutsideTheTableIsRefusedBeforeTheHost) {
    EXPECT_THROW_CODE(part.LengthUnitSet(static_cast<Ardo::kelt2pLengthUnit>(99)), Ardo::Error, -2,
                      "Ardo::Mdl::LengthUnitSet");
    EXPECT_THROW_CODE(part.LengthUnitSet(Ardo::KELT2P_UNIT_OTHER), Ardo::Error, -2,
                      "Ardo::Mdl::LengthUnitSet");
    EXPECT_EQ(testkit::callCount("ProMdlPrincipalunitsystemSet"), 0);
}

TEST_F(MdlProperties, UnitFailuresCarryTheHostCode) {
    simhost::injectFault("ProMdlPrincipalunitsystemGet", -1);
    EXPECT_THROW_CODE(part.LengthUnitGet(), Ardo::Error, -1, "Ardo::Mdl::LengthUnitGet");
    simhost::injectFault("ProMdlPrincipalunitsystemSet", -2);
    EXPECT_THROW_CODE(part.LengthUnitSet(Ardo::KELT2P_UNIT_CGS), Ardo::Error, -2,
                      "Ardo::Mdl::LengthUnitSet");
}

TEST_F(MdlProperties, AccuracyTypeAndValue) {
    part.AccuracySet(Ardo::KELT2P_ACCURACY_ABSOLUTE, 0.05);
    EXPECT_EQ(part.AccuracyTypeGet(), Ardo::KELT2P_ACCURACY_ABSOLUTE);
    EXPECT_DOUBLE_EQ(part.AccuracyGet(), 0.05);
    simhost::injectFault("ProSolidAccuracyGet", -1);
    EXPECT_THROW_CODE(part.AccuracyGet(), Ardo::Error, -1, "Ardo::Solid::AccuracyGet");
    simhost::injectFault("ProSolidAccuracyGet", -1);
    EXPECT_THROW_CODE(part.AccuracyTypeGet(), Ardo::Error, -1, "Ardo::Solid::AccuracyTypeGet");
    simhost::injectFault("ProSolidAccuracySet", -2);
    EXPECT_THROW_CODE(part.AccuracySet(Ardo::KELT2P_ACCURACY_RELATIVE, 0.1), Ardo::Error, -2,
                      "Ardo::Solid::AccuracySet");
}

TEST_F(MdlProperties, ColorSetWithThreeValuesKeepsHostDouble4AndTheRestOfTheRecord) {
    ProMdl handle = hostHandle();
    Pro_surf_props props = rawProps();
    props.values[4] = 0.25;  // transparency, never exposed
    props.values[20] = 7.5;  // beyond the twelve used doubles
    ASSERT_GE(prodb_set_surface_props(handle, SEL_3D_PART, -1, 0, &props), 0);

    part.ColorSet(0.1, 0.2, 0.3);
    Pro_surf_props after = rawProps();
    const double expected[12] = {0.6, 0.7, 0.5, 0.35, 0.25, 0.0, 0.1, 0.2, 0.3, 1.0, 1.0, 1.0};
    for (int d = 0; d < 12; ++d) {
        EXPECT_DOUBLE_EQ(after.values[d], expected[d]) << "host double " << d;
    }
    EXPECT_DOUBLE_EQ(after.values[20], 7.5);
}

TEST_F(MdlProperties, ColorRecordMapsOntoTheHostDoubles) {
    Ardo::kelt2pModelColor color = {};
    for (int i = 0; i < 11; ++i) {
        color.value[i] = 0.01 * (i + 1);
    }
    part.ColorSet(color);
    Pro_surf_props after = rawProps();
    const int hostDouble[11] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 11; ++i) {
        EXPECT_DOUBLE_EQ(after.values[hostDouble[i]], color.value[i]) << "element " << i;
    }
    Ardo::kelt2pModelColor read = part.ColorGet();
    EXPECT_EQ(std::memcmp(read.value, color.value, sizeof color.value), 0);
}

TEST_F(MdlProperties, ColorFailuresAreNegativeHostResults) {
    simhost::injectFault("prodb_get_surface_props", -1);
    EXPECT_THROW_CODE(part.ColorGet(), Ardo::Error, -1, "Ardo::Solid::ColorGet");
    simhost::injectFault("prodb_get_surface_props", -1);
    EXPECT_THROW_CODE(part.ColorSet(1, 1, 1), Ardo::Error, -1, "Ardo::Solid::ColorSet");
    EXPECT_EQ(testkit::callCount("prodb_set_surface_props"), 0);
    simhost::injectFault("prodb_set_surface_props", -2);
    EXPECT_THROW_CODE(part.ColorSet(1, 1, 1), Ardo::Error, -2, "Ardo::Solid::ColorSet");
    // A model with the host's default appearance reads as success (result 1).
    kelt2pMdl fresh;
    fresh.Create("fresh", Ardo::KELT2P_MDL_PART);
    fresh.ColorGet();
    fresh.Display();  // the colour read left a success recorded
}

TEST_F(MdlProperties, VerstampTextAndLength) {
    int length = part.VerstampStringGet(nullptr);
    ASSERT_GT(length, 0);
    std::vector<char> buf(static_cast<std::size_t>(length) + 8, '#');
    EXPECT_EQ(part.VerstampStringGet(buf.data()), length);
    EXPECT_EQ(std::strlen(buf.data()), static_cast<std::size_t>(length));
    EXPECT_EQ(buf[static_cast<std::size_t>(length) + 1], '#') << "copied beyond the terminator";
    EXPECT_EQ(simhost::liveObjects(), 0);

    EXPECT_TRUE(part.VerstampEqual(buf.data()));
    part.AccuracySet(Ardo::KELT2P_ACCURACY_RELATIVE, 0.004);
    EXPECT_FALSE(part.VerstampEqual(buf.data())) << "the model changed";
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(MdlProperties, FlexibleAndInstanceOfAPlainPart) {
    EXPECT_FALSE(part.IsFlexible());
    EXPECT_FALSE(part.IsInstance());
    simhost::injectFault("ProMdlIsVariantfeatMdl", -1);
    EXPECT_THROW_CODE(part.IsFlexible(), Ardo::Error, -1, "Ardo::Mdl::IsFlexible");
}

TEST_F(MdlProperties, RegenerateAndTreetoolAskTheHost) {
    part.Regenerate();
    EXPECT_TRUE(testkit::journalHas("ProSolidRegenerate"));
    part.TreetoolRefresh();
    simhost::injectFault("ProSolidRegenerate", -56);
    EXPECT_THROW_CODE(part.Regenerate(), Ardo::Error, -56, "Ardo::Solid::Regenerate");
    simhost::injectFault("ProTreetoolRefresh", -1);
    EXPECT_THROW_CODE(part.TreetoolRefresh(), Ardo::Error, -1, "Ardo::Mdl::TreetoolRefresh");
}

}  // namespace
