// Imports into a model (STEP and ACIS as import features), new models from interface
// files with the split naming of an imported assembly, and shrinkwrap.
#include <ProToolkit.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "model/io_fixture.h"

namespace iotest {
namespace {

using Ardo::kelt2pMdl;
using Strings = std::vector<std::string>;

std::string nameOf(std::size_t length, char c = 'n') {
    return std::string(length, c);
}

class IoImportTest : public IoTest {
protected:
    // A fresh part "FRESH" without features.
    static kelt2pMdl freshPart() {
        kelt2pMdl part;
        part.Create("FRESH", Ardo::KELT2P_MDL_PART);
        return part;
    }

    // Whether the host could make a model from `file`; false when it has no kernel.
    static bool kernelReads() { return simhost::geometryKernelAvailable(); }

    // The names of the models in session among `names`.
    static Strings inSession(const Strings& names, ProMdlType type) {
        Strings present;
        for (const std::string& name : names) {
            ProName wide = {};
            for (std::size_t i = 0; i < name.size() && i < PRO_NAME_SIZE - 1; ++i) {
                wide[i] = static_cast<wchar_t>(name[i]);
            }
            ProMdl handle = nullptr;
            if (ProMdlInit(wide, type, &handle) == PRO_TK_NO_ERROR) {
                present.push_back(name);
            }
        }
        return present;
    }
};

TEST_F(IoImportTest, LongNamesAreRefusedBeforeAnyHostCall) {
    kelt2pMdl target;
    simhost::clearJournal();
    EXPECT_THROW_CODE(box.ImportSTEP(nameOf(33).c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ImportSTEP");
    EXPECT_THROW_CODE(box.ImportACIS(nameOf(33).c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ImportACIS");
    EXPECT_THROW_CODE(box.ShrinkwrapCreate(nameOf(33).c_str(), 1, true), Ardo::Error, -6,
                      "Ardo::kelt2pMdl::ShrinkwrapCreate");
    EXPECT_THROW_CODE(target.Create(nameOf(32).c_str(), Ardo::KELT2P_MDL_PART, "a.stp",
                                    Ardo::KELT2P_IMPORT_STEP, false),
                      Ardo::Error, -6, "Ardo::kelt2pMdl::Create");
    EXPECT_TRUE(simhost::journal().empty());

    // At the limit the host is asked.
    EXPECT_THROW_CODE(kelt2pMdl().ImportSTEP(nameOf(32).c_str()), Ardo::Error, -45,
                      "Ardo::Solid::ImportSTEP");
    EXPECT_THROW_CODE(kelt2pMdl().ImportACIS(nameOf(32).c_str()), Ardo::Error, -45,
                      "Ardo::Solid::ImportACIS");
    simhost::clearJournal();
    EXPECT_THROW(box.ImportSTEP(nameOf(32).c_str()), Ardo::Error);
    EXPECT_EQ(testkit::callCount("ProImportfeatCreate"), 1);
}

TEST_F(IoImportTest, ImportFailureNamesTheHostFunction) {
    EXPECT_FAULT("ProImportfeatCreate", -1, box.ImportSTEP("box.stp"), Ardo::Error,
                 "ProImportfeatCreate");
    EXPECT_FAULT("ProImportfeatCreate", -2, box.ImportACIS("box.sat"), Ardo::Error,
                 "ProImportfeatCreate");
    try {
        box.ImportSTEP("missing.stp");
        ADD_FAILURE() << "a missing file was imported";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "ProImportfeatCreate");
    }
}

TEST_F(IoImportTest, StepWrittenForAPartReadsBackWithItsVolumeInTheChosenFrame) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    box.WriteSTEP("moved.stp", "MOVED", false, false, false);
    kelt2pMdl part = freshPart();
    part.ImportSTEP("moved.stp");
    EXPECT_NEAR(volumeOf(L"FRESH"), 6000.0, 1e-6);
    // In the frame of MOVED: x' = y, y' = 5 - x.
    Ardo::Matrix identity;
    Ardo::kelt2pBox outline = part.OutlineCompute(identity);
    EXPECT_NEAR(outline.first.x, 0, 1e-6);
    EXPECT_NEAR(outline.first.y, -5, 1e-6);
    EXPECT_NEAR(outline.first.z, 0, 1e-6);
    EXPECT_NEAR(outline.second.x, 20, 1e-6);
    EXPECT_NEAR(outline.second.y, 5, 1e-6);
    EXPECT_NEAR(outline.second.z, 30, 1e-6);
}

TEST_F(IoImportTest, StepOfAnotherProgramImportsWithItsVolumeAndPlace) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    writeFile("other.stp", boxStep({1, 2, 3}, {4, 5, 6}));
    kelt2pMdl part = freshPart();
    part.ImportSTEP("other.stp");
    EXPECT_NEAR(volumeOf(L"FRESH"), 120.0, 1e-6);
    Ardo::Matrix identity;
    Ardo::kelt2pBox outline = part.OutlineCompute(identity);
    EXPECT_NEAR(outline.first.x, 1, 1e-6);
    EXPECT_NEAR(outline.first.y, 2, 1e-6);
    EXPECT_NEAR(outline.first.z, 3, 1e-6);
    EXPECT_NEAR(outline.second.x, 5, 1e-6);
    EXPECT_NEAR(outline.second.y, 7, 1e-6);
    EXPECT_NEAR(outline.second.z, 9, 1e-6);

    // The same file into a new part of its own.
    kelt2pMdl created;
    created.Create("OTHER", Ardo::KELT2P_MDL_PART, "other.stp", Ardo::KELT2P_IMPORT_STEP, true);
    EXPECT_STREQ(created.NameGet(), "OTHER");
    EXPECT_NEAR(volumeOf(L"OTHER"), 120.0, 1e-6);
}

TEST_F(IoImportTest, AcisWrittenForAPartReadsBackWithItsVolume) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    box.WriteACIS("box.sat", "CS0", false, false, false);
    kelt2pMdl part = freshPart();
    part.ImportACIS("box.sat");
    EXPECT_NEAR(volumeOf(L"FRESH"), 6000.0, 1e-6);
}

TEST_F(IoImportTest, SplitAssemblyNamesItsComponentsAfterTheRequestedName) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    threePartAssembly().WriteSTEP("asm.stp", "CS0", false, false, false);
    kelt2pMdl imported;
    imported.Create("NEW", Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp", Ardo::KELT2P_IMPORT_STEP, true);
    EXPECT_STREQ(imported.NameGet(), "_NEW");
    EXPECT_EQ(inSession({"NEW", "NEW_1", "NEW_2", "NEW_3"}, PRO_MDL_PART),
              (Strings{"NEW", "NEW_1", "NEW_2"}));
    // The components in the file's order: PA, PB, PC.
    EXPECT_NEAR(volumeOf(L"NEW"), 1000.0, 1e-6);
    EXPECT_NEAR(volumeOf(L"NEW_1"), 1100.0, 1e-6);
    EXPECT_NEAR(volumeOf(L"NEW_2"), 1200.0, 1e-6);
    EXPECT_EQ(imported.ComponetList(".*"), 3);
}

TEST_F(IoImportTest, WithoutSplitOrIntoAPartNothingIsRenamed) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    threePartAssembly().WriteSTEP("asm.stp", "CS0", false, false, false);
    simhost::clearJournal();
    kelt2pMdl whole;
    whole.Create("WHOLE", Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp", Ardo::KELT2P_IMPORT_STEP, false);
    kelt2pMdl single;
    single.Create("SINGLE", Ardo::KELT2P_MDL_PART, "asm.stp", Ardo::KELT2P_IMPORT_STEP, true);
    EXPECT_EQ(testkit::callCount("ProMdlRename"), 0);
    EXPECT_STREQ(whole.NameGet(), "WHOLE");
    EXPECT_STREQ(single.NameGet(), "SINGLE");
    EXPECT_NEAR(volumeOf(L"SINGLE"), 3300.0, 1e-6);
}

TEST_F(IoImportTest, FormedNamesOverThirtyOneCharactersAreRefusedBeforeAnyRename) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    threePartAssembly().WriteSTEP("asm.stp", "CS0", false, false, false);
    simhost::clearJournal();
    // "_" + 30 characters fits; the 30 characters + "_2" do not.
    kelt2pMdl thirty;
    EXPECT_THROW_CODE(thirty.Create(nameOf(30, 'T').c_str(), Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp",
                                    Ardo::KELT2P_IMPORT_STEP, true),
                      Ardo::Error, -6, "Ardo::kelt2pMdl::Create");
    // 31 characters: the assembly's own "_" form is too long.
    kelt2pMdl full;
    EXPECT_THROW_CODE(full.Create(nameOf(31, 'F').c_str(), Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp",
                                  Ardo::KELT2P_IMPORT_STEP, true),
                      Ardo::Error, -6, "Ardo::kelt2pMdl::Create");
    EXPECT_EQ(testkit::callCount("ProMdlRename"), 0);
    // The imported models stay as the host made them, bound.
    EXPECT_STREQ(full.NameGet(), nameOf(31, 'F').c_str());

    // 29 characters: every formed name fits.
    kelt2pMdl fits;
    fits.Create(nameOf(29, 'S').c_str(), Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp",
                Ardo::KELT2P_IMPORT_STEP, true);
    EXPECT_STREQ(fits.NameGet(), ("_" + nameOf(29, 'S')).c_str());
}

TEST_F(IoImportTest, AssemblyWithoutComponentsIsRenamedThenRaisesTheSubscriptError) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    threePartAssembly().WriteSTEP("asm.stp", "CS0", false, false, false);
    // The component listing's visit fails: the list is empty.
    simhost::injectFault("ProSolidFeatVisit", PRO_TK_GENERAL_ERROR);
    kelt2pMdl empty;
    EXPECT_SUBSCRIPT_ERROR(empty.Create("EMPTY", Ardo::KELT2P_MDL_ASSEMBLY, "asm.stp",
                                        Ardo::KELT2P_IMPORT_STEP, true));
    EXPECT_STREQ(empty.NameGet(), "_EMPTY");
    EXPECT_EQ(testkit::callCount("ProMdlRename"), 1);
}

TEST_F(IoImportTest, CreateFailureLeavesTheObjectUnbound) {
    kelt2pMdl target;
    EXPECT_FAULT(
        "ProIntfimportModelCreate", -1,
        target.Create("NEW", Ardo::KELT2P_MDL_PART, "asm.stp", Ardo::KELT2P_IMPORT_STEP, false),
        Ardo::Error, "Ardo::Solid::Create");
    EXPECT_THROW_CODE(target.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
}

TEST_F(IoImportTest, ShrinkwrapIgnoresTheLevelAndAnswersTheRelease) {
    const Strings toFile = {"ProShrinkwrapoptionsAlloc",
                            "ProShrinkwrapoptionsAutoholefillingSet",
                            "ProShrinkwrapoptionsFacetedformatSet",
                            "ProShrinkwrapoptionsQualitySet",
                            "ProSolidShrinkwrapCreate",
                            "ProShrinkwrapoptionsFree"};
    std::vector<std::vector<std::string>> journals;
    for (int level : {0, 3, -7, 1000}) {
        simhost::clearJournal();
        EXPECT_EQ(box.ShrinkwrapCreate("wrap.stl", level, true), 0);
        journals.push_back(simhost::journal());
        EXPECT_EQ(callsAmong(toFile), toFile);
    }
    for (const auto& journal : journals) {
        EXPECT_EQ(journal, journals.front());
    }
    // Faceted into a file, as STL, at the finest quality, holes filled as asked.
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsAlloc"), Strings{"ProShrinkwrapoptionsAlloc 1"});
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsAutoholefillingSet"),
              Strings{"ProShrinkwrapoptionsAutoholefillingSet 1"});
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsFacetedformatSet"),
              Strings{"ProShrinkwrapoptionsFacetedformatSet 2"});
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsQualitySet"),
              Strings{"ProShrinkwrapoptionsQualitySet 10"});

    long live = simhost::liveObjects();
    simhost::injectFault("ProSolidShrinkwrapCreate", -1);
    EXPECT_EQ(box.ShrinkwrapCreate("wrap.stl", 1, false), 0);
    simhost::injectFault("ProShrinkwrapoptionsFree", -2);
    EXPECT_EQ(box.ShrinkwrapCreate("wrap.stl", 1, false), -2);
    EXPECT_EQ(simhost::liveObjects(), live);
    // Without options nothing else is asked.
    simhost::clearJournal();
    simhost::injectFault("ProShrinkwrapoptionsAlloc", -1);
    EXPECT_EQ(box.ShrinkwrapCreate("wrap.stl", 1, false), -1);
    EXPECT_EQ(simhost::journal().size(), 1u);
}

TEST_F(IoImportTest, ShrinkwrapIntoAModelUsesTheMergedMethod) {
    const Strings intoModel = {"ProShrinkwrapoptionsAlloc",
                               "ProShrinkwrapoptionsAutoholefillingSet",
                               "ProShrinkwrapoptionsFacetedformatSet",
                               "ProShrinkwrapoptionsQualitySet",
                               "ProSolidShrinkwrapCreate",
                               "ProShrinkwrapoptionsFree"};
    kelt2pMdl target = freshPart();
    simhost::clearJournal();
    EXPECT_EQ(box.ShrinkwrapCreate(target, 5, false), 0);
    EXPECT_EQ(callsAmong(intoModel),
              (Strings{"ProShrinkwrapoptionsAlloc", "ProShrinkwrapoptionsAutoholefillingSet",
                       "ProShrinkwrapoptionsQualitySet", "ProSolidShrinkwrapCreate",
                       "ProShrinkwrapoptionsFree"}));
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsAlloc"), Strings{"ProShrinkwrapoptionsAlloc 2"});
    EXPECT_EQ(entriesOf("ProShrinkwrapoptionsAutoholefillingSet"),
              Strings{"ProShrinkwrapoptionsAutoholefillingSet 0"});
    if (kernelReads()) {
        EXPECT_NEAR(volumeOf(L"FRESH"), 6000.0, 1.0);
    }
}

TEST_F(IoImportTest, ShrinkwrapFileOfABoxIsItsTriangulation) {
    if (!kernelReads()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    EXPECT_EQ(box.ShrinkwrapCreate("wrap.stl", 1, true), 0);
    ASSERT_TRUE(std::filesystem::exists("wrap.stl"));
}

}  // namespace
}  // namespace iotest
