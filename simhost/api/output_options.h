// The option objects of the 3D export as the host keeps them: what to write the solids
// as, what else to include and how to name layers. Allocated and freed by the contract
// functions (output_options.cpp); the export reads them through the lookups below.
#pragma once

#include <ProIntf3Dexport.h>

// A fresh object writes solids; FlagsSet refuses all four flags off, since then nothing
// would be written.
struct pro_output_brep {
    bool wireframe = false;
    bool surfaces = false;
    bool solid = true;
    bool quilts = false;
};

// Kept and journalled; the export writes the model's solids only (datum coordinate
// systems, blanked and facetted items are not written).
struct pro_output_inclusion {
    bool datums = false;
    bool blanked = false;
    bool facetted = false;
};

// Kept and journalled; the formats written carry no layers.
struct pro_output_layers {
    bool autoIds = false;
};

namespace simhost::api {

// The live object of that kind behind the handle, or null (never allocated, freed, or
// an object of another kind).
const pro_output_brep* outputBrepFind(ProOutputBrepRepresentation handle);
const pro_output_inclusion* outputInclusionFind(ProOutputInclusion handle);
const pro_output_layers* outputLayersFind(ProOutputLayerOptions handle);

}  // namespace simhost::api
