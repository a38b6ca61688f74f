#include "simhost/state/insert_mode.h"

#include <ProFeature.h>

#include <algorithm>

#include "simhost/state/features.h"

namespace simhost::state {

namespace {

struct InsertMode {
    bool active = false;
    std::vector<int> suppressed;  // the features insert mode suppressed, in order
};

InsertMode& insertMode(Model& model) {
    return model.content<InsertMode>();
}

bool suppressedByInsert(const InsertMode& mode, int id) {
    return std::find(mode.suppressed.begin(), mode.suppressed.end(), id) != mode.suppressed.end();
}

// True when every feature comes after the features it references.
bool parentsFirst(Model& model) {
    FeatureStore& store = features(model);
    void* self = modelHandle(model.id);
    for (int id : store.order()) {
        for (int parent : store.parents(*store.find(id), self)) {
            if (store.number(parent) > store.number(id)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool insertModeActive(Model& model) {
    return insertMode(model).active;
}

ProError insertModeActivate(Model& model, int featureId) {
    FeatureStore& store = features(model);
    InsertMode& mode = insertMode(model);
    const Feature* point = store.find(featureId);
    if (point == nullptr || point->status != kFeatActive) {
        return PRO_TK_BAD_INPUTS;
    }
    const int at = store.number(featureId);
    std::vector<int> suppressed;
    for (int id : store.order()) {
        Feature* feature = store.find(id);
        bool byInsert = mode.active && suppressedByInsert(mode, id);
        if (store.number(id) <= at) {
            if (byInsert) {
                feature->status = kFeatActive;
            }
        } else if (feature->status == kFeatActive || byInsert) {
            feature->status = PRO_FEAT_SUPPRESSED;
            suppressed.push_back(id);
        }
    }
    mode.active = true;
    mode.suppressed = std::move(suppressed);
    store.insertAfterSet(featureId);
    model.touch();
    return PRO_TK_NO_ERROR;
}

ProError insertModeCancel(Model& model, bool resume) {
    InsertMode& mode = insertMode(model);
    if (!mode.active) {
        return PRO_TK_E_NOT_FOUND;
    }
    FeatureStore& store = features(model);
    if (resume) {
        for (int id : mode.suppressed) {
            if (Feature* feature = store.find(id)) {
                feature->status = kFeatActive;
            }
        }
    }
    mode = InsertMode();
    store.insertAfterSet(0);
    model.touch();
    return PRO_TK_NO_ERROR;
}

ProError featuresReorder(Model& model, const std::vector<int>& ids, int number) {
    FeatureStore& store = features(model);
    std::vector<int> before = store.order();
    if (!store.move(ids, number)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!parentsFirst(model)) {
        store.move(before, 1);
        return PRO_TK_BAD_INPUTS;
    }
    model.touch();
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
