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

    // Result lists of the model, each filled by one listing operation.
    std::vector<ProParameter> paramList;
    std::vector<ProModelitem> dimList;
    std::vector<ProAsmcomppath> compList;
    std::vector<ProModelitem> featureList;
    std::vector<std::string> relationList;
};

}  // namespace Ardo
