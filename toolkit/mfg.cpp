#include "toolkit/mfg.h"

#include <ProMfgoper.h>
#include <ProUtil.h>

#include <cwchar>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct ToolCollect {
    std::vector<ProTool> tools;
    VisitGuard guard;
};

ProError collectTool(const ProTool* tool, ProAppData data) {
    auto& collect = *static_cast<ToolCollect*>(data);
    return collect.guard.run([&] {
        collect.tools.push_back(*tool);
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

std::vector<ProTool> ToolVisit(ProMfg mfg) {
    ToolCollect collect;
    ProError err = ProMfgToolVisit(mfg, collectTool, &collect);
    collect.guard.rethrow();
    if (err != PRO_TK_NO_ERROR && err != PRO_TK_E_NOT_FOUND) {
        throw Error(err, "ardotk::ToolList");
    }
    return std::move(collect.tools);
}

ProError TrailfileCommentWrite(const wchar_t* comment) {
    ProComment text = {};
    std::wcsncpy(text, comment, PRO_COMMENT_SIZE - 1);
    return ProTrailfileCommentWrite(text);
}

}  // namespace ardotk
