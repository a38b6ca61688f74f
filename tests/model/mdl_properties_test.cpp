// Subtype, model data, units, accuracy, colour and version stamp of a model.
#include <ProDevelop.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "model/model_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlProperties : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        part.Create("gear", Ardo::KELT2P_MDL_PART);
        simhost::clearJournal();
    }

    static Pro_surf_props rawProps() {
        Pro_surf_props props = {};
        EXPECT_GE(prodb_get_surface_props(hostModel(L"gear"), SEL_3D_PART, -1, 0, &props), 0);
        return props;
    }

    kelt2pMdl part;
};

TEST_F(MdlProperties, EachHostFailureCarriesTheOperationsText) {
    const struct {
        const char* function;
        int code;
        std::function<void()> call;
        const char* text;
    } faults[] = {
        {"ProMdlSubtypeGet", -2, [&] { part.SubtypeGet(); }, "Ardo::Mdl::SubtypeGet"},
        {"ProMdldataGet", -4, [&] { part.DataGet(); }, "Ardo::Mdl::DataGet"},
        {"ProMdlPrincipalunitsystemGet", -1, [&] { part.LengthUnitGet(); },
         "Ardo::Mdl::LengthUnitGet"},
        {"ProMdlPrincipalunitsystemSet", -2, [&] { part.LengthUnitSet(Ardo::KELT2P_UNIT_CGS); },
         "Ardo::Mdl::LengthUnitSet"},
        {"ProSolidAccuracyGet", -1, [&] { part.AccuracyGet(); }, "Ardo::Solid::AccuracyGet"},
        {"ProSolidAccuracyGet", -1, [&] { part.AccuracyTypeGet(); },
         "Ardo::Solid::AccuracyTypeGet"},
        {"ProSolidAccuracySet", -2, [&] { part.AccuracySet(Ardo::KELT2P_ACCURACY_RELATIVE, 0.1); },
         "Ardo::Solid::AccuracySet"},
        {"prodb_get_surface_props", -1, [&] { part.ColorGet(); }, "Ardo::Solid::ColorGet"},
        {"prodb_set_surface_props", -2, [&] { part.ColorSet(1, 1, 1); }, "Ardo::Solid::ColorSet"},
        {"ProMdlIsVariantfeatMdl", -1, [&] { part.IsFlexible(); }, "Ardo::Mdl::IsFlexible"},
        {"ProSolidRegenerate", -56, [&] { part.Regenerate(); }, "Ardo::Solid::Regenerate"},
        {"ProTreetoolRefresh", -1, [&] { part.TreetoolRefresh(); }, "Ardo::Mdl::TreetoolRefresh"},
    };
    for (const auto& f : faults) {
        EXPECT_FAULT(f.function, f.code, f.call(), Ardo::Error, f.text);
    }
    // The colour is read before it is written: a failed read writes nothing.
    simhost::clearJournal();
    EXPECT_FAULT("prodb_get_surface_props", -1, part.ColorSet(1, 1, 1), Ardo::Error,
                 "Ardo::Solid::ColorSet");
    EXPECT_EQ(testkit::callCount("prodb_set_surface_props"), 0);
}

TEST_F(MdlProperties, SubtypeDataFlexibleAndInstanceOfAPlainPart) {
    simhost::injectFault("ProMdlSubtypeGet", -8);
    EXPECT_EQ(part.SubtypeGet(), Ardo::KELT2P_MDLSTYPE_NONE) << "the host knows none";
    Ardo::kelt2pMdldata data = part.DataGet();
    EXPECT_STREQ(data.name, "GEAR");
    EXPECT_STREQ(data.type, "PRT");
    EXPECT_FALSE(part.IsFlexible());
    EXPECT_FALSE(part.IsInstance());
    part.Regenerate();
    EXPECT_TRUE(testkit::journalHas("ProSolidRegenerate"));
    part.TreetoolRefresh();
    EXPECT_TRUE(testkit::journalHas("ProTreetoolRefresh"));
}

TEST_F(MdlProperties, EveryTableUnitRoundTripsOthersAreRefusedBeforeTheHost) {
    EXPECT_THROW_CODE(part.LengthUnitSet(static_cast<Ardo::kelt2pLengthUnit>(99)), Ardo::Error, -2,
                      "Ardo::Mdl::LengthUnitSet");
    EXPECT_THROW_CODE(part.LengthUnitSet(Ardo::KELT2P_UNIT_OTHER), Ardo::Error, -2,
                      "Ardo::Mdl::LengthUnitSet");
    EXPECT_EQ(testkit::callCount("ProMdlPrincipalunitsystemSet"), 0);
    for (Ardo::kelt2pLengthUnit unit :
         {Ardo::KELT2P_UNIT_INCH_LBM, Ardo::KELT2P_UNIT_FPS, Ardo::KELT2P_UNIT_MMNS,
          Ardo::KELT2P_UNIT_CGS, Ardo::KELT2P_UNIT_MMKS, Ardo::KELT2P_UNIT_IPS}) {
        part.LengthUnitSet(unit);
        EXPECT_EQ(part.LengthUnitGet(), unit);
    }
    EXPECT_TRUE(testkit::journalHas("ProMdlPrincipalunitsystemSet"));
}

TEST_F(MdlProperties, AccuracyTypeAndValue) {
    part.AccuracySet(Ardo::KELT2P_ACCURACY_ABSOLUTE, 0.05);
    EXPECT_EQ(part.AccuracyTypeGet(), Ardo::KELT2P_ACCURACY_ABSOLUTE);
    EXPECT_DOUBLE_EQ(part.AccuracyGet(), 0.05);
}

TEST_F(MdlProperties, ColorSetWithThreeValuesKeepsHostDouble4AndTheRestOfTheRecord) {
    Pro_surf_props props = rawProps();
    props.values[4] = 0.25;  // transparency, never exposed
    props.values[20] = 7.5;  // beyond the twelve used doubles
    ASSERT_GE(prodb_set_surface_props(hostModel(L"gear"), SEL_3D_PART, -1, 0, &props), 0);

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

    EXPECT_THROW_CODE(part.VerstampEqual(""), Ardo::Error, -2, "Ardo::Mdl::VerstampEqual");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
