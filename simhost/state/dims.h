// Dimensions of a solid, each owned by one of its features, and the session's dimension
// display mode.
//
// Ids are handed out per model in order from 0 and never reused. A new dimension's
// symbol is "d<id>" unless one is given; symbols are unique in the model without regard
// to case and kept as given. Visits follow creation order.
#pragma once

#include <nlohmann/json.hpp>

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/state/models.h"

namespace simhost::state {

constexpr std::size_t kDimSymbolMax = 31;
bool dimSymbolValid(const std::wstring& symbol);

struct Dimension {
    int id = 0;
    int featureId = 0;
    std::wstring symbol;
    double value = 0.0;
    bool regenNegative = false;  // the host regenerated it in the negative direction
    bool reference = false;      // a reference dimension: driven, not driving
    bool shown = false;
};

class DimStore {
public:
    DimStore();
    Dimension* find(int id);
    Dimension* bySymbol(const std::wstring& symbol);
    // A new dimension of the feature; `symbol` empty gives "d<id>". Null when the symbol
    // is invalid or taken, or when no id is left (kIdMax handed out).
    Dimension* add(int featureId, double value, const std::wstring& symbol = {},
                   bool reference = false);
    // False when the new symbol is invalid or taken by another dimension.
    bool rename(Dimension& dim, const std::wstring& symbol);
    // Ids in creation order: all, or those of one kind.
    std::vector<int> ids(bool reference) const;
    std::vector<int> idsOfFeature(int featureId) const;
    // Removes the feature's dimensions.
    void dropFeature(int featureId);
    std::size_t size() const { return byId_.size(); }

    // The "dimensions" section: a list of dimensions; null when there are none.
    nlohmann::json toJson() const;
    // Replaces the content from a section; throws on a malformed one.
    void fromJson(const nlohmann::json& section);

private:
    bool load(const Dimension& dim);
    void erase(int id);
    std::list<Dimension> order_;
    std::unordered_map<int, std::list<Dimension>::iterator> byId_;
    std::unordered_map<std::wstring, int> bySymbol_;  // upper-case symbol -> id
    std::unordered_map<int, std::vector<int>> byFeature_;
    int nextId_ = 0;
};

inline DimStore& dims(Model& model) {
    return model.content<DimStore>();
}

// The dimension display mode of a host session (0 numeric, 1 symbolic).
struct DimDisplay {
    int mode = 0;
};

}  // namespace simhost::state
