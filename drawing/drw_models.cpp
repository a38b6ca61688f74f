// The models a drawing shows, listed into the process-wide drawing-model list that every
// drawing object shares.
#include <ProArray.h>
#include <ProDrawing.h>

#include <vector>

#include "base/subscript.h"
#include "drawing/drw.h"
#include "toolkit/array.h"

namespace Ardo {

namespace {

std::vector<Solid>& drawingModels() {
    static std::vector<Solid> list;
    return list;
}

}  // namespace

int Drw::GetMdls() {
    constexpr const char* kText = "Ardo::Drw::GetMdls";
    requireHandle(kText);
    std::vector<Solid>& list = drawingModels();
    list.clear();
    ardotk::ArrayOwner<ProSolid> solids;
    check(ProDrawingSolidsCollect(static_cast<ProDrawing>(handle), solids.out()), kText);
    int count = 0;
    if (solids.get() != nullptr) {  // no array: no models
        check(ProArraySizeGet(solids.get(), &count), kText);
    }
    for (int i = 0; i < count; ++i) {
        list.emplace_back(static_cast<ProMdl>(solids.get()[i]));
    }
    return static_cast<int>(list.size());
}

const Solid& Drw::GetMdls(int i) {
    return checkedAt(drawingModels(), i);
}

}  // namespace Ardo
