// Binding a kelt2pMdl to a host model and the stored name and type of an unbound one.
#include <ProMdl.h>

#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlBinding : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }
};

TEST_F(MdlBinding, NameSetKeepsTheFirst31CharactersWhileUnbound) {
    kelt2pMdl mdl;
    mdl.NameSet("abcdefghijklmnopqrstuvwxyz0123456789ABCD");  // 40 characters
    EXPECT_STREQ(mdl.NameGet(), "abcdefghijklmnopqrstuvwxyz01234");
    mdl.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_EQ(mdl.TypeGet(), Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_TRUE(simhost::journal().empty()) << "an unbound object answers from its own fields";
}

TEST_F(MdlBinding, UnnamedUnboundObjectRefusesNameAndType) {
    kelt2pMdl mdl;
    EXPECT_THROW_CODE(mdl.NameGet(), Ardo::Error, -45, "Ardo::Mdl::NameGet");
    EXPECT_THROW_CODE(mdl.TypeGet(), Ardo::Error, -45, "Ardo::Mdl::TypeGet");
    EXPECT_THROW_CODE(mdl.IsMfg(), Ardo::Error, -45, "Ardo::Mdl::TypeGet");
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

TEST_F(MdlBinding, IsLoadedBindsANamedModelInSessionAndEmptiesTheStoredName) {
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
}

TEST_F(MdlBinding, CurrentBindsTheHostsCurrentModel) {
    kelt2pMdl shown;
    shown.Create("shaft", Ardo::KELT2P_MDL_PART).Display();
    kelt2pMdl mdl;
    mdl.Current();
    EXPECT_STREQ(mdl.NameGet(), "SHAFT");
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
    try {
        second.Save();
        ADD_FAILURE() << "saving an erased model succeeded";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, -45);
        EXPECT_STREQ(e.text, "Ardo::Mdl::Save");
    }
    try {
        third.NameGet();
        ADD_FAILURE() << "the name of an erased model";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, -45);
        EXPECT_STREQ(e.text, "Ardo::Mdl::NameGet");
    }
}

TEST_F(MdlBinding, DisplayReportsTheLastRecordedHostCallWhileUnbound) {
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
    simhost::injectFault("ProMdlDisplay", -3);
    EXPECT_THROW_CODE(mdl.Display(), Ardo::Error, -3, "Ardo::Mdl::Display");
    mdl.Display();  // a bound object asks the host again
    EXPECT_EQ(testkit::callCount("ProMdlDisplay"), 3);
}

TEST_F(MdlBinding, TypeFailuresComeFromTheWrapperLayer) {
    kelt2pMdl mdl;
    mdl.Create("link", Ardo::KELT2P_MDL_PART);
    simhost::injectFault("ProMdlTypeGet", -2);
    EXPECT_THROW_CODE(mdl.TypeGet(), ardotk::Error, -2, "ardotk::MdlType");
    simhost::injectFault("ProMdlTypeGet", -11);
    EXPECT_THROW_CODE(mdl.IsAsm(), ardotk::Error, -11, "ardotk::MdlType");
    simhost::injectFault("ProMdlTypeGet", -11);
    EXPECT_THROW_CODE(mdl.IsMfg(), ardotk::Error, -11, "ardotk::MdlType");
}

TEST_F(MdlBinding, IsAsmAlwaysAsksTheHost) {
    kelt2pMdl mdl;
    mdl.NameSet("frame");
    mdl.TypeSet(Ardo::KELT2P_MDL_ASSEMBLY);
    // No stored fallback: the host is asked about an empty handle.
    try {
        mdl.IsAsm();
        ADD_FAILURE() << "IsAsm without a model";
    } catch (const ardotk::Error& e) {
        EXPECT_STREQ(e.text, "ardotk::MdlType");
    }
    EXPECT_EQ(testkit::callCount("ProMdlTypeGet"), 1);
}

}  // namespace
