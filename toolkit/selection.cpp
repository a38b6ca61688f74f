#include "toolkit/selection.h"

#include "kelt2proe/error.h"

namespace ardotk {

SelectionOwner SelectionAlloc(ProAsmcomppath* path, ProModelitem& item) {
    SelectionOwner selection;
    if (ProError err = ProSelectionAlloc(path, &item, selection.out())) {
        throw Error(err, "");
    }
    return selection;
}

}  // namespace ardotk
