// The session's working directory: reading it, changing it, and where models are saved
// and created afterwards.
#include <ProMdl.h>
#include <ProUtil.h>

#include <filesystem>
#include <string>

#include "model_helpers.h"

namespace {

namespace fs = std::filesystem;

class DirectoryTest : public modeltest::ConnectedTest {
protected:
    std::wstring current() {
        ProPath path{};
        EXPECT_EQ(ProDirectoryCurrentGet(path), PRO_TK_NO_ERROR);
        return path;
    }
    ProError change(const std::string& path) {
        modeltest::Path p(path);
        return ProDirectoryChange(p.text);
    }
    static std::wstring shown(const fs::path& dir) {
        std::string text = (fs::canonical(dir) / "").string();
        return std::wstring(text.begin(), text.end());
    }
};

TEST_F(DirectoryTest, ChangeTakesRelativeAndAbsolutePathsAndRefusesMissingOnes) {
    EXPECT_EQ(current(), shown(workDir));
    fs::create_directories(workDir / "sub" / "deeper");

    ASSERT_EQ(change("sub"), PRO_TK_NO_ERROR);
    EXPECT_EQ(current(), shown(workDir / "sub"));
    ASSERT_EQ(change("deeper/.."), PRO_TK_NO_ERROR);
    EXPECT_EQ(current(), shown(workDir / "sub"));
    ASSERT_EQ(change((workDir / "sub" / "deeper").string()), PRO_TK_NO_ERROR);
    EXPECT_EQ(current(), shown(workDir / "sub" / "deeper"));

    // A directory that does not exist, a file and an empty path leave the directory.
    EXPECT_EQ(change("no_such_dir"), PRO_TK_INVALID_DIR);
    writeFile("plain.txt", "x");
    EXPECT_EQ(change((workDir / "plain.txt").string()), PRO_TK_INVALID_DIR);
    EXPECT_EQ(change(""), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDirectoryChange(nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDirectoryCurrentGet(nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(current(), shown(workDir / "sub" / "deeper"));
    // The host is another process: this process's directory stays.
    EXPECT_EQ(fs::current_path(), workDir);
}

TEST_F(DirectoryTest, ModelsSavedOrCreatedAfterAChangeLandInTheNewDirectory) {
    ProMdl loadedBefore = modeltest::create(L"LOADED");
    ASSERT_EQ(ProMdlSave(loadedBefore), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(loadedBefore), PRO_TK_NO_ERROR);
    ASSERT_EQ(modeltest::load("loaded.prt", &loadedBefore), PRO_TK_NO_ERROR);
    ProMdl newBefore = modeltest::create(L"NEW_BEFORE");
    ASSERT_NE(newBefore, nullptr);
    ProMdl unsavedBefore = modeltest::create(L"UNSAVED");
    ASSERT_NE(unsavedBefore, nullptr);

    fs::create_directories(workDir / "other");
    ASSERT_EQ(change("other"), PRO_TK_NO_ERROR);
    ProMdl newAfter = modeltest::create(L"NEW_AFTER");
    ASSERT_NE(newAfter, nullptr);
    for (ProMdl model : {loadedBefore, newBefore, newAfter}) {
        ASSERT_EQ(ProMdlSave(model), PRO_TK_NO_ERROR);
    }
    // The loaded model keeps its file where it came from; the others never had one.
    EXPECT_TRUE(fs::exists(workDir / "loaded.prt"));
    EXPECT_FALSE(fs::exists(workDir / "other" / "loaded.prt"));
    EXPECT_TRUE(fs::exists(workDir / "other" / "new_before.prt"));
    EXPECT_FALSE(fs::exists(workDir / "new_before.prt"));
    EXPECT_TRUE(fs::exists(workDir / "other" / "new_after.prt"));

    // A copy is saved next to its original's file.
    modeltest::Name copyName(L"LOADED_COPY");
    ProMdl copy = nullptr;
    ASSERT_EQ(ProMdlCopy(loadedBefore, copyName.text, &copy), PRO_TK_NO_ERROR);
    EXPECT_TRUE(fs::exists(workDir / "loaded_copy.prt"));
    EXPECT_FALSE(fs::exists(workDir / "other" / "loaded_copy.prt"));

    // A copy of a model without a file is saved where a new model would be.
    modeltest::Name unsavedCopy(L"UNSAVED_COPY");
    ASSERT_EQ(ProMdlCopy(unsavedBefore, unsavedCopy.text, &copy), PRO_TK_NO_ERROR);
    EXPECT_TRUE(fs::exists(workDir / "other" / "unsaved_copy.prt"));
    EXPECT_FALSE(fs::exists(workDir / "unsaved_copy.prt"));

    // Once saved, a model stays with its file after the next change.
    ASSERT_EQ(change(".."), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(newBefore), PRO_TK_NO_ERROR);
    EXPECT_FALSE(fs::exists(workDir / "new_before.prt"));

    // Names without a path are looked up in the current directory.
    ASSERT_EQ(ProMdlErase(newAfter), PRO_TK_NO_ERROR);
    ProMdl reloaded = nullptr;
    EXPECT_EQ(modeltest::load("new_after.prt", &reloaded), PRO_TK_E_NOT_FOUND);
    ASSERT_EQ(change("other"), PRO_TK_NO_ERROR);
    EXPECT_EQ(modeltest::load("new_after.prt", &reloaded), PRO_TK_NO_ERROR);
}

TEST_F(DirectoryTest, TheTrailFileStaysWhereTheSessionStarted) {
    fs::create_directories(workDir / "other");
    ASSERT_EQ(change("other"), PRO_TK_NO_ERROR);
    ProComment comment{};
    std::wstring text = L"after the change";
    text.copy(comment, text.size());
    ASSERT_EQ(ProTrailfileCommentWrite(comment), PRO_TK_NO_ERROR);
    EXPECT_TRUE(fs::exists(workDir / "trail.txt"));
    EXPECT_FALSE(fs::exists(workDir / "other" / "trail.txt"));
}

TEST_F(DirectoryTest, InjectedFaultsAndNoConnectionChangeNothing) {
    fs::create_directories(workDir / "other");
    simhost::injectFault("ProDirectoryChange", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(change("other"), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(current(), shown(workDir));
    EXPECT_TRUE(testkit::journalHas("ProDirectoryChange other"));
    simhost::reset();
    ProPath path{};
    EXPECT_EQ(ProDirectoryCurrentGet(path), PRO_TK_COMM_ERROR);
    EXPECT_EQ(change("other"), PRO_TK_COMM_ERROR);
}

}  // namespace
