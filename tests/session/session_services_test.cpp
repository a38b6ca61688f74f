// The session services against the simulated host: options, directories, macros, the
// environment, workspaces and the lists of models and drawings in session.
#include <ProMdl.h>
#include <ProMenu.h>
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/facade_impl.h"
#include "drawing/drw.h"
#include "kelt2proe/drw.h"
#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/session.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"

namespace {

using Ardo::kelt2pMdl;
using Ardo::kelt2pSession;
using testkit::callCount;
using testkit::journalHas;

class SessionServicesTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }

    // Loads a model file of `type` ("PRT", "ASM", "MFG", "DRW") written for it.
    void loadModel(const std::string& file, const char* type, Ardo::kelt2pMdlType mdlType) {
        writeFile(file, std::string("{\"type\": \"") + type + "\"}");
        kelt2pMdl mdl;
        mdl.Load(file.c_str(), mdlType, false);
    }

    kelt2pSession session;
};

// --- options --------------------------------------------------------------------

TEST_F(SessionServicesTest, ConfigOptionsAreSetAndReadAndLongNamesAreCut) {
    session.ConfigOptSet("trail_dir", "/tmp/trails");
    EXPECT_STREQ(session.ConfigOptGet("trail_dir"), "/tmp/trails");
    const char* first = session.ConfigOptGet("trail_dir");
    EXPECT_EQ(session.ConfigOptGet("pro_mf_tprm_dir"), first) << "one buffer for every call";

    // The host takes option names of at most 31 characters: a longer name, cut at 80,
    // is the host's refusal.
    const std::string longName(100, 'n');
    EXPECT_THROW_CODE(session.ConfigOptGet(longName.c_str()), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::ProEngineer::ConfigOptGet");
    EXPECT_THROW_CODE(session.ConfigOptGet("no_such_option"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::ProEngineer::ConfigOptGet");
    EXPECT_FAULT("ProConfigoptSet", PRO_TK_GENERAL_ERROR, session.ConfigOptSet("trail_dir", "x"),
                 Ardo::Error, "Ardo::ProEngineer::ConfigOptSet");
    EXPECT_STREQ(session.ConfigOptGet("trail_dir"), "/tmp/trails");
}

TEST_F(SessionServicesTest, ConfigOptionValuesAreCutAt259AndReadUpTo80Characters) {
    session.ConfigOptSet("trail_dir", std::string(80, 'w').c_str());
    EXPECT_EQ(std::string(session.ConfigOptGet("trail_dir")), std::string(80, 'w'));
    // A value is set up to 259 characters; the host hands out at most 80.
    session.ConfigOptSet("pro_mf_tprm_dir", std::string(300, 'v').c_str());
    EXPECT_EQ(std::string(session.ToolDirGet()), std::string(259, 'v'));
    EXPECT_THROW_CODE(session.ConfigOptGet("pro_mf_tprm_dir"), Ardo::Error, PRO_TK_LINE_TOO_LONG,
                      "Ardo::ProEngineer::ConfigOptGet");
}

// --- directories ------------------------------------------------------------------

TEST_F(SessionServicesTest, DirSetReturnsTheDirectoryBeforeAndRefusesLongPaths) {
    std::filesystem::create_directory(workDir / "sub");
    const std::string before = session.DirGet();
    // The host's path ends with the platform's separator.
    EXPECT_EQ(before.back(), static_cast<char>(std::filesystem::path::preferred_separator));
    const std::string previous = session.DirSet((workDir / "sub").string().c_str());
    EXPECT_EQ(previous, before);
    const std::string now = session.DirGet();
    EXPECT_NE(now, before);
    EXPECT_NE(now.find("sub"), std::string::npos) << now;

    const std::string longPath(260, 'p');
    simhost::clearJournal();
    EXPECT_THROW_CODE(session.DirSet(longPath.c_str()), Ardo::Error, -2, "Path too long");
    EXPECT_TRUE(simhost::journal().empty()) << "refused before any host call";
    EXPECT_EQ(std::string(session.DirGet()), now);

    EXPECT_THROW_CODE(session.DirSet("no/such/dir"), Ardo::Error, PRO_TK_INVALID_DIR,
                      "Ardo::UtilDirSet");
    EXPECT_EQ(std::string(session.DirGet()), now) << "a refused change keeps the directory";
    EXPECT_FAULT("ProDirectoryCurrentGet", PRO_TK_GENERAL_ERROR, session.DirSet(before.c_str()),
                 Ardo::Error, "Ardo::UtilDirGet");
    EXPECT_EQ(std::string(session.DirGet()), now);
}

TEST_F(SessionServicesTest, ToolDirIsTheOptionsFirstValueAndLongPathsAreRefused) {
    writeFile("start.cfg", "pro_mf_tprm_dir /tools/first\npro_mf_tprm_dir /tools/second\n");
    simhost::reset();
    simhost::launch("start.cfg");
    session.Connect();
    EXPECT_STREQ(session.ToolDirGet(), "/tools/first");
    session.ToolDirSet("/tools/new");
    EXPECT_STREQ(session.ToolDirGet(), "/tools/new");
    EXPECT_STREQ(session.ConfigOptGet("pro_mf_tprm_dir"), "/tools/new");

    const std::string longPath(260, 't');
    simhost::clearJournal();
    EXPECT_THROW_CODE(session.ToolDirSet(longPath.c_str()), Ardo::Error, -2, "Path too long");
    EXPECT_TRUE(simhost::journal().empty()) << "refused before any host call";
    EXPECT_STREQ(session.ToolDirGet(), "/tools/new");
    const std::string longest(259, 't');
    session.ToolDirSet(longest.c_str());
    EXPECT_EQ(std::string(session.ToolDirGet()), longest);

    EXPECT_FAULT("ProConfigoptArrayGet", PRO_TK_GENERAL_ERROR, session.ToolDirGet(), Ardo::Error,
                 "Ardo::UtilToolDirGet");
    EXPECT_FAULT("ProConfigoptSet", PRO_TK_GENERAL_ERROR, session.ToolDirSet("/x"), Ardo::Error,
                 "Ardo::UtilToolDirSet");
    EXPECT_EQ(simhost::liveObjects(), 0);
}

// --- macros, environment, workspace -------------------------------------------------

TEST_F(SessionServicesTest, MacroOfAtMost1023CharactersIsQueued) {
    std::string macro = "#SUSPEND ALL;";
    macro += std::string(1023 - macro.size(), ' ');
    session.Macro(macro.c_str());
    EXPECT_EQ(callCount("ProMacroLoad"), 1);
    ASSERT_EQ(ProMacroExecute(), PRO_TK_NO_ERROR);
    ASSERT_FALSE(simhost::macrosRun().empty());
    EXPECT_EQ(simhost::macrosRun()[0].command, "#SUSPEND ALL");
    EXPECT_TRUE(simhost::macrosRun()[0].understood);

    simhost::clearJournal();
    EXPECT_THROW_CODE(session.Macro((macro + " ").c_str()), Ardo::Error, -2, "macro too long");
    EXPECT_TRUE(simhost::journal().empty());

    simhost::injectFault("ProMacroLoad", PRO_TK_GENERAL_ERROR);
    EXPECT_NO_THROW(session.Macro("#SUSPEND ALL"));
}

TEST_F(SessionServicesTest, PutEnvSetsTheProcessEnvironmentAndIgnoresMalformedTexts) {
    session.PutEnv("KELT2P_SERVICES_TEST=first value");
    ASSERT_NE(std::getenv("KELT2P_SERVICES_TEST"), nullptr);
    EXPECT_STREQ(std::getenv("KELT2P_SERVICES_TEST"), "first value");
    session.PutEnv("KELT2P_SERVICES_TEST");
    session.PutEnv("=value");
    session.PutEnv(nullptr);
    EXPECT_STREQ(std::getenv("KELT2P_SERVICES_TEST"), "first value");
    std::string setting = "KELT2P_SERVICES_TEST=second";
    session.PutEnv(setting.c_str());
    setting.assign(setting.size(), '?');
    EXPECT_STREQ(std::getenv("KELT2P_SERVICES_TEST"), "second") << "the text is copied";
}

TEST_F(SessionServicesTest, WorkspaceIsRegisteredAndReadAndNoneIsTheHostsCode) {
    try {
        session.CurrentWorkspaceGet();
        ADD_FAILURE() << "no workspace registered";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "kein Workspace registriert");
    }
    session.WorkspaceRegister("ws_tools");
    EXPECT_STREQ(session.CurrentWorkspaceGet(), "ws_tools");
    const std::string longest(31, 'w');
    session.WorkspaceRegister(longest.c_str());
    EXPECT_EQ(std::string(session.CurrentWorkspaceGet()), longest);
    simhost::clearJournal();
    EXPECT_THROW_CODE(session.WorkspaceRegister((longest + "w").c_str()), Ardo::Error,
                      PRO_TK_LINE_TOO_LONG, "Ardo::ProEngineer::WorkspaceRegister");
    EXPECT_TRUE(simhost::journal().empty());
    EXPECT_FAULT("ProWorkspaceRegister", PRO_TK_GENERAL_ERROR, session.WorkspaceRegister("a"),
                 Ardo::Error, "Ardo::ProEngineer::WorkspaceRegister");
}

// --- lists --------------------------------------------------------------------------

TEST_F(SessionServicesTest, MdlListHasPartsThenAssembliesThenManufacturingModels) {
    EXPECT_SUBSCRIPT_ERROR(session.MdlListAt(0));
    loadModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    loadModel("frame.asm", "ASM", Ardo::KELT2P_MDL_ASSEMBLY);
    loadModel("gear.prt", "PRT", Ardo::KELT2P_MDL_PART);
    loadModel("plan.drw", "DRW", Ardo::KELT2P_MDL_DRAWING);
    loadModel("shaft.prt", "PRT", Ardo::KELT2P_MDL_PART);

    ASSERT_EQ(session.MdlList(), 4);
    kelt2pMdl first = session.MdlListAt(0);
    EXPECT_STREQ(first.NameGet(), "GEAR");
    EXPECT_STREQ(kelt2pMdl(session.MdlListAt(1)).NameGet(), "SHAFT");
    EXPECT_EQ(kelt2pMdl(session.MdlListAt(2)).TypeGet(), Ardo::KELT2P_MDL_ASSEMBLY);
    EXPECT_EQ(kelt2pMdl(session.MdlListAt(3)).TypeGet(), Ardo::KELT2P_MDL_MFG);
    EXPECT_SUBSCRIPT_ERROR(session.MdlListAt(-1));
    EXPECT_SUBSCRIPT_ERROR(session.MdlListAt(4));

    kelt2pMdl(session.MdlListAt(1)).Erase();
    EXPECT_EQ(session.MdlList(), 3) << "a second listing replaces the first";
    EXPECT_STREQ(first.NameGet(), "GEAR") << "a model handed out keeps its own copy";
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(SessionServicesTest, MdlListSkipsATypeTheHostDoesNotList) {
    loadModel("gear.prt", "PRT", Ardo::KELT2P_MDL_PART);
    loadModel("job.mfg", "MFG", Ardo::KELT2P_MDL_MFG);
    simhost::injectFault("ProSessionMdlList", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(session.MdlList(), 1);
    EXPECT_EQ(kelt2pMdl(session.MdlListAt(0)).TypeGet(), Ardo::KELT2P_MDL_MFG);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(SessionServicesTest, DrwListHasTheDrawingsOnly) {
    EXPECT_SUBSCRIPT_ERROR(session.DrwListAt(0));
    loadModel("gear.prt", "PRT", Ardo::KELT2P_MDL_PART);
    EXPECT_EQ(session.DrwList(), 0);
    loadModel("plan.drw", "DRW", Ardo::KELT2P_MDL_DRAWING);
    loadModel("detail.drw", "DRW", Ardo::KELT2P_MDL_DRAWING);
    ASSERT_EQ(session.DrwList(), 2);
    const Ardo::kelt2pDrw first = session.DrwListAt(0);
    Ardo::kelt2pDrw second = session.DrwListAt(1);
    const ProMdl firstHandle = Ardo::FacadeAccess::ImplOf(first).Handle();
    const ProMdl secondHandle = Ardo::FacadeAccess::ImplOf(second).Handle();
    ASSERT_NE(firstHandle, nullptr);
    ASSERT_NE(secondHandle, nullptr);
    EXPECT_NE(firstHandle, secondHandle);
    ProMdlType type = PRO_MDL_UNUSED;
    ASSERT_EQ(ProMdlTypeGet(secondHandle, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_MDL_DRAWING);
    Ardo::kelt2pDrw copy = second;
    second = Ardo::kelt2pDrw();
    EXPECT_EQ(Ardo::FacadeAccess::ImplOf(copy).Handle(), secondHandle) << "copies are independent";
    EXPECT_SUBSCRIPT_ERROR(session.DrwListAt(2));
    EXPECT_SUBSCRIPT_ERROR(session.DrwListAt(-1));
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
