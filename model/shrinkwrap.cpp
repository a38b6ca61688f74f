// The shrinkwrap of the model, into a faceted file or into another model.
#include <ProShrinkwrap.h>

#include "base/text.h"
#include "model/solid.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

using ShrinkwrapOptionsOwner = ardotk::Owned<ProShrinkwrapOptions, ProShrinkwrapoptionsFree>;

constexpr int kQuality = 10;

// Runs the shrinkwrap with options of `method`; answers the code of releasing the options,
// or of allocating them when that failed (then nothing else is called). The results of
// the settings and of the shrinkwrap itself are not examined.
int shrinkwrap(ProMdl model, ProShrinkwrapCreationMethod method, bool holes, ProSolid target,
               wchar_t* file) {
    ShrinkwrapOptionsOwner options;
    ProError allocated = ProShrinkwrapoptionsAlloc(method, options.out());
    if (allocated != PRO_TK_NO_ERROR) {
        return allocated;
    }
    ProShrinkwrapoptionsAutoholefillingSet(options.get(), holes ? PRO_B_TRUE : PRO_B_FALSE);
    if (method == PRO_SWCREATE_FACETED_SOLID) {
        ProShrinkwrapoptionsFacetedformatSet(options.get(), PRO_SWFACETED_STL);
    }
    ProShrinkwrapoptionsQualitySet(options.get(), kQuality);
    ProSolidShrinkwrapCreate(static_cast<ProSolid>(model), target, file, options.get());
    return options.release();
}

}  // namespace

int Solid::ShrinkwrapCreate(const char* file, bool holes) {
    requireHandle("Ardo::Solid::ShrinkwrapCreate");
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    return shrinkwrap(handle, PRO_SWCREATE_FACETED_SOLID, holes, nullptr, widePath);
}

int Solid::ShrinkwrapCreate(Solid& target, bool holes) {
    requireHandle("Ardo::Solid::ShrinkwrapCreate");
    return shrinkwrap(handle, PRO_SWCREATE_MERGED_SOLID, holes,
                      static_cast<ProSolid>(target.Handle()), nullptr);
}

}  // namespace Ardo
