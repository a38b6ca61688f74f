// Dimensions of solids and their section of the model file.
#include "simhost/state/dims.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include "simhost/core/wide.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"
#include "simhost/state/owners.h"

namespace simhost::state {

namespace {

using nlohmann::json;

std::wstring defaultSymbol(int id) {
    return L"d" + std::to_wstring(id);
}

void installFeatureHook() {
    static const bool installed = [] {
        featureDeleteHookAdd(
            [](Model& model, int featureId) { dims(model).dropFeature(featureId); });
        return true;
    }();
    (void)installed;
}

const bool kCodecRegistered = [] {
    sectionCodecAdd({"dimensions",
                     [](Model& model, const json& section) { dims(model).fromJson(section); },
                     [](Model& model) { return dims(model).toJson(); }});
    return true;
}();

}  // namespace

bool dimSymbolValid(const std::wstring& symbol) {
    if (symbol.empty() || symbol.size() > kDimSymbolMax ||
        (symbol[0] >= L'0' && symbol[0] <= L'9')) {
        return false;
    }
    static const std::wstring kRefused = L" \t\r\n+-*/=<>()[]{}!,;:.'\"&|^~$#@%?\\";
    return symbol.find_first_of(kRefused) == std::wstring::npos;
}

DimStore::DimStore() {
    installFeatureHook();
}

Dimension* DimStore::find(int id) {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : &*it->second;
}

Dimension* DimStore::bySymbol(const std::wstring& symbol) {
    auto it = bySymbol_.find(upperAscii(symbol));
    return it == bySymbol_.end() ? nullptr : find(it->second);
}

Dimension* DimStore::add(int featureId, double value, const std::wstring& symbol, bool reference) {
    if (nextId_ > kIdMax) {
        return nullptr;
    }
    Dimension dim;
    dim.id = nextId_;
    dim.featureId = featureId;
    dim.value = value;
    dim.reference = reference;
    dim.symbol = symbol;
    if (dim.symbol.empty()) {
        // A symbol given to another dimension may hold this id's default; take the next
        // free "d<n>".
        int n = dim.id;
        while (bySymbol_.count(upperAscii(defaultSymbol(n))) != 0) {
            ++n;
        }
        dim.symbol = defaultSymbol(n);
    }
    if (!load(dim)) {
        return nullptr;
    }
    return find(dim.id);
}

bool DimStore::load(const Dimension& dim) {
    std::wstring key = upperAscii(dim.symbol);
    if (dim.id < 0 || dim.id > kIdMax || byId_.count(dim.id) != 0 || !dimSymbolValid(dim.symbol) ||
        bySymbol_.count(key) != 0 || !std::isfinite(dim.value)) {
        return false;
    }
    order_.push_back(dim);
    byId_.emplace(dim.id, std::prev(order_.end()));
    bySymbol_.emplace(key, dim.id);
    byFeature_[dim.featureId].push_back(dim.id);
    nextId_ = std::max(nextId_, dim.id + 1);
    return true;
}

bool DimStore::rename(Dimension& dim, const std::wstring& symbol) {
    std::wstring key = upperAscii(symbol);
    auto taken = bySymbol_.find(key);
    if (!dimSymbolValid(symbol) || (taken != bySymbol_.end() && taken->second != dim.id)) {
        return false;
    }
    bySymbol_.erase(upperAscii(dim.symbol));
    bySymbol_.emplace(key, dim.id);
    dim.symbol = symbol;
    return true;
}

std::vector<int> DimStore::ids(bool reference) const {
    std::vector<int> out;
    for (const Dimension& dim : order_) {
        if (dim.reference == reference) {
            out.push_back(dim.id);
        }
    }
    return out;
}

std::vector<int> DimStore::idsOfFeature(int featureId) const {
    auto it = byFeature_.find(featureId);
    return it == byFeature_.end() ? std::vector<int>() : it->second;
}

void DimStore::erase(int id) {
    auto it = byId_.find(id);
    if (it == byId_.end()) {
        return;
    }
    bySymbol_.erase(upperAscii(it->second->symbol));
    order_.erase(it->second);
    byId_.erase(it);
}

void DimStore::dropFeature(int featureId) {
    auto it = byFeature_.find(featureId);
    if (it == byFeature_.end()) {
        return;
    }
    for (int id : it->second) {
        erase(id);
    }
    byFeature_.erase(it);
}

json DimStore::toJson() const {
    if (order_.empty()) {
        return nullptr;
    }
    json out = json::array();
    for (const Dimension& dim : order_) {
        json entry = {{"id", dim.id},
                      {"feature", dim.featureId},
                      {"symbol", core::toUtf8(dim.symbol)},
                      {"value", dim.value}};
        if (dim.regenNegative) {
            entry["regenerated_negative"] = true;
        }
        if (dim.reference) {
            entry["reference"] = true;
        }
        if (dim.shown) {
            entry["shown"] = true;
        }
        out.push_back(std::move(entry));
    }
    return out;
}

void DimStore::fromJson(const json& section) {
    order_.clear();
    byId_.clear();
    bySymbol_.clear();
    byFeature_.clear();
    nextId_ = 0;
    if (!section.is_array()) {
        throw std::invalid_argument("the dimensions section is a list");
    }
    // Dimensions without an id come after those with one.
    std::vector<Dimension> unnumbered;
    std::vector<std::size_t> unnumberedAt;
    for (std::size_t i = 0; i < section.size(); ++i) {
        JsonPlace place(i);
        const json& entry = section[i];
        Dimension dim;
        dim.featureId = keyInt(entry, "feature", INT_MIN, kIdMax);
        dim.value = keyDouble(entry, "value");
        dim.symbol = core::fromUtf8(keyOr(entry, "symbol", std::string()));
        dim.regenNegative = keyOr(entry, "regenerated_negative", false);
        dim.reference = keyOr(entry, "reference", false);
        dim.shown = keyOr(entry, "shown", false);
        if (dim.featureId <= 0) {
            JsonPlace featurePlace("feature");
            throw std::invalid_argument("a feature id is positive");
        }
        if (!entry.contains("id")) {
            unnumbered.push_back(dim);
            unnumberedAt.push_back(i);
            continue;
        }
        dim.id = keyInt(entry, "id", INT_MIN, kIdMax);
        if (dim.symbol.empty()) {
            dim.symbol = defaultSymbol(dim.id);
        }
        if (!load(dim)) {
            throw std::invalid_argument("dimension id " + std::to_string(dim.id) +
                                        " or its symbol is taken, or the id is negative");
        }
    }
    for (std::size_t k = 0; k < unnumbered.size(); ++k) {
        const Dimension& dim = unnumbered[k];
        Dimension* added = add(dim.featureId, dim.value, dim.symbol, dim.reference);
        if (added == nullptr) {
            JsonPlace place(unnumberedAt[k]);
            if (nextId_ > kIdMax) {
                throw std::invalid_argument("no dimension id is left for it");
            }
            JsonPlace symbolPlace("symbol");
            throw std::invalid_argument("the symbol is taken");
        }
        added->regenNegative = dim.regenNegative;
        added->shown = dim.shown;
    }
}

}  // namespace simhost::state
