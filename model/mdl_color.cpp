// The colour of a model: an image of the host's surface-property record of the whole
// model. The record is read and written whole; only its first twelve doubles are used.
#include <ProDevelop.h>

#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

namespace {

// Host double of each element of kelt2pModelColor; host double 4 is not exposed.
constexpr int kHostDouble[11] = {0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11};

// The host answers a non-negative value on success.
void readProps(Solid& solid, Pro_surf_props& props, const char* text) {
    int result = prodb_get_surface_props(solid.Handle(), SEL_3D_PART, -1, 0, &props);
    solid.status = result >= 0 ? PRO_TK_NO_ERROR : result;
    if (result < 0) {
        throw Error(result, text);
    }
}

void writeProps(Solid& solid, Pro_surf_props& props, const char* text) {
    int result = prodb_set_surface_props(solid.Handle(), SEL_3D_PART, -1, 0, &props);
    solid.status = result >= 0 ? PRO_TK_NO_ERROR : result;
    if (result < 0) {
        throw Error(result, text);
    }
}

}  // namespace

kelt2pModelColor Solid::ColorGet() {
    requireHandle("Ardo::Solid::ColorGet");
    Pro_surf_props props = {};
    readProps(*this, props, "Ardo::Solid::ColorGet");
    kelt2pModelColor color = {};
    for (int i = 0; i < 11; ++i) {
        color.value[i] = props.values[kHostDouble[i]];
    }
    return color;
}

void Solid::ColorSet(const kelt2pModelColor& color) {
    requireHandle("Ardo::Solid::ColorSet");
    Pro_surf_props props = {};
    readProps(*this, props, "Ardo::Solid::ColorSet");
    for (int i = 0; i < 11; ++i) {
        props.values[kHostDouble[i]] = color.value[i];
    }
    writeProps(*this, props, "Ardo::Solid::ColorSet");
}

void Solid::ColorSet(double red, double green, double blue) {
    kelt2pModelColor color = {{0.6, 0.7, 0.5, 0.35, 0.0, red, green, blue, 1.0, 1.0, 1.0}};
    ColorSet(color);
}

}  // namespace Ardo
