#include "toolkit/selection.h"

#include "kelt2proe/error.h"
#include "toolkit/check.h"

namespace ardotk {

SelectionOwner SelectionAlloc(ProAsmcomppath* path, ProModelitem& item) {
    SelectionOwner selection;
    check(ProSelectionAlloc(path, &item, selection.out()));
    return selection;
}

}  // namespace ardotk
