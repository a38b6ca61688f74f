#include "simhost/api/element_visit.h"

namespace simhost::api {

using namespace simhost::state;

ProError elementVisit(ProElement tree, Element& start,
                      const std::vector<ProElempathItem>& startItems, ProElemtreeVisitFilter filter,
                      ProElemtreeVisitAction action, ProAppData appdata) {
    std::vector<VisitEntry> order = elementVisitOrder(start);
    ProElempath pathHandle = pathCreate();
    Path& path = *pathFind(pathHandle);
    path.heldByVisit = true;
    struct Release {
        Path& path;
        ~Release() { pathErase(path); }
    } release{path};
    ProError result = PRO_TK_E_NOT_FOUND;
    for (std::size_t at = 0; at < order.size(); ++at) {
        const VisitEntry& entry = order[at];
        if (elementFind(entry.element) == nullptr) {
            continue;
        }
        elementVisitPath(order, at, startItems, path.items);
        if (filter != nullptr &&
            filter(tree, entry.element, pathHandle, appdata) == PRO_TK_CONTINUE) {
            continue;
        }
        ProError status = action(tree, entry.element, pathHandle, appdata);
        result = PRO_TK_NO_ERROR;
        if (status != PRO_TK_NO_ERROR && status != PRO_TK_CONTINUE) {
            result = status;
            break;
        }
    }
    return result;
}

}  // namespace simhost::api
