#include "faults/feature_scene.h"

#include <ProFeature.h>
#include <ProMdl.h>

#include <fstream>
#include <iterator>
#include <set>

#include "support/sample_models.h"

namespace featurescene {

namespace {

// A tree whose selection element refers to feature `parent` of the same model, as a
// feature's tree names its parent.
std::string treeReferring(int type, int parent) {
    return R"({"id": 386, "children": [{"id": 387, "int": )" + std::to_string(type) +
           R"(}, {"id": 9999, "selection": {"type": 3, "id": )" + std::to_string(parent) +
           R"(, "owner": "."}}]})";
}

constexpr const char* kBaseTree = R"({"id": 386, "children": [
        {"id": 387, "int": 917},
        {"id": 151, "wstring": "CS0"},
        {"id": 333, "double": 1.5},
        {"id": 491, "children": [{"id": 510, "children": [{"id": 492, "int": 1}]}]},
        {"id": 9999, "selection": {"type": 3, "id": 1, "owner": "."}}]})";

std::string bracketFile() {
    return std::string(R"({"type": "PRT", "features": [
        {"id": 1, "type": 923, "name": "RIGHT"},
        {"id": 2, "type": 923, "name": "TOP"},
        {"id": 5, "type": 917, "name": "BASE", "tree": )") +
           kBaseTree + R"(},
        {"id": 12, "type": 917},
        {"id": 13, "type": 911, "name": "HOLE_1", "status": 5},
        {"id": 14, "type": 979, "name": "CS0", "status": 6},
        {"id": 20, "type": 911, "name": "HOLE_2", "tree": )" +
           treeReferring(911, 5) + R"(},
        {"id": 21, "type": 923, "name": "LATE", "status": 5}
    ]})";
}

constexpr const char* kBlockFile = testkit::kDimensionBlock;

Ardo::kelt2pMdl loaded(const char* file, const std::string& content,
                       Ardo::kelt2pMdlType type = Ardo::KELT2P_MDL_PART) {
    testkit::freshHost();
    testkit::writeTextFile(file, content);
    Ardo::kelt2pMdl mdl;
    mdl.Load(file, type, false);
    return mdl;
}

}  // namespace

Ardo::kelt2pMdl bracketLoaded() {
    return loaded("bracket.prt", bracketFile());
}

Ardo::kelt2pMdl jobLoaded() {
    return loaded("job.mfg",
                  std::string(R"({"type": "MFG", "features": [
        {"id": 1, "type": 923, "name": "ADTM1"},
        {"id": 5, "type": 917, "name": "BASE", "tree": )") +
                      kBaseTree + "}]}",
                  Ardo::KELT2P_MDL_MFG);
}

Ardo::kelt2pMdl blockLoaded() {
    return loaded("block.prt", kBlockFile);
}

bool aboutFeature(const testkit::HostCall& call, int id) {
    // "<function> <model>:<id> ..."
    const std::string key = ":" + std::to_string(id);
    for (auto at = call.entry.find(key); at != std::string::npos;
         at = call.entry.find(key, at + 1)) {
        const auto end = at + key.size();
        if (end == call.entry.size() || call.entry[end] == ' ') {
            return true;
        }
    }
    return false;
}

bool readsAsUnnamed(const testkit::HostCall& call, int code) {
    return call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND;
}

testkit::Expectation searchFor(int id, testkit::Expectation notFound, testkit::Expectation rest) {
    using testkit::HostCall;
    using testkit::Outcome;
    return [id, notFound, rest](const HostCall& call, int code) {
        static const std::set<std::string> searchCalls = {
            "ProSolidFeatVisit", "ProFeatureStatusGet", "ProFeatureTypeGet", "ProFeatureIsNcseq",
            "ProModelitemNameGet"};
        if (call.function == "ProStringToWstring") {
            return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
        }
        if (searchCalls.count(call.function) == 0) {
            return rest(call, code);
        }
        if (call.function == "ProSolidFeatVisit" && code == PRO_TK_E_NOT_FOUND) {
            return notFound(call, code);
        }
        if (readsAsUnnamed(call, code)) {
            return aboutFeature(call, id) ? notFound(call, code) : Outcome::nothing();
        }
        return Outcome::toolkit(code, "ardotk::FeatureSearch");
    };
}

bool bracketHasFeature(int id) {
    ProName name = L"BRACKET";
    ProMdl handle = nullptr;
    if (ProMdlInit(name, PRO_MDL_PART, &handle) != PRO_TK_NO_ERROR) {
        return false;
    }
    ProFeature feature{};
    return ProFeatureInit(static_cast<ProSolid>(handle), id, &feature) == PRO_TK_NO_ERROR;
}

std::string fileText(const std::string& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace featurescene
