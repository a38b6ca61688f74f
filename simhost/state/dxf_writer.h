// A small writer of DXF files (release 12, ASCII): layers with a linetype, and lines in
// drawing units (millimetres), numbers written the same whatever the program's locale.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace simhost::state {

// The linetypes the file defines.
enum class DxfLinetype { Continuous, Hidden };

struct DxfLayer {
    std::string name;  // upper case, letters, digits, '_', '-' and '$'
    DxfLinetype linetype = DxfLinetype::Continuous;
    int colour = 7;  // the colour number (7: black on white, white on black)
};

// A connected line through points (x, y); written as one LINE entity per segment.
struct DxfPolyline {
    std::string layer;
    std::vector<std::array<double, 2>> points;
};

struct DxfDrawing {
    std::vector<DxfLayer> layers;
    std::vector<DxfPolyline> lines;
};

// The whole file: HEADER ($ACADVER AC1009, the extents $EXTMIN/$EXTMAX of every
// point written, or 0 0 for none), TABLES (LTYPE: CONTINUOUS and HIDDEN; LAYER: layer 0
// and the drawing's), ENTITIES and EOF. Lines with fewer than two points and points that
// are not finite are left out.
std::string dxfDocument(const DxfDrawing& drawing);

// A number as the file writes it: the shortest text that reads back as the same double,
// with a point as decimal separator whatever the locale.
std::string dxfNumber(double value);

}  // namespace simhost::state
