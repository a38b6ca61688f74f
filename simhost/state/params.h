// Parameters of a model and of its features, kept with the model.
//
// Names are compared without regard to case and kept in upper case, as the host shows
// them. Each owner lists its parameters in creation order; lookups by name are O(1).
#pragma once

#include <nlohmann/json.hpp>

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/state/models.h"
#include "simhost/state/owners.h"

namespace simhost::state {

// The host's parameter-value types.
constexpr int kParamDouble = 50;
constexpr int kParamString = 51;
constexpr int kParamInteger = 52;
constexpr int kParamBoolean = 53;
bool paramTypeKnown(int type);

// Names: 1 to 31 characters, no blanks or operator characters, not starting with a
// digit.
constexpr std::size_t kParamNameMax = 31;
constexpr std::size_t kParamTextMax = 80;
constexpr std::size_t kParamDescriptionMax = 255;
bool paramNameValid(const std::wstring& name);

struct ParamValue {
    int type = kParamDouble;
    double d = 0.0;
    int i = 0;
    bool b = false;
    std::wstring s;
};

struct Param {
    std::wstring name;  // upper case
    ParamValue value;
    std::wstring description;
};

class ParamStore {
public:
    ParamStore();
    Param* find(const ItemKey& owner, const std::wstring& name);
    // A new parameter at the end of the owner's list; null when the name is taken.
    Param* add(const ItemKey& owner, const std::wstring& name, const ParamValue& value);
    bool remove(const ItemKey& owner, const std::wstring& name);
    // The owner's parameter names in creation order.
    std::vector<std::wstring> names(const ItemKey& owner) const;
    // Drops every parameter of the owner.
    void dropOwner(const ItemKey& owner);

    // The "parameters" section: {"model": [...], "features": {"<id>": [...]}}; null when
    // there are none.
    nlohmann::json toJson(const Model& model) const;
    // Replaces the content from a section; throws on a malformed one.
    void fromJson(const Model& model, const nlohmann::json& section);

private:
    struct OwnerParams {
        std::list<Param> order;
        std::unordered_map<std::wstring, std::list<Param>::iterator> byName;
    };
    std::unordered_map<ItemKey, OwnerParams, ItemKeyHash> owners_;
};

inline ParamStore& params(Model& model) {
    return model.content<ParamStore>();
}

}  // namespace simhost::state
