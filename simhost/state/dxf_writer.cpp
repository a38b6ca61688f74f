// DXF release 12, written by hand: group codes and values on alternate lines.
#include "simhost/state/dxf_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace simhost::state {

namespace {

class Groups {
public:
    void add(int code, const std::string& value) {
        text_ += std::to_string(code);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }
    void add(int code, double value) { add(code, dxfNumber(value)); }
    void add(int code, int value) { add(code, std::to_string(value)); }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

bool finitePoint(const std::array<double, 2>& p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]);
}

struct Extent {
    bool empty = true;
    std::array<double, 2> min{0.0, 0.0};
    std::array<double, 2> max{0.0, 0.0};
    void add(const std::array<double, 2>& p) {
        for (std::size_t k = 0; k < 2; ++k) {
            min[k] = empty ? p[k] : std::min(min[k], p[k]);
            max[k] = empty ? p[k] : std::max(max[k], p[k]);
        }
        empty = false;
    }
};

void point(Groups& out, int code, const std::array<double, 2>& p) {
    out.add(code, p[0]);
    out.add(code + 10, p[1]);
    out.add(code + 20, 0.0);
}

void header(Groups& out, const Extent& extent) {
    out.add(0, "SECTION");
    out.add(2, "HEADER");
    out.add(9, "$ACADVER");
    out.add(1, "AC1009");
    out.add(9, "$EXTMIN");
    point(out, 10, extent.min);
    out.add(9, "$EXTMAX");
    point(out, 10, extent.max);
    out.add(0, "ENDSEC");
}

void linetypes(Groups& out) {
    out.add(0, "TABLE");
    out.add(2, "LTYPE");
    out.add(70, 2);
    out.add(0, "LTYPE");
    out.add(2, "CONTINUOUS");
    out.add(70, 0);
    out.add(3, "Solid line");
    out.add(72, 65);
    out.add(73, 0);
    out.add(40, 0.0);
    // Dashes of a quarter inch with gaps of an eighth, in millimetres.
    out.add(0, "LTYPE");
    out.add(2, "HIDDEN");
    out.add(70, 0);
    out.add(3, "Hidden __ __ __");
    out.add(72, 65);
    out.add(73, 2);
    out.add(40, 9.525);
    out.add(49, 6.35);
    out.add(49, -3.175);
    out.add(0, "ENDTAB");
}

const char* linetypeName(DxfLinetype type) {
    return type == DxfLinetype::Hidden ? "HIDDEN" : "CONTINUOUS";
}

void layers(Groups& out, const std::vector<DxfLayer>& list) {
    out.add(0, "TABLE");
    out.add(2, "LAYER");
    out.add(70, static_cast<int>(list.size()) + 1);
    out.add(0, "LAYER");
    out.add(2, "0");
    out.add(70, 0);
    out.add(62, 7);
    out.add(6, "CONTINUOUS");
    for (const DxfLayer& layer : list) {
        out.add(0, "LAYER");
        out.add(2, layer.name);
        out.add(70, 0);
        out.add(62, layer.colour);
        out.add(6, linetypeName(layer.linetype));
    }
    out.add(0, "ENDTAB");
}

}  // namespace

std::string dxfNumber(double value) {
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    if (value == 0.0) {
        value = 0.0;  // no negative zero
    }
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, value);
    std::string out(text, result.ptr);
    // A whole number keeps a point, so that every reader takes it as a real.
    if (out.find_first_of(".eE") == std::string::npos) {
        out += ".0";
    }
    return out;
}

std::string dxfDocument(const DxfDrawing& drawing) {
    Extent extent;
    for (const DxfPolyline& line : drawing.lines) {
        for (const auto& p : line.points) {
            if (finitePoint(p)) {
                extent.add(p);
            }
        }
    }
    Groups out;
    header(out, extent);
    out.add(0, "SECTION");
    out.add(2, "TABLES");
    linetypes(out);
    layers(out, drawing.layers);
    out.add(0, "ENDSEC");
    out.add(0, "SECTION");
    out.add(2, "ENTITIES");
    for (const DxfPolyline& line : drawing.lines) {
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const auto& a = line.points[i - 1];
            const auto& b = line.points[i];
            if (!finitePoint(a) || !finitePoint(b)) {
                continue;
            }
            out.add(0, "LINE");
            out.add(8, line.layer.empty() ? std::string("0") : line.layer);
            point(out, 10, a);
            point(out, 11, b);
        }
    }
    out.add(0, "ENDSEC");
    out.add(0, "EOF");
    return out.take();
}

}  // namespace simhost::state
