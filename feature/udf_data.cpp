#include "feature/udf_data.h"

#include "toolkit/check.h"
#include "toolkit/selection.h"

namespace Ardo::udf {

ardotk::UdfdataOwner dataFor(wchar_t* name, const char* text) {
    ardotk::UdfdataOwner data;
    check(ProUdfdataAlloc(data.out()), text);
    check(ProUdfdataNameSet(data.get(), name, nullptr), text);
    check(ProUdfdataDependencySet(data.get(), PROUDFDEPENDENCY_INDEPENDENT), text);
    check(ProUdfdataScaleSet(data.get(), PROUDFSCALETYPE_SAME_SIZE, 1.0), text);
    check(ProUdfdataDimdisplaySet(data.get(), PROUDFDIMDISP_NORMAL), text);
    return data;
}

void referenceAdd(ardotk::UdfdataOwner& data, wchar_t* prompt, ProModelitem& item,
                  ProAsmcomppath* path) {
    ardotk::SelectionOwner selection;
    check(ProSelectionAlloc(path, &item, selection.out()), "");
    ProUdfreference reference = nullptr;
    check(ProUdfreferenceAlloc(prompt, selection.get(), path != nullptr ? PRO_B_TRUE : PRO_B_FALSE,
                               &reference),
          "");
    check(ProUdfdataReferenceAdd(data.get(), reference), "");
    check(selection.release(), "");
}

ProGroup place(ProSolid solid, ardotk::UdfdataOwner& data, const char* text) {
    ProUdfCreateOption options[] = {PROUDFOPT_FIX_MODEL_UI_OFF};
    ProGroup group{};
    check(ProUdfCreate(solid, data.get(), nullptr, options, 1, &group), text);
    return group;
}

void dataFree(ardotk::UdfdataOwner& data, const char* text) {
    check(data.release(), text);
}

}  // namespace Ardo::udf
