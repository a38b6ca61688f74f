// Collecting tool-table entries on the model and writing them into the workcell of the
// active operation.
#include "kelt2proe/error.h"
#include "mfg/mfg.h"
#include "mfg/operation.h"
#include "mfg/tool.h"
#include "mfg/tool_table.h"
#include "mfg/wcell.h"
#include "toolkit/mfg.h"

namespace Ardo {

void Mfg::ToolAdd2WcellToolListInit() {
    pending.clear();
}

void Mfg::ToolAdd2WcellToolList(Tool& tool, kelt2pMachHead head, int position, int reg,
                                const char* comment) {
    requireHandle("Ardo::Mfg::ToolAdd2WcellToolList");
    ToolAdd(tool);
    pending.push_back(pendingFromArguments(tool.handle, head, position, reg, comment));
}

// The trail file notes the application's call and this one, under the names they have
// in the Windows library. The pending list is emptied only once the workcell took the
// entries.
void Mfg::ToolAdd2Wcell() {
    ardotk::TrailfileCommentWrite(L"?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ");
    ardotk::TrailfileCommentWrite(L"?ToolAdd2Wcell@Mfg@Ardo@@QAEXXZ");
    requireHandle("Ardo::Mfg::ToolAdd2Wcell");
    Wcell wcell = OperCurrent().WcellGet();
    tooltable::write(wcell.feature, pending, "Ardo::Mfg::ToolAdd2Wcell");
    pending.clear();
}

}  // namespace Ardo
