// Ardo::Operation: one operation feature of a manufacturing model, behind
// kelt2pOperation. It keeps handles only and reads every property from the host.
#pragma once

#include <ProObjects.h>

#include <string>
#include <vector>

namespace Ardo {

class Wcell;

class Operation {
public:
    Operation() = default;
    Operation(ProMdl ownerModel, const ProFeature& operationFeature)
        : owner(ownerModel), feature(operationFeature) {}

    const char* Name();
    int ID() const { return feature.id; }
    const char* Material();
    const char* NclFile();
    const char* PartNo();
    int Origin();
    int Comment();
    const char* Comment(unsigned int n);
    // The workcell the operation names (element 190).
    Wcell WcellGet();

    ProMdl owner = nullptr;
    ProFeature feature{};
    char text[2048] = {};
    std::vector<std::wstring> comments;

private:
    // Raises (-45, "Ardo::Mdl::IsInit") while not bound.
    void requireBound() const;
    const char* paramText(const char* name);
};

}  // namespace Ardo
