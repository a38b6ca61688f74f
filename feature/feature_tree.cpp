// Writing a feature's element tree for diagnosis: the text dump "elemtree.inf" in the
// current directory and the host's XML form "fixt.xml" in the host's working directory.
// Nothing is raised; the model's status tells the outcome.
#include <ProElement.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProMfg.h>

#include "feature/elemtree_dump.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature_search.h"

namespace Ardo {

namespace {

// Keeps the first failing code of a sequence of calls.
void note(std::int32_t& first, ProError err) {
    if (first == PRO_TK_NO_ERROR) {
        first = err;
    }
}

}  // namespace

void Solid::featureTreeWrite(ProFeature& feature) {
    ardotk::ElemTree tree;
    ProError err = ProFeatureElemtreeCreate(&feature, tree.out());
    if (err != PRO_TK_NO_ERROR) {
        status = err;
        return;
    }
    std::int32_t first = PRO_TK_NO_ERROR;
    note(first, ElemtreeDump(tree.get()));
    ProPath xmlFile = L"fixt.xml";
    note(first, ProElemtreeWrite(tree.get(), PRO_ELEMTREE_XML, xmlFile));
    note(first, tree.release());
    status = first;
}

void Solid::PrintFeatTree(int id) {
    if (handle == nullptr) {
        status = PRO_TK_EMPTY;
        return;
    }
    // The features of a manufacturing model belong to its manufacturing solid.
    ProMdlType modelType = PRO_MDL_UNUSED;
    status = ProMdlTypeGet(handle, &modelType);
    if (status != PRO_TK_NO_ERROR) {
        return;
    }
    ProSolid owner = static_cast<ProSolid>(handle);
    if (modelType == PRO_MDL_MFG) {
        status = ProMfgSolidGet(static_cast<ProMfg>(handle), &owner);
        if (status != PRO_TK_NO_ERROR) {
            return;
        }
    }
    ProFeature feature{};
    status = ProFeatureInit(owner, id, &feature);
    if (status == PRO_TK_NO_ERROR) {
        featureTreeWrite(feature);
    }
}

void Solid::PrintFeatTree(const char* featureName) {
    if (handle == nullptr) {
        status = PRO_TK_EMPTY;
        return;
    }
    std::vector<ProFeature> found;
    try {
        ardotk::FeatureSearch(static_cast<ProSolid>(handle), featureName, ardotk::kAnyFeatureType,
                              true, found);
    } catch (const ardotk::Error& e) {
        // An invalid pattern carries code 0; it is still a failure.
        status = e.code != PRO_TK_NO_ERROR ? e.code : PRO_TK_BAD_INPUTS;
        return;
    }
    if (found.size() != 1) {
        status = PRO_TK_E_NOT_FOUND;
        return;
    }
    featureTreeWrite(found.front());
}

}  // namespace Ardo
