// Why a model file was refused: the file, and the line and column of what is wrong.
#include <ProMdl.h>

#include <string>

#include "model_helpers.h"

namespace {

using modeltest::load;

class LoadDiagnosticTest : public modeltest::ConnectedTest {
protected:
    // Loads `file` expecting `code`; returns the diagnostic with the path of the working
    // directory cut off.
    std::string refusal(const std::string& file, ProError code = PRO_TK_INVALID_FILE) {
        ProMdl model = nullptr;
        EXPECT_EQ(load(file, &model), code) << file;
        EXPECT_EQ(model, nullptr);
        std::string text = simhost::lastLoadDiagnostic();
        std::string dir = (workDir / "").string();
        return text.rfind(dir, 0) == 0 ? text.substr(dir.size()) : text;
    }
};

TEST_F(LoadDiagnosticTest, SyntaxErrorsGiveLineAndColumn) {
    writeFile("cut.prt", "{\n  \"type\": \"PRT\",\n  \"version\": 1,\n");
    EXPECT_EQ(refusal("cut.prt").rfind("cut.prt:4:1: syntax error", 0), 0u)
        << simhost::lastLoadDiagnostic();
    writeFile("typo.prt", "{\n  \"type\": \"PRT\",\n  \"units\": tru\n}\n");
    EXPECT_EQ(refusal("typo.prt").rfind("typo.prt:3:", 0), 0u) << simhost::lastLoadDiagnostic();
    writeFile("list.prt", "  [1, 2]");
    EXPECT_EQ(refusal("list.prt"), "list.prt:1:3: a model file holds one JSON object");
}

TEST_F(LoadDiagnosticTest, ValuesOfTheWrongKindNameTheirKey) {
    writeFile("bolt.prt", "{\n  \"type\": \"PRT\",\n  \"version\": \"three\"\n}\n");
    EXPECT_EQ(refusal("bolt.prt"), "bolt.prt:3:14: version: type must be number, but is string");
    writeFile("nut.prt", "{\"type\": \"ASM\"}");
    EXPECT_EQ(refusal("nut.prt"),
              "nut.prt:1:10: type: type \"ASM\" does not agree with the file's extension (PRT)");
    writeFile("pin.prt", "{\n\"accuracy\": {\"type\": \"fuzzy\", \"value\": 1}}");
    EXPECT_EQ(refusal("pin.prt"),
              "pin.prt:2:22: accuracy.type: accuracy type \"fuzzy\" is neither \"relative\" nor "
              "\"absolute\"");
}

TEST_F(LoadDiagnosticTest, SectionsNameTheEntryAndKey) {
    writeFile("block.prt", R"({
  "features": {"list": [
    {"id": 1, "type": 917, "name": "ONE"},
    {"id": 2, "type": 917, "status": 42}
  ]}
})");
    EXPECT_EQ(refusal("block.prt"),
              "block.prt:4:38: features.list[1].status: unknown feature status 42");
    writeFile("tree.prt", R"({"features": [
  {"id": 1, "type": 917, "tree": {"id": 386, "children": [
    {"id": 387, "transform": [[1, 0, 0, 0]]}]}}]})");
    EXPECT_EQ(refusal("tree.prt"),
              "tree.prt:3:30: features[0].tree.children[0].transform: element tree: a "
              "transform has four rows");
    writeFile("job.mfg", R"({"tools": [{"id": "EM_12", "type": 10}],
 "nc_sequences": [
   {"name": "ROUGH", "operation": 5, "tool": "EM_12"},
   {"name": "FINISH", "tool": "BALL_6"}]})");
    std::string text = refusal("job.mfg");
    EXPECT_EQ(text, "job.mfg:3:35: nc_sequences[0].operation: names no operation of the model");
}

TEST_F(LoadDiagnosticTest, ComponentsAndMissingFilesNameTheirFile) {
    writeFile("frame.asm", R"({"components": [{"id": 1, "model": "rail", "type": "PRT"}]})");
    writeFile("rail.prt", "{\"revision\": -1}");
    EXPECT_EQ(refusal("frame.asm"), "rail.prt:1:14: revision: a negative revision");
    EXPECT_EQ(refusal("gone.prt", PRO_TK_E_NOT_FOUND), "gone.prt: no such file");
}

TEST_F(LoadDiagnosticTest, ClearedBySuccessAndByReset) {
    EXPECT_EQ(simhost::lastLoadDiagnostic(), "");
    writeFile("bad.prt", "{");
    writeFile("good.prt", "{}");
    refusal("bad.prt");
    EXPECT_NE(simhost::lastLoadDiagnostic(), "");
    ProMdl model = nullptr;
    ASSERT_EQ(load("good.prt", &model), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::lastLoadDiagnostic(), "");
    refusal("bad.prt");
    simhost::reset();
    EXPECT_EQ(simhost::lastLoadDiagnostic(), "");
}

}  // namespace
