#include "toolkit/asmcomppath.h"

#include <ProAsmcomppath.h>

#include "toolkit/check.h"

namespace ardotk {

ProMdl AsmcomppathMdlGet(ProAsmcomppath& path) {
    ProMdl model = nullptr;
    check(ProAsmcomppathMdlGet(&path, &model), "ardotk::AsmcomppathMdlGet");
    return model;
}

}  // namespace ardotk
