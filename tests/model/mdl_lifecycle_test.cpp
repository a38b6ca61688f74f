// Creating, loading, saving, renaming, copying, backing up and erasing models.
#include <filesystem>
#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlLifecycle : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }
};

TEST_F(MdlLifecycle, CreateRefusesANameLongerThan31Characters) {
    kelt2pMdl mdl;
    EXPECT_THROW_CODE(mdl.Create(std::string(32, 'a').c_str(), Ardo::KELT2P_MDL_PART), Ardo::Error,
                      -6, "Ardo::kelt2pMdl::Create");
    EXPECT_EQ(testkit::callCount("ProSolidCreate"), 0);
    mdl.Create(std::string(31, 'a').c_str(), Ardo::KELT2P_MDL_PART);
    EXPECT_STREQ(mdl.NameGet(), std::string(31, 'A').c_str());
}

TEST_F(MdlLifecycle, CreateReportsTheHostsRefusal) {
    kelt2pMdl first;
    first.Create("twin", Ardo::KELT2P_MDL_PART);
    kelt2pMdl second;
    try {
        second.Create("twin", Ardo::KELT2P_MDL_PART);
        ADD_FAILURE() << "a second model of the same name";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "Ardo::Solid::Create");
    }
    EXPECT_THROW_CODE(second.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
}

TEST_F(MdlLifecycle, CopyChecksTheNameLengthBeforeTheHost) {
    kelt2pMdl mdl;
    mdl.Create("original", Ardo::KELT2P_MDL_PART);
    simhost::clearJournal();
    EXPECT_THROW_CODE(mdl.Copy(std::string(32, 'c').c_str()), Ardo::Error, 33,
                      "Ardo::kelt2pMdl::Copy");
    EXPECT_EQ(testkit::callCount("ProMdlCopy"), 0);

    const std::string name31(31, 'c');
    mdl.Copy(name31.c_str());
    EXPECT_EQ(testkit::callCount("ProMdlCopy"), 1);
    // The copy is in session, bound to no object; the original stays bound.
    kelt2pMdl copy;
    copy.NameSet(name31.c_str());
    copy.TypeSet(Ardo::KELT2P_MDL_PART);
    EXPECT_TRUE(copy.IsLoaded());
    EXPECT_STREQ(mdl.NameGet(), "ORIGINAL");
}

TEST_F(MdlLifecycle, BackupChecksTheDirectoryLengthAndWritesTheFile) {
    kelt2pMdl mdl;
    mdl.Create("spare", Ardo::KELT2P_MDL_PART);
    simhost::clearJournal();
    EXPECT_THROW_CODE(mdl.Backup(std::string(260, 'd').c_str()), Ardo::Error, 261,
                      "Ardo::kelt2pMdl::Backup");
    EXPECT_EQ(testkit::callCount("ProMdlBackup"), 0);

    std::filesystem::create_directory(workDir / "backup");
    mdl.Backup((workDir / "backup").string().c_str());
    EXPECT_TRUE(std::filesystem::exists(workDir / "backup" / "spare.prt"));

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
}

TEST_F(MdlLifecycle, LoadWithTheStoredNameAndType) {
    {
        kelt2pMdl mdl;
        mdl.Create("rotor", Ardo::KELT2P_MDL_PART);
        mdl.Save();
        mdl.Erase();
    }
    kelt2pMdl mdl;
    mdl.NameSet("rotor.prt");
    mdl.TypeSet(Ardo::KELT2P_MDL_PART);
    mdl.Load(false);
    EXPECT_STREQ(mdl.NameGet(), "ROTOR");

    kelt2pMdl absent;
    try {
        absent.Load("absent.prt", Ardo::KELT2P_MDL_PART, false);
        ADD_FAILURE() << "loaded a model without a file";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "Ardo::Mdl::Load");
    }
    EXPECT_FALSE(absent.ModificationVerify()) << "still unbound";
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
}

}  // namespace
