#include "mfg/mfg_lists.h"

#include "feature/comp_path.h"
#include "mfg/operation.h"
#include "mfg/wcell.h"

namespace Ardo::mfglists {

std::vector<Operation>& operations() {
    static std::vector<Operation> list;
    return list;
}

std::vector<Wcell>& workcells() {
    static std::vector<Wcell> list;
    return list;
}

std::vector<ProFeature>& ncSequences() {
    static std::vector<ProFeature> list;
    return list;
}

std::vector<std::string>& toolIds() {
    static std::vector<std::string> list;
    return list;
}

std::vector<kelt2pMachTool>& workcellTools() {
    static std::vector<kelt2pMachTool> list;
    return list;
}

std::vector<CompPath>& fixtureComponents() {
    static std::vector<CompPath> list;
    return list;
}

char* toolIdBuffer() {
    static char buffer[kToolIdBufferSize];
    return buffer;
}

}  // namespace Ardo::mfglists
