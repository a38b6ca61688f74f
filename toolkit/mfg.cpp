#include "toolkit/mfg.h"

#include <ProMfgoper.h>
#include <ProUtil.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/listing.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct ToolCollect {
    std::vector<std::string>& toolIds;
    VisitGuard guard;
};

ProError collectTool(const ProTool* tool, ProAppData data) {
    auto& collect = *static_cast<ToolCollect*>(data);
    return collect.guard.run([&] {
        // The host's field may lack a terminator. Both buffers live on the stack: the
        // entry's string is the only allocation.
        ProLine id = {};
        std::copy(tool->tool_id, std::find(tool->tool_id, tool->tool_id + PRO_LINE_SIZE - 1, L'\0'),
                  id);
        char narrow[PRO_LINE_SIZE * MB_LEN_MAX] = {};
        Ardo::text::toNarrow(narrow, id);
        collect.toolIds.emplace_back(narrow);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

ProSolid MfgSolidGet(ProMfg mfg) {
    ProSolid solid = nullptr;
    check(ProMfgSolidGet(mfg, &solid));
    return solid;
}

ProFeature OperActiveGet(ProMfg mfg) {
    ProSolid solid = nullptr;
    check(ProMfgSolidGet(mfg, &solid), "ardotk::OperActiveGet");
    ProMfgoper oper{};
    check(ProMfgoperActiveGet(solid, &oper), "no active operation found");
    return oper;
}

void ToolVisit(ProMfg mfg, std::vector<std::string>& toolIds) {
    refillListing(toolIds, [&] {
        ToolCollect collect{toolIds, {}};
        ProError err = ProMfgToolVisit(mfg, collectTool, &collect);
        collect.guard.rethrow();
        if (err != PRO_TK_NO_ERROR && err != PRO_TK_E_NOT_FOUND) {
            throw Error(err, "ardotk::ToolList");
        }
    });
}

ProError TrailfileCommentWrite(const wchar_t* comment) {
    ProComment text = {};
    std::wcsncpy(text, comment, PRO_COMMENT_SIZE - 1);
    return ProTrailfileCommentWrite(text);
}

}  // namespace ardotk
