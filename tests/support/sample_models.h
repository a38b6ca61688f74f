// Model files more than one test folder loads.
#pragma once

namespace testkit {

// A part with one feature and four dimensions: "depth" is stored positive and regenerated
// negative; "neg" is stored negative; "ref1" is a reference dimension, which the library
// never visits.
constexpr const char* kDimensionBlock = R"({"type": "PRT",
    "features": [{"id": 5, "type": 917, "name": "CUT"}],
    "dimensions": [
        {"id": 0, "feature": 5, "symbol": "d0", "value": 10.0},
        {"id": 1, "feature": 5, "symbol": "depth", "value": 7.5, "regenerated_negative": true},
        {"id": 2, "feature": 5, "symbol": "neg", "value": -3.0, "regenerated_negative": true},
        {"id": 3, "feature": 5, "symbol": "ref1", "value": 2.0, "reference": true}]})";

}  // namespace testkit
