// Fault-sweep rows of kelt2pMdl: the whole-model operations (save, rename, copy, backup,
// erase, display, regenerate) and those that act through the model's window.
#include <gtest/gtest.h>

#include <filesystem>

#include "faults/model_scene.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using modelrows::mdl;

// A refused erase leaves the object bound and the model in session.
SweepRow::Check stillBound() {
    return [](const HostCall&, int, const Outcome&) { modelrows::expectStillBoundToGear(); };
}

std::vector<SweepRow> lifecycleRows() {
    return {
        {"Ardo::kelt2pMdl::Save()",
         [] {
             modelrows::createdPart();
             modelrows::removeFile("gear.prt");
         },
         [] { mdl().Save(); }, throwsLibrary("Ardo::Mdl::Save"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_FALSE(modelrows::fileExists("gear.prt"));
         }},
        {"Ardo::kelt2pMdl::Rename(char const*)", modelrows::createdPart,
         [] { mdl().Rename("pinion"); }, throwsLibrary("Ardo::Mdl::Rename"),
         [](const HostCall&, int, const Outcome&) {
             modelrows::expectStillBoundToGear();
             EXPECT_FALSE(modelrows::inSession(L"pinion"));
         }},
        // The copy is neither in session nor on disk.
        {"Ardo::kelt2pMdl::Copy(char const*)",
         [] {
             modelrows::createdPart();
             modelrows::removeFile("pinion.prt");
         },
         [] { mdl().Copy("pinion"); }, throwsLibrary("Ardo::Mdl::Copy"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_FALSE(modelrows::inSession(L"pinion"));
             EXPECT_FALSE(modelrows::fileExists("pinion.prt"));
         }},
        {"Ardo::kelt2pMdl::Backup(char const*)",
         [] {
             modelrows::createdPart();
             modelrows::removeFile("backup");
             std::filesystem::create_directory("backup");
         },
         [] { mdl().Backup("backup"); }, throwsLibrary("Ardo::Mdl::Backup"),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_FALSE(modelrows::fileExists("backup/gear.prt"));
         }},
        {"Ardo::kelt2pMdl::Erase()", modelrows::createdPart, [] { mdl().Erase(); },
         throwsLibrary("Ardo::Mdl::Erase"), stillBound()},
        {"Ardo::kelt2pMdl::EraseAll()", modelrows::createdPart, [] { mdl().EraseAll(); },
         throwsLibrary("Ardo::Mdl::EraseAll"), stillBound()},
        {"Ardo::kelt2pMdl::Display()", modelrows::createdPart, [] { mdl().Display(); },
         throwsLibrary("Ardo::Mdl::Display")},
        {"Ardo::kelt2pMdl::ModificationVerify()", modelrows::createdPart,
         [] { mdl().ModificationVerify(); }, throwsLibrary("Ardo::Mdl::ModificationVerify")},
        {"Ardo::kelt2pMdl::WindowGet()", modelrows::shownPart, [] { mdl().WindowGet(); },
         throwsLibrary("Ardo::Mdl::WindowGet")},
        {"Ardo::kelt2pMdl::Regenerate()", modelrows::createdPart, [] { mdl().Regenerate(); },
         throwsLibrary("Ardo::Solid::Regenerate")},
        // The window is found through the model; each call fails under its own name.
        {"Ardo::kelt2pMdl::Repaint()", modelrows::shownPart, [] { mdl().Repaint(); },
         except(throwsLibrary("Ardo::Window::Repaint"), "ProMdlWindowGet",
                throwsLibrary("Ardo::Mdl::WindowGet"))},
        {"Ardo::kelt2pMdl::Refresh()", modelrows::shownPart, [] { mdl().Refresh(); },
         except(throwsLibrary("Ardo::Window::Refresh"), "ProMdlWindowGet",
                throwsLibrary("Ardo::Mdl::WindowGet"))},
    };
}
SWEEP_ROWS(lifecycleRows);

}  // namespace
