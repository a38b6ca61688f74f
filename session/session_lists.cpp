// The models and drawings in the host session, listed into the process-wide lists.
#include <ProArray.h>
#include <ProMdl.h>

#include "base/subscript.h"
#include "drawing/drw.h"
#include "model/solid.h"
#include "session/pro_engineer.h"
#include "session/session_state.h"
#include "toolkit/array.h"

namespace Ardo {
namespace {

// Appends a handle of type Entry for each model of `type` in session, in the host's
// order. A failing call adds nothing: its result is not examined.
template <typename Entry>
void appendModels(std::vector<Entry>& list, ProMdlType type) {
    ardotk::ArrayOwner<ProMdl> models;
    int count = 0;
    if (ProSessionMdlList(type, models.out(), &count) != PRO_TK_NO_ERROR ||
        models.get() == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        list.emplace_back(models.get()[i]);
    }
}

}  // namespace

int ProEngineer::MdlList() {
    std::vector<Solid>& list = session::sessionState().mdlList;
    list.clear();
    for (kelt2pMdlType type : {KELT2P_MDL_PART, KELT2P_MDL_ASSEMBLY, KELT2P_MDL_MFG}) {
        appendModels(list, static_cast<ProMdlType>(type));
    }
    return static_cast<int>(list.size());
}

const Solid& ProEngineer::MdlListAt(int i) {
    return checkedAt(session::sessionState().mdlList, i);
}

int ProEngineer::DrwList() {
    std::vector<Drw>& list = session::sessionState().drwList;
    list.clear();
    appendModels(list, static_cast<ProMdlType>(KELT2P_MDL_DRAWING));
    return static_cast<int>(list.size());
}

const Drw& ProEngineer::DrwListAt(int i) {
    return checkedAt(session::sessionState().drwList, i);
}

}  // namespace Ardo
