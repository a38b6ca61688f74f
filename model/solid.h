// Ardo::Solid: the implementation object behind kelt2pMdl. A model handle with the
// result lists that the listing operations of a model fill.
#pragma once

#include <ProObjects.h>
#include <ProParameter.h>

#include <string>
#include <vector>

#include "kelt2proe/mdl.h"
#include "model/mdl.h"

namespace Ardo {

class Solid : public Mdl {
public:
    Solid() = default;
    // Bound to `hostHandle`, unnamed, lists empty.
    explicit Solid(ProMdl hostHandle) : Mdl(hostHandle) {}

    void Create(const char* name, kelt2pMdlType type);
    void Regenerate();

    void AccuracySet(kelt2pAccuracyType type, double value);
    double AccuracyGet();
    kelt2pAccuracyType AccuracyTypeGet();

    kelt2pModelColor ColorGet();
    void ColorSet(const kelt2pModelColor& color);
    void ColorSet(double red, double green, double blue);

    // Features (feature/)
    int FeatureList(const char* pattern, kelt2pFeaturetype featureType);
    int FeatureList(int index) const;
    const char* FeatureName(int id);
    kelt2pFeaturetype FeatureType(int id);
    int FeatureFind(const char* featureName);
    bool FeatueExist(int id);
    bool FeatueExist(const char* featureName);
    int FeatureNext(int id);
    int FeaturePrevious(int id);
    void FeatureDelete(const char* featureName);
    void FeatureDelete(int id);
    int FeatureChildrenGet(int id);
    int FeatureChildrenGet(const char* featureName);
    static int FeatureChildrenAt(int index);
    void PrintFeatTree(int id);
    void PrintFeatTree(const char* featureName);

    // Result lists of the model, each filled by one listing operation.
    std::vector<ProParameter> paramList;
    std::vector<ProModelitem> dimList;
    std::vector<ProAsmcomppath> compList;
    std::vector<ProModelitem> featureList;
    std::vector<std::string> relationList;

private:
    // ProFeatureInit in this model; status stored, failure raises Ardo::Error(code, "").
    ProFeature featureInit(int id);
    // Writes the feature's element tree; status stored, raises nothing.
    void featureTreeWrite(ProFeature& feature);
};

}  // namespace Ardo
