#include "faults/model_scene.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>

#include "kelt2proe/error.h"
#include "support/expect.h"
#include "support/sweep_table.h"

namespace modelrows {

Ardo::kelt2pMdl& mdl() {
    static Ardo::kelt2pMdl object;
    return object;
}

void unboundModel() {
    testkit::freshHost();
    mdl() = Ardo::kelt2pMdl();
}

void createdPart() {
    unboundModel();
    mdl().Create("gear", Ardo::KELT2P_MDL_PART);
}

void shownPart() {
    createdPart();
    mdl().Display();
}

void loadedModel(const std::string& file, Ardo::kelt2pMdlType type, const std::string& content) {
    unboundModel();
    testkit::writeTextFile(file, content);
    mdl().Load(file.c_str(), type, false);
}

bool inSession(const std::wstring& name, ProMdlType type) {
    ProName wide = {};
    std::wcsncpy(wide, name.c_str(), PRO_NAME_SIZE - 1);
    ProMdl found = nullptr;
    return ProMdlInit(wide, type, &found) == PRO_TK_NO_ERROR;
}

bool fileExists(const std::string& name) {
    return std::filesystem::exists(name);
}

void removeFile(const std::string& name) {
    std::filesystem::remove_all(name);
}

void expectUnboundWithStatus(int code) {
    EXPECT_THROW_CODE(mdl().Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
    EXPECT_THROW_CODE(mdl().Display(), Ardo::Error, code, "Ardo::Mdl::Display");
}

void expectStillBoundToGear() {
    EXPECT_TRUE(inSession(L"gear"));
    EXPECT_STREQ(mdl().NameGet(), "GEAR");
}

}  // namespace modelrows
