// Models written by hand in the host's model-file format: family instances, custom and
// standard unit systems, subtypes and variant-feature models as the host reads them.
#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlFiles : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }

    kelt2pMdl load(const char* file, Ardo::kelt2pMdlType type) {
        kelt2pMdl mdl;
        mdl.Load(file, type, false);
        return mdl;
    }
};

TEST_F(MdlFiles, IsInstanceExactlyForAModelWithAGeneric) {
    writeFile("bolt.prt", "{}");
    writeFile("bolt_m8.prt",
              R"j({"generic": "BOLT", "units": "millimeter Newton Second (mmNs)"})j");
    kelt2pMdl instance = load("bolt_m8.prt", Ardo::KELT2P_MDL_PART);
    kelt2pMdl generic = load("bolt.prt", Ardo::KELT2P_MDL_PART);
    EXPECT_TRUE(instance.IsInstance());
    EXPECT_FALSE(generic.IsInstance());
    EXPECT_EQ(instance.LengthUnitGet(), Ardo::KELT2P_UNIT_MMNS);

    // Unbound or failing, it answers false without throwing.
    kelt2pMdl unbound;
    EXPECT_FALSE(unbound.IsInstance());
    simhost::injectFault("ProFaminstanceGenericGet", -1);
    EXPECT_FALSE(instance.IsInstance());
}

TEST_F(MdlFiles, UnitSystemsByTheirHostNames) {
    writeFile("frame.asm", R"({"units": "Shop units", "unit_systems": ["Workshop metric"]})");
    writeFile("plain.prt", "{}");
    writeFile("metric.prt", R"j({"units": "millimeter Kilogram Sec (mmKs)"})j");
    writeFile("cgs.prt", R"j({"units": "Centimeter Gram Second (CGS)"})j");
    EXPECT_EQ(load("frame.asm", Ardo::KELT2P_MDL_ASSEMBLY).LengthUnitGet(),
              Ardo::KELT2P_UNIT_OTHER);
    // The host's default system has a name longer than a host name field.
    EXPECT_EQ(load("plain.prt", Ardo::KELT2P_MDL_PART).LengthUnitGet(), Ardo::KELT2P_UNIT_INCH_LBM);
    EXPECT_EQ(load("metric.prt", Ardo::KELT2P_MDL_PART).LengthUnitGet(), Ardo::KELT2P_UNIT_MMKS);
    EXPECT_EQ(load("cgs.prt", Ardo::KELT2P_MDL_PART).LengthUnitGet(), Ardo::KELT2P_UNIT_CGS);

    kelt2pMdl frame = load("frame.asm", Ardo::KELT2P_MDL_ASSEMBLY);
    frame.LengthUnitSet(Ardo::KELT2P_UNIT_FPS);
    EXPECT_EQ(frame.LengthUnitGet(), Ardo::KELT2P_UNIT_FPS);
}

TEST_F(MdlFiles, SubtypeFlexibleAndDataAsWritten) {
    writeFile("sheet.prt", R"({"subtype": 4, "variant_feature_model": true, "version": 3})");
    writeFile("bare.prt", "{}");
    kelt2pMdl sheet = load("sheet.prt", Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(static_cast<int>(sheet.SubtypeGet()), 4);
    EXPECT_TRUE(sheet.IsFlexible());
    Ardo::kelt2pMdldata data = sheet.DataGet();
    EXPECT_STREQ(data.name, "SHEET");
    EXPECT_STREQ(data.type, "PRT");
    EXPECT_EQ(data.number1, 3);

    kelt2pMdl bare = load("bare.prt", Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(bare.SubtypeGet(), Ardo::KELT2P_MDLSTYPE_NONE);
    EXPECT_FALSE(bare.IsFlexible());
}

TEST_F(MdlFiles, LoadReportsTheHostsRefusal) {
    writeFile("broken.prt", "not json");
    writeFile("elsewhere.asm", "{}");
    EXPECT_THROW_CODE(load("broken.prt", Ardo::KELT2P_MDL_PART), Ardo::Error, -16,
                      "Ardo::Mdl::Load");
    EXPECT_THROW_CODE(load("elsewhere.asm", Ardo::KELT2P_MDL_PART), Ardo::Error, -2,
                      "Ardo::Mdl::Load");
    EXPECT_THROW_CODE(load("missing.prt", Ardo::KELT2P_MDL_PART), Ardo::Error, -4,
                      "Ardo::Mdl::Load");
}

}  // namespace
