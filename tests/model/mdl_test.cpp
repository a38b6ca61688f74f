// A kelt2pMdl's binding to a host model; creating, loading, saving, renaming, copying,
// backing up and erasing models; models written by hand in the model-file format.
#include <filesystem>
#include <string>

#include "model/model_fixture.h"

namespace {

using Ardo::kelt2pMdl;
using MdlBinding = modeltest::ModelTest;
using MdlLifecycle = modeltest::ModelTest;
using MdlFiles = modeltest::ModelTest;

// --- binding ----------------------------------------------------------------------------

TEST_F(MdlBinding, UnboundObjectAnswersFromItsOwnFields) {
    kelt2pMdl mdl;
    EXPECT_THROW_CODE(mdl.NameGet(), Ardo::Error, -45, "Ardo::Mdl::NameGet");
    EXPECT_THROW_CODE(mdl.TypeGet(), Ardo::Error, -45, "Ardo::Mdl::TypeGet");
    EXPECT_THROW_CODE(mdl.IsMfg(), Ardo::Error, -45, "Ardo::Mdl::TypeGet");
    // NameSet keeps the first 31 characters.
    mdl.NameSet("abcdefghijklmnopqrstuvwxyz0123456789ABCD");  // 40 characters
    EXPECT_STREQ(mdl.NameGet(), "abcdefghijklmnopqrstuvwxyz01234");
    mdl.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_EQ(mdl.TypeGet(), Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(MdlBinding, BoundObjectIgnoresNameSetAndTypeSet) {
    kelt2pMdl mdl;
    mdl.Create("bracket", Ardo::KELT2P_MDL_PART);
    mdl.NameSet("other");
    mdl.TypeSet(Ardo::KELT2P_MDL_MFG);
    EXPECT_STREQ(mdl.NameGet(), "BRACKET");
    EXPECT_EQ(mdl.TypeGet(), Ardo::KELT2P_MDL_PART);
    EXPECT_FALSE(mdl.IsMfg());
    EXPECT_FALSE(mdl.IsAsm());
}

TEST_F(MdlBinding, IsLoadedAndCurrentBindAHostModel) {
    kelt2pMdl created;
    created.Create("housing", Ardo::KELT2P_MDL_ASSEMBLY);
    kelt2pMdl mdl;
    mdl.NameSet("housing");
    mdl.TypeSet(Ardo::KELT2P_MDL_PART);
    EXPECT_FALSE(mdl.IsLoaded()) << "no part of that name";
    mdl.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_TRUE(mdl.IsLoaded());
    EXPECT_TRUE(mdl.IsAsm());
    mdl.Erase();
    // Unbound again, and the stored name was emptied by the binding.
    EXPECT_THROW_CODE(mdl.NameGet(), Ardo::Error, -45, "Ardo::Mdl::NameGet");

    kelt2pMdl shown;
    shown.Create("shaft", Ardo::KELT2P_MDL_PART).Display();
    kelt2pMdl current;
    current.Current();
    EXPECT_STREQ(current.NameGet(), "SHAFT");
}

TEST_F(MdlBinding, CopiesAreIndependentObjectsOnOneHostModel) {
    kelt2pMdl first;
    first.Create("plate", Ardo::KELT2P_MDL_PART);
    kelt2pMdl second(first);
    kelt2pMdl third;
    third = first;
    first.Erase();
    EXPECT_THROW_CODE(first.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
    // The others keep the handle; the host reports the erased model itself.
    EXPECT_THROW_CODE(second.Save(), Ardo::Error, -2, "Ardo::Mdl::Save");
    EXPECT_THROW_CODE(third.NameGet(), Ardo::Error, -2, "Ardo::Mdl::NameGet");
}

TEST_F(MdlBinding, CopiesAndAssignedModelsKeepTheirOwnNameAndType) {
    kelt2pMdl first;
    first.NameSet("bolt");
    first.TypeSet(Ardo::KELT2P_MDL_PART);
    kelt2pMdl copy(first);
    kelt2pMdl assigned;
    assigned = first;
    first.NameSet("nut");
    first.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_STREQ(copy.NameGet(), "bolt");
    EXPECT_STREQ(assigned.NameGet(), "bolt");
    EXPECT_EQ(assigned.TypeGet(), Ardo::KELT2P_MDL_PART);
    EXPECT_NE(assigned.NameGet(), first.NameGet()) << "each object has its own name text";
    kelt2pMdl& alias = assigned;
    assigned = alias;
    EXPECT_STREQ(assigned.NameGet(), "bolt");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(MdlBinding, DisplayWhileUnboundReportsTheLastRecordedHostCall) {
    kelt2pMdl fresh;
    fresh.Display();  // nothing recorded yet: no effect
    EXPECT_TRUE(simhost::journal().empty());
    kelt2pMdl missing;
    missing.NameSet("nowhere");
    missing.TypeSet(Ardo::KELT2P_MDL_PART);
    simhost::injectFault("ProMdlInit", -33);
    ASSERT_FALSE(missing.IsLoaded());
    EXPECT_THROW_CODE(missing.Display(), Ardo::Error, -33, "Ardo::Mdl::Display");
    EXPECT_EQ(testkit::callCount("ProMdlDisplay"), 0);
}

TEST_F(MdlBinding, DisplayOfABoundModelAsksTheHost) {
    kelt2pMdl mdl;
    mdl.Create("cover", Ardo::KELT2P_MDL_PART);
    mdl.Display();
    EXPECT_EQ(testkit::callCount("ProMdlDisplay"), 1);
    EXPECT_FAULT("ProMdlDisplay", -3, mdl.Display(), Ardo::Error, "Ardo::Mdl::Display");
    mdl.Display();  // a bound object asks the host again
    EXPECT_EQ(testkit::callCount("ProMdlDisplay"), 3);
}

TEST_F(MdlBinding, TypeQueriesAlwaysAskTheHostThroughTheWrapper) {
    kelt2pMdl mdl;
    mdl.Create("link", Ardo::KELT2P_MDL_PART);
    EXPECT_FAULT("ProMdlTypeGet", -2, mdl.TypeGet(), ardotk::Error, "ardotk::MdlType");
    EXPECT_FAULT("ProMdlTypeGet", -11, mdl.IsAsm(), ardotk::Error, "ardotk::MdlType");
    EXPECT_FAULT("ProMdlTypeGet", -11, mdl.IsMfg(), ardotk::Error, "ardotk::MdlType");

    // IsAsm has no stored fallback: the host is asked about an empty handle.
    kelt2pMdl frame;
    frame.NameSet("frame");
    frame.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    simhost::clearJournal();
    EXPECT_THROW_CODE(frame.IsAsm(), ardotk::Error, -2, "ardotk::MdlType");
    EXPECT_EQ(testkit::callCount("ProMdlTypeGet"), 1);
}

// --- lifecycle --------------------------------------------------------------------------

TEST_F(MdlLifecycle, CreateChecksTheNameAndReportsTheHostsRefusal) {
    kelt2pMdl mdl;
    EXPECT_THROW_CODE(mdl.Create(std::string(32, 'a').c_str(), Ardo::KELT2P_MDL_PART), Ardo::Error,
                      -6, "Ardo::kelt2pMdl::Create");
    EXPECT_EQ(testkit::callCount("ProSolidCreate"), 0);
    mdl.Create(std::string(31, 'a').c_str(), Ardo::KELT2P_MDL_PART);
    EXPECT_STREQ(mdl.NameGet(), std::string(31, 'A').c_str());

    kelt2pMdl first;
    first.Create("twin", Ardo::KELT2P_MDL_PART);
    kelt2pMdl second;
    EXPECT_THROW_CODE(second.Create("twin", Ardo::KELT2P_MDL_PART), Ardo::Error, -5,
                      "Ardo::Solid::Create");
    EXPECT_THROW_CODE(second.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
}

TEST_F(MdlLifecycle, CopyAndBackupCheckTheirLengthsBeforeTheHost) {
    kelt2pMdl mdl;
    mdl.Create("original", Ardo::KELT2P_MDL_PART);
    simhost::clearJournal();
    EXPECT_THROW_CODE(mdl.Copy(std::string(32, 'c').c_str()), Ardo::Error, 33,
                      "Ardo::kelt2pMdl::Copy");
    EXPECT_THROW_CODE(mdl.Backup(std::string(260, 'd').c_str()), Ardo::Error, 261,
                      "Ardo::kelt2pMdl::Backup");
    EXPECT_TRUE(simhost::journal().empty());

    const std::string name31(31, 'c');
    mdl.Copy(name31.c_str());
    EXPECT_EQ(testkit::callCount("ProMdlCopy"), 1);
    // The copy is in session, bound to no object; the original stays bound.
    kelt2pMdl copy;
    copy.NameSet(name31.c_str());
    copy.TypeSet(Ardo::KELT2P_MDL_PART);
    EXPECT_TRUE(copy.IsLoaded());
    EXPECT_STREQ(mdl.NameGet(), "ORIGINAL");

    std::filesystem::create_directory(workDir / "backup");
    mdl.Backup((workDir / "backup").string().c_str());
    EXPECT_TRUE(std::filesystem::exists(workDir / "backup" / "original.prt"));
    // A directory of 259 characters reaches the host (which does not find it).
    try {
        mdl.Backup(("/" + std::string(258, 'x')).c_str());
    } catch (const Ardo::Error& e) {
        EXPECT_STREQ(e.text, "Ardo::Mdl::Backup");
    }
    EXPECT_EQ(testkit::callCount("ProMdlBackup"), 2);
}

TEST_F(MdlLifecycle, SavedModelLoadsIntoAFreshHostSession) {
    {
        kelt2pMdl mdl;
        mdl.Create("gear", Ardo::KELT2P_MDL_PART);
        mdl.AccuracySet(Ardo::KELT2P_ACCURACY_ABSOLUTE, 0.02);
        mdl.ColorSet(0.1, 0.2, 0.3);
        mdl.LengthUnitSet(Ardo::KELT2P_UNIT_IPS);
        mdl.Save();
        EXPECT_FALSE(mdl.ModificationVerify());
    }
    ASSERT_TRUE(std::filesystem::exists(workDir / "gear.prt"));

    simhost::reset();
    launchAndConnect();
    kelt2pMdl loaded;
    loaded.NameSet("stored");
    loaded.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    loaded.Load("gear.prt", Ardo::KELT2P_MDL_PART, false);
    EXPECT_STREQ(loaded.NameGet(), "GEAR");
    EXPECT_EQ(loaded.TypeGet(), Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(loaded.AccuracyTypeGet(), Ardo::KELT2P_ACCURACY_ABSOLUTE);
    EXPECT_DOUBLE_EQ(loaded.AccuracyGet(), 0.02);
    EXPECT_EQ(loaded.LengthUnitGet(), Ardo::KELT2P_UNIT_IPS);
    Ardo::kelt2pModelColor color = loaded.ColorGet();
    EXPECT_DOUBLE_EQ(color.value[5], 0.1);
    EXPECT_DOUBLE_EQ(color.value[6], 0.2);
    EXPECT_DOUBLE_EQ(color.value[7], 0.3);

    // Load leaves the stored type alone; the name field holds the last name read.
    loaded.Erase();
    EXPECT_STREQ(loaded.NameGet(), "GEAR");
    EXPECT_EQ(loaded.TypeGet(), Ardo::KELT2P_MDL_ASSEMBLY);

    // Loading by the stored name and type.
    kelt2pMdl byName;
    byName.NameSet("gear.prt");
    byName.TypeSet(Ardo::KELT2P_MDL_PART);
    byName.Load(false);
    EXPECT_STREQ(byName.NameGet(), "GEAR");
}

TEST_F(MdlLifecycle, RenameAndEraseAll) {
    kelt2pMdl mdl;
    mdl.Create("draft", Ardo::KELT2P_MDL_PART);
    mdl.Rename("final");
    EXPECT_STREQ(mdl.NameGet(), "FINAL");
    mdl.EraseAll();
    EXPECT_THROW_CODE(mdl.Rename("again"), Ardo::Error, -45, "Ardo::Mdl::Rename");
    kelt2pMdl lookup;
    lookup.NameSet("final");
    lookup.TypeSet(Ardo::KELT2P_MDL_PART);
    EXPECT_FALSE(lookup.IsLoaded());
}

TEST_F(MdlLifecycle, UnboundObjectRefusesEveryWholeModelOperation) {
    kelt2pMdl mdl;
    EXPECT_THROW_CODE(mdl.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
    EXPECT_THROW_CODE(mdl.Rename("x"), Ardo::Error, -45, "Ardo::Mdl::Rename");
    EXPECT_THROW_CODE(mdl.Copy("x"), Ardo::Error, -45, "Ardo::Mdl::Copy");
    EXPECT_THROW_CODE(mdl.Backup("."), Ardo::Error, -45, "Ardo::Mdl::Backup");
    EXPECT_THROW_CODE(mdl.Erase(), Ardo::Error, -45, "Ardo::Mdl::Erase");
    EXPECT_THROW_CODE(mdl.EraseAll(), Ardo::Error, -45, "Ardo::Mdl::EraseAll");
    EXPECT_THROW_CODE(mdl.WindowGet(), Ardo::Error, -45, "Ardo::Mdl::WindowGet");
    EXPECT_THROW_CODE(mdl.TreetoolRefresh(), Ardo::Error, -45, "Ardo::Mdl::TreetoolRefresh");
    EXPECT_THROW_CODE(mdl.Regenerate(), Ardo::Error, -45, "Ardo::Solid::Regenerate");
    EXPECT_THROW_CODE(mdl.SubtypeGet(), Ardo::Error, -45, "Ardo::Mdl::SubtypeGet");
    EXPECT_THROW_CODE(mdl.DataGet(), Ardo::Error, -45, "Ardo::Mdl::DataGet");
    EXPECT_THROW_CODE(mdl.AccuracyGet(), Ardo::Error, -45, "Ardo::Solid::AccuracyGet");
    EXPECT_THROW_CODE(mdl.AccuracyTypeGet(), Ardo::Error, -45, "Ardo::Solid::AccuracyTypeGet");
    EXPECT_THROW_CODE(mdl.AccuracySet(Ardo::KELT2P_ACCURACY_RELATIVE, 0.01), Ardo::Error, -45,
                      "Ardo::Solid::AccuracySet");
    EXPECT_THROW_CODE(mdl.LengthUnitGet(), Ardo::Error, -45, "Ardo::Mdl::LengthUnitGet");
    EXPECT_THROW_CODE(mdl.LengthUnitSet(Ardo::KELT2P_UNIT_MMNS), Ardo::Error, -45,
                      "Ardo::Mdl::LengthUnitSet");
    EXPECT_THROW_CODE(mdl.ColorGet(), Ardo::Error, -45, "Ardo::Solid::ColorGet");
    EXPECT_THROW_CODE(mdl.ColorSet(1, 0, 0), Ardo::Error, -45, "Ardo::Solid::ColorSet");
    EXPECT_THROW_CODE(mdl.VerstampStringGet(nullptr), Ardo::Error, -45,
                      "Ardo::Mdl::VerstampStringGet");
    EXPECT_THROW_CODE(mdl.VerstampEqual("1"), Ardo::Error, -45, "Ardo::Mdl::VerstampEqual");
    EXPECT_THROW_CODE(mdl.Repaint(), Ardo::Error, -45, "Ardo::Mdl::Repaint");
    EXPECT_THROW_CODE(mdl.Refresh(), Ardo::Error, -45, "Ardo::Mdl::Refresh");
    EXPECT_FALSE(mdl.ModificationVerify());
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_FALSE(mdl.IsInstance()) << "without throwing";
}

// --- model files ------------------------------------------------------------------------

TEST_F(MdlFiles, IsInstanceExactlyForAModelWithAGeneric) {
    kelt2pMdl generic = load("bolt.prt", Ardo::KELT2P_MDL_PART, "{}");
    kelt2pMdl instance =
        load("bolt_m8.prt", Ardo::KELT2P_MDL_PART,
             R"j({"generic": "BOLT", "units": "millimeter Newton Second (mmNs)"})j");
    EXPECT_TRUE(instance.IsInstance());
    EXPECT_FALSE(generic.IsInstance());
    EXPECT_EQ(instance.LengthUnitGet(), Ardo::KELT2P_UNIT_MMNS);
    // Failing, it answers false without throwing.
    simhost::injectFault("ProFaminstanceGenericGet", -1);
    EXPECT_FALSE(instance.IsInstance());
}

TEST_F(MdlFiles, UnitSystemsByTheirHostNames) {
    const struct {
        const char* file;
        const char* content;
        Ardo::kelt2pLengthUnit unit;
    } models[] = {
        {"frame.asm", R"({"units": "Shop units", "unit_systems": ["Workshop metric"]})",
         Ardo::KELT2P_UNIT_OTHER},
        // The host's default system has a name longer than a host name field.
        {"plain.prt", "{}", Ardo::KELT2P_UNIT_INCH_LBM},
        {"metric.prt", R"j({"units": "millimeter Kilogram Sec (mmKs)"})j", Ardo::KELT2P_UNIT_MMKS},
        {"cgs.prt", R"j({"units": "Centimeter Gram Second (CGS)"})j", Ardo::KELT2P_UNIT_CGS},
    };
    for (const auto& m : models) {
        const bool assembly = std::string(m.file).find(".asm") != std::string::npos;
        kelt2pMdl mdl =
            load(m.file, assembly ? Ardo::KELT2P_MDL_ASSEMBLY : Ardo::KELT2P_MDL_PART, m.content);
        EXPECT_EQ(mdl.LengthUnitGet(), m.unit) << m.file;
    }
    kelt2pMdl frame = load("frame.asm", Ardo::KELT2P_MDL_ASSEMBLY);
    frame.LengthUnitSet(Ardo::KELT2P_UNIT_FPS);
    EXPECT_EQ(frame.LengthUnitGet(), Ardo::KELT2P_UNIT_FPS);
}

TEST_F(MdlFiles, SubtypeFlexibleAndDataAsWritten) {
    kelt2pMdl sheet = load("sheet.prt", Ardo::KELT2P_MDL_PART,
                           R"({"subtype": 4, "variant_feature_model": true, "version": 3})");
    EXPECT_EQ(static_cast<int>(sheet.SubtypeGet()), 4);
    EXPECT_TRUE(sheet.IsFlexible());
    Ardo::kelt2pMdldata data = sheet.DataGet();
    EXPECT_STREQ(data.name, "SHEET");
    EXPECT_STREQ(data.type, "PRT");
    EXPECT_EQ(data.number1, 3);

    kelt2pMdl bare = load("bare.prt", Ardo::KELT2P_MDL_PART, "{}");
    EXPECT_EQ(bare.SubtypeGet(), Ardo::KELT2P_MDLSTYPE_NONE);
    EXPECT_FALSE(bare.IsFlexible());
}

TEST_F(MdlFiles, LoadReportsTheHostsRefusal) {
    writeFile("broken.prt", "not json");
    writeFile("elsewhere.asm", "{}");
    for (const auto& [file, code] : {std::pair{"broken.prt", -16}, std::pair{"elsewhere.asm", -2},
                                     std::pair{"missing.prt", -4}}) {
        EXPECT_THROW_CODE(load(file, Ardo::KELT2P_MDL_PART), Ardo::Error, code, "Ardo::Mdl::Load");
    }
    // A failed load leaves the object unbound.
    kelt2pMdl absent;
    EXPECT_THROW_CODE(absent.Load("absent.prt", Ardo::KELT2P_MDL_PART, false), Ardo::Error, -4,
                      "Ardo::Mdl::Load");
    EXPECT_FALSE(absent.ModificationVerify());
}

}  // namespace
