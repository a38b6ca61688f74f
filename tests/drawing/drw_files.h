// The files the drawing tests and the drawing rows of the fault sweep start from.
#pragma once

namespace drwtest {

// A part with the coordinate system M_0 at (5, 0, 0) and the saved views FASYS (turned a
// quarter about z) and ZRV (the model's axes).
constexpr const char* kShaft = R"({
  "features": [{"id": 1, "type": 979, "name": "M_0",
                "items": [{"id": 2, "type": 25, "placement": {"origin": [5, 0, 0],
                           "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]}],
  "views": {"named": [{"name": "FASYS", "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]},
                      {"name": "ZRV", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]}
})";

// The same part without the coordinate system.
constexpr const char* kShaftWithoutCsys = R"({
  "views": {"named": [{"name": "FASYS", "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]},
                      {"name": "ZRV", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]}
})";

// A template of one A3 sheet without format and without views.
constexpr const char* kPlainTemplate = R"({"drawing": {"sheets": [{"size": "A3"}]}})";

// A format of one A3 sheet.
constexpr const char* kFrameFormat = R"({"drawing": {"sheets": [{"size": "A3"}]}})";

// A template whose drawings show the model's saved view ZRV.
constexpr const char* kViewTemplate = R"({"drawing": {"sheets": [{"size": "A3"}],
  "template_views": [{"view": "ZRV", "position": [200, 150, 0]}]}})";

}  // namespace drwtest
