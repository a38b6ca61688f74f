// Selections.
#include <ProSelection.h>

#include <cstring>
#include <optional>
#include <string>

#include "simhost/api/enum_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/highlights.h"
#include "simhost/state/models.h"
#include "simhost/state/selections.h"
#include "simhost/state/sessions.h"

using namespace simhost::state;
using simhost::api::plainInt;

namespace {

std::string itemKey(ProSelection selection) {
    const Selection* found = selectionFind(selection);
    return found == nullptr
               ? std::string()
               : std::to_string(found->data.item.type) + " " + std::to_string(found->data.item.id);
}

// ProSelectionDisplay shows the item without a highlight colour.
constexpr int kShownOwnColor = -1;

// Shows (a colour) or hides (nullopt) the selected item in the session's window. The
// item must be one of a model in session.
ProError highlightSet(Session* s, ProSelection selection, std::optional<int> color) {
    const Selection* found = selectionFind(selection);
    if (found == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const ProModelitem& item = found->data.item;
    Model* model = s->area<ModelStore>().byHandle(item.owner);
    if (model == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    Highlights& highlights = s->area<Highlights>();
    if (color) {
        highlights.show(model->id, item.type, item.id, *color);
    } else {
        highlights.hide(model->id, item.type, item.id);
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProSelectionAlloc(ProAsmcomppath* p_cmp_path, ProModelitem* p_mdl_itm,
                           ProSelection* p_selection) try {
    SIMHOST_ENTER("ProSelectionAlloc",
                  p_mdl_itm == nullptr ? std::string() : std::to_string(p_mdl_itm->type),
                  p_mdl_itm == nullptr ? std::string() : std::to_string(p_mdl_itm->id));
    if (p_mdl_itm == nullptr || p_selection == nullptr ||
        (p_cmp_path != nullptr &&
         (p_cmp_path->table_num < 0 || p_cmp_path->table_num > PRO_MAX_ASSEM_LEVEL))) {
        return PRO_TK_BAD_INPUTS;
    }
    SelectionData data;
    data.item = *p_mdl_itm;
    if (p_cmp_path != nullptr) {
        data.path = *p_cmp_path;
    }
    *p_selection = selectionCreate(data);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSelectionCopy(ProSelection from_selection, ProSelection* p_to_selection) try {
    SIMHOST_ENTER("ProSelectionCopy", itemKey(from_selection));
    const Selection* from = selectionFind(from_selection);
    if (from == nullptr || p_to_selection == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_to_selection = selectionCreate(from->data);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSelectionFree(ProSelection* p_selection) try {
    SIMHOST_ENTER("ProSelectionFree");
    const Selection* selection = p_selection == nullptr ? nullptr : selectionFind(*p_selection);
    if (selection == nullptr || selection->heldByValue) {
        return PRO_TK_BAD_INPUTS;
    }
    selectionErase(*p_selection);
    *p_selection = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSelectionModelitemGet(ProSelection selection, ProModelitem* p_mdl_item) try {
    SIMHOST_ENTER("ProSelectionModelitemGet");
    const Selection* found = selectionFind(selection);
    if (found == nullptr || p_mdl_item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_mdl_item = found->data.item;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSelectionAsmcomppathGet(ProSelection selection, ProAsmcomppath* p_cmp_path) try {
    SIMHOST_ENTER("ProSelectionAsmcomppathGet");
    const Selection* found = selectionFind(selection);
    if (found == nullptr || p_cmp_path == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (found->data.path) {
        *p_cmp_path = *found->data.path;
    } else {
        // An item of the model itself: an empty path from its owner.
        *p_cmp_path = ProAsmcomppath{};
        p_cmp_path->owner = static_cast<ProSolid>(found->data.item.owner);
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSelectionDisplay(ProSelection selection) try {
    SIMHOST_ENTER("ProSelectionDisplay", itemKey(selection));
    SIMHOST_SESSION(s);
    return highlightSet(s, selection, kShownOwnColor);
}
SIMHOST_CATCH

ProError ProSelectionHighlight(ProSelection selection, ProColortype color) try {
    // A caller may pass any number; it is read as the integer it is, not as the enum.
    const int number = plainInt(color);
    SIMHOST_ENTER("ProSelectionHighlight", itemKey(selection), std::to_string(number));
    SIMHOST_SESSION(s);
    if (number < PRO_COLOR_LETTER || number > PRO_COLOR_QUILT) {
        return PRO_TK_BAD_INPUTS;
    }
    return highlightSet(s, selection, number);
}
SIMHOST_CATCH

ProError ProSelectionUnhighlight(ProSelection selection) try {
    SIMHOST_ENTER("ProSelectionUnhighlight", itemKey(selection));
    SIMHOST_SESSION(s);
    return highlightSet(s, selection, std::nullopt);
}
SIMHOST_CATCH

}  // extern "C"
