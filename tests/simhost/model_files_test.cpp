// Model files: hand-written files, reserved sections kept, malformed files refused.
#include <ProMdl.h>
#include <ProMdlUnits.h>
#include <ProSolid.h>
#include <ProVariantFeat.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "model_helpers.h"

namespace {

using modeltest::load;

class ModelFilesTest : public modeltest::ConnectedTest {
protected:
    nlohmann::json readBack(const std::string& file) {
        return nlohmann::json::parse(readText(file));
    }
};

TEST_F(ModelFilesTest, ReservedSectionsSurviveASave) {
    writeFile("gear.prt", R"({
        "format": 1, "type": "PRT", "subtype": 4, "variant_feature_model": true,
        "later_area": [{"name": "MATERIAL", "value": "steel"}],
        "future_section": {"anything": [1, 2, 3]}
    })");
    ProMdl gear = nullptr;
    ASSERT_EQ(load("gear", PRO_MDL_PART, &gear), PRO_TK_NO_ERROR);
    ProMdlsubtype subtype{};
    ASSERT_EQ(ProMdlSubtypeGet(gear, &subtype), PRO_TK_NO_ERROR);
    EXPECT_EQ(subtype, PROMDLSTYPE_PART_SHEETMETAL);
    ProBoolean variant = PRO_B_FALSE;
    ASSERT_EQ(ProMdlIsVariantfeatMdl(gear, &variant), PRO_TK_NO_ERROR);
    EXPECT_EQ(variant, PRO_B_TRUE);
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    nlohmann::json saved = readBack("gear.prt");
    EXPECT_EQ(saved["later_area"][0]["value"], "steel");
    EXPECT_EQ(saved["future_section"]["anything"][2], 3);
    EXPECT_EQ(saved["version"], 1);
    EXPECT_EQ(saved["name"], "GEAR");
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    EXPECT_EQ(readBack("gear.prt")["version"], 2);
}

TEST_F(ModelFilesTest, MalformedFilesFailWithACode) {
    const char* const bad[] = {
        "",                         // empty
        "{\"type\": \"PRT\"",       // cut short
        "[1, 2]",                   // not an object
        R"({"type": "ASM"})",       // another type than the extension
        R"({"version": "three"})",  // wrong value type
        R"({"accuracy": {"type": "fuzzy", "value": 1}})",
        R"({"surface_properties": "red"})",
        R"({"units": ""})",
    };
    int i = 0;
    for (const char* text : bad) {
        std::string name = "bad" + std::to_string(i++);
        writeFile(name + ".prt", text);
        ProMdl model = nullptr;
        EXPECT_EQ(load(name, PRO_MDL_PART, &model), PRO_TK_INVALID_FILE) << text;
        EXPECT_EQ(model, nullptr);
    }
    ProMdl* models = nullptr;
    int count = 0;
    EXPECT_EQ(ProSessionMdlList(PRO_MDL_PART, &models, &count), PRO_TK_E_NOT_FOUND);
}

TEST_F(ModelFilesTest, FileNamesAreFoundInAnyCase) {
    writeFile("washer.prt", R"({"type": "PRT"})");
    ProMdl model = nullptr;
    ASSERT_EQ(load("WASHER.PRT", PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
    EXPECT_EQ(modeltest::nameOf(model), L"WASHER");
    std::filesystem::create_directory(workDir / "lib");
    writeFile("lib/nut.prt", R"({"type": "PRT"})");
    ASSERT_EQ(load("lib/nut", PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
    ProMdldata data{};
    ASSERT_EQ(ProMdldataGet(model, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(std::filesystem::path(data.path), workDir / "lib" / "");
    // Saving writes next to the file it came from.
    ASSERT_EQ(ProMdlSave(model), PRO_TK_NO_ERROR);
    EXPECT_EQ(readBack("lib/nut.prt")["version"], 1);
}

}  // namespace
