// Hooks of feature creation, regeneration and tree hand-out that areas register for the
// feature types they build (datum planes, revolved solids).
#pragma once

#include <ProElement.h>

#include <functional>

#include "simhost/state/features.h"

namespace simhost::state {

// Recomputes what a feature of the type places (a datum plane's frame, a revolved
// solid) on regeneration and load, in regeneration order after the coordinate systems
// and points before it.
void featurePlaceHookAdd(int type, std::function<void(Model&, Feature&)> hook);
void featurePlaceHooksRun(Model& model, Feature& feature);

// Called when the host hands out a copy of a feature's tree (ProFeatureElemtreeCreate),
// so that an area can add what it keeps outside the tree (a section object).
void featureElemtreeHookAdd(std::function<void(Model&, const Feature&, ProElement root)> hook);
void featureElemtreeHooksRun(Model& model, const Feature& feature, ProElement root);

// While ProFeatureCreate checks and makes a feature: whether the caller asked for an
// incomplete feature (PRO_FEAT_CR_INCOMPLETE_FEAT).
class FeatureCreateIncomplete {
public:
    explicit FeatureCreateIncomplete(bool incomplete);
    ~FeatureCreateIncomplete();
    FeatureCreateIncomplete(const FeatureCreateIncomplete&) = delete;
    FeatureCreateIncomplete& operator=(const FeatureCreateIncomplete&) = delete;
    static bool asked();
};

}  // namespace simhost::state
